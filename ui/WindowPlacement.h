#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace aw {

// A window's stored top, left, height and width; -1 (or any value of 0 or below) means
// "not stored" for that value.
struct WindowPosition {
    int Top = -1;
    int Left = -1;
    int Height = -1;
    int Width = -1;
};

// Applies each stored value above 0 to the window (top, left, height, width), then fits the
// window onto the screen it mostly lies on (KeepOnScreen). With nothing stored the window is
// left alone, so the window manager places it (a dialog over its parent).
void ApplyWindowPosition(QWidget &window, const WindowPosition &stored);
// The window's current top, left, height and width.
WindowPosition CurrentWindowPosition(const QWidget &window);

// The frame shrunk to the area (but not below minimum, the smallest frame the window's layout
// allows) and moved the least distance that puts
// it inside. A frame that cannot shrink enough starts at the area's top-left corner, so its
// title bar stays within reach.
QRect FitIntoArea(const QRect &frame, const QRect &area, const QSize &minimum = QSize());
// The frame fitted into the screen area it overlaps most, or into primary when it overlaps none
// (a monitor that is gone).
QRect KeepOnScreen(const QRect &frame, const QList<QRect> &screens, const QRect &primary,
                   const QSize &minimum = QSize());

// Bounds a top-level window's size so that its frame fits the available area of its screen;
// a window that has been moved explicitly is also moved inside that area.
void FitToScreen(QWidget &window);
// Moves a top-level window to the centre of its screen's available area, fitted into it.
void CentreOnScreen(QWidget &window);

// Through the program's window-position store (slot = the window's tag: 0 main window,
// 3 movement editor, ...): Restore applies the stored values, Store records the current ones.
void RestoreWindowPosition(QWidget &window, int slot);
void StoreWindowPosition(const QWidget &window, int slot);

} // namespace aw
