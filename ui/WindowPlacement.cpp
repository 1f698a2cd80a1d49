#include "ui/WindowPlacement.h"

#include "ui/ProgramData.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace aw {

namespace {

// The frame the window manager has drawn around a window; none (null) until it has framed it.
QMargins FrameAround(const QWidget &window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// The window manager's frame around a window: known once the window manager has framed it;
// until then the frame around its parent's window, which the same window manager drew, or the
// style's title bar and frame.
QMargins FrameMargins(const QWidget &window)
{
    if (const QMargins own = FrameAround(window); !own.isNull())
        return own;
    if (const QWidget *parent = window.parentWidget())
        if (const QMargins parents = FrameAround(*parent->window()); !parents.isNull())
            return parents;
    const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    return QMargins(border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), border, border);
}

// A window not yet shown opens on its parent's screen.
QScreen *ScreenOf(const QWidget &window)
{
    const QWidget *parent = window.parentWidget();
    return window.isVisible() || !parent ? window.screen() : parent->window()->screen();
}

// Resizes and, when place is set, moves the window so that its frame takes the fitted rectangle.
// fit maps the frame (and the smallest frame the layouts allow) to where it should go.
template <typename Fit> void PlaceFrame(QWidget &window, const QPoint &position, const QSize &size, bool place, Fit fit)
{
    const QMargins margins = FrameMargins(window);
    const QSize frameExtra(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize smallest = window.minimumSize().expandedTo(window.minimumSizeHint());
    const QRect fitted = fit(QRect(position, size + frameExtra), smallest + frameExtra);
    window.resize((fitted.size() - frameExtra).expandedTo(window.minimumSize()));
    // A native window not framed yet takes a move as the position of its inside, which would
    // leave its title bar above the frame's place.
    const bool unframed = window.testAttribute(Qt::WA_WState_Created) && FrameAround(window).isNull();
    if (place)
        window.move(fitted.topLeft() + (unframed ? QPoint(margins.left(), margins.top()) : QPoint()));
}

// Where a position along one axis must start for a length to lie inside [start, start + room);
// a length longer than the room starts at the start.
int StartInside(int wanted, int length, int start, int room)
{
    return qMax(start, qMin(wanted, start + room - length));
}

} // namespace

QRect FitIntoArea(const QRect &frame, const QRect &area, const QSize &minimum)
{
    const QSize size = frame.size().boundedTo(area.size().expandedTo(minimum));
    return QRect(StartInside(frame.left(), size.width(), area.left(), area.width()),
                 StartInside(frame.top(), size.height(), area.top(), area.height()), size.width(), size.height());
}

QRect KeepOnScreen(const QRect &frame, const QList<QRect> &screens, const QRect &primary, const QSize &minimum)
{
    QRect area = primary;
    qint64 largestOverlap = 0;
    for (const QRect &screen : screens) {
        const QRect seen = frame.intersected(screen);
        const qint64 overlap = qint64(seen.width()) * seen.height();
        if (!seen.isEmpty() && overlap > largestOverlap) {
            largestOverlap = overlap;
            area = screen;
        }
    }
    return FitIntoArea(frame, area, minimum);
}

void FitToScreen(QWidget &window)
{
    if (QScreen *screen = ScreenOf(window)) {
        const QRect area = screen->availableGeometry();
        PlaceFrame(window, window.pos(), window.size(), window.testAttribute(Qt::WA_Moved),
                   [&](const QRect &frame, const QSize &smallest) { return FitIntoArea(frame, area, smallest); });
    }
}

void CentreOnScreen(QWidget &window)
{
    if (QScreen *screen = ScreenOf(window)) {
        const QRect area = screen->availableGeometry();
        PlaceFrame(window, window.pos(), window.size(), true, [&](QRect frame, const QSize &smallest) {
            frame.moveCenter(area.center());
            return FitIntoArea(frame, area, smallest);
        });
    }
}

void ApplyWindowPosition(QWidget &window, const WindowPosition &stored)
{
    const bool placed = stored.Top > 0 || stored.Left > 0;
    if (!placed && stored.Height <= 0 && stored.Width <= 0)
        return;
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

    QScreen *primary = QGuiApplication::primaryScreen();
    QScreen *own = ScreenOf(window);
    if (!primary || !own) {
        window.resize(size);
        if (placed)
            window.move(position);
        return;
    }
    QList<QRect> screens;
    for (QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect ownArea = own->availableGeometry();
    PlaceFrame(window, position, size, placed, [&](const QRect &frame, const QSize &smallest) {
        return placed ? KeepOnScreen(frame, screens, primary->availableGeometry(), smallest)
                      : FitIntoArea(frame, ownArea, smallest);
    });
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
