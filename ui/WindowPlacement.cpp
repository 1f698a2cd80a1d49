#include "ui/WindowPlacement.h"

#include "ui/ProgramData.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace aw {

namespace {

// How much of a window must lie on one screen for the user to reach its title bar.
constexpr int kGrabWidth = 60;
constexpr int kGrabHeight = 30;

} // namespace

QRect KeepOnScreen(const QRect &frame, const QList<QRect> &screens, const QRect &primary)
{
    for (const QRect &screen : screens) {
        const QRect seen = frame.intersected(screen);
        if (seen.width() >= qMin(kGrabWidth, frame.width()) && seen.height() >= qMin(kGrabHeight, frame.height()) &&
            !seen.isEmpty())
            return frame;
    }
    QRect moved(frame.topLeft(), frame.size().boundedTo(primary.size()));
    moved.moveCenter(primary.center());
    return moved;
}

void ApplyWindowPosition(QWidget &window, const WindowPosition &stored)
{
    // A damaged settings file may hold any value. Beyond the largest widget size no screen is
    // near, and the frame's far edge must not pass the largest coordinate.
    const auto bounded = [](int value) { return qMin(value, QWIDGETSIZE_MAX); };
    QPoint position = window.pos();
    if (stored.Top > 0)
        position.setY(bounded(stored.Top));
    if (stored.Left > 0)
        position.setX(bounded(stored.Left));
    QSize size = window.size();
    if (stored.Height > 0)
        size.setHeight(bounded(stored.Height));
    if (stored.Width > 0)
        size.setWidth(bounded(stored.Width));
    size = size.expandedTo(window.minimumSize());

    QList<QRect> screens;
    for (QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary) {
        const QRect placed = KeepOnScreen(QRect(position, size), screens, primary->availableGeometry());
        position = placed.topLeft();
        size = placed.size().expandedTo(window.minimumSize());
    }
    window.resize(size);
    window.move(position);
}

WindowPosition CurrentWindowPosition(const QWidget &window)
{
    WindowPosition current;
    current.Top = window.pos().y();
    current.Left = window.pos().x();
    current.Height = window.height();
    current.Width = window.width();
    return current;
}

void RestoreWindowPosition(QWidget &window, int slot)
{
    ApplyWindowPosition(window, CurrentProgramData().WindowPositionAt(slot));
}

void StoreWindowPosition(const QWidget &window, int slot)
{
    CurrentProgramData().SetWindowPosition(slot, CurrentWindowPosition(window));
}

} // namespace aw
