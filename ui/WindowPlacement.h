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

// Applies each stored value above 0 to the window (top, left, height, width), then moves
// a window that would open off every screen onto the primary screen.
void ApplyWindowPosition(QWidget &window, const WindowPosition &stored);
// The window's current top, left, height and width.
WindowPosition CurrentWindowPosition(const QWidget &window);

// The frame rectangle moved (and if need be shrunk) onto primary when no screen shows
// enough of it to grab it; otherwise unchanged.
QRect KeepOnScreen(const QRect &frame, const QList<QRect> &screens, const QRect &primary);

// Through the program's window-position store (slot = the window's tag: 0 main window,
// 3 movement editor, ...): Restore applies the stored values, Store records the current ones.
void RestoreWindowPosition(QWidget &window, int slot);
void StoreWindowPosition(const QWidget &window, int slot);

} // namespace aw
