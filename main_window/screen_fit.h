#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Where a window of a fixed design goes on a screen: centred in the screen's available area
// (without panels and taskbars), its frame never above or left of that area, so that the title
// bar can always be reached. Where the area is smaller than the window with its frame, the
// window takes the area in that direction and its contents scroll.
namespace ScreenFit {

// The window's own area (inside `frame`) for a window designed at `designed` in `available`;
// a direction that scrolls makes the other `scrollBarExtent` longer, where there is room.
QRect fitToArea(const QRect &available, const QMargins &frame, const QSize &designed,
                int scrollBarExtent = 0);

// The primary screen's available area, where the desktop says which it is.
QRect primaryAvailableArea();

} // namespace ScreenFit

// Fits the window again once its frame is known, which is only after the window manager has
// framed it, and whenever the primary screen's available area changes (a panel comes or goes,
// the resolution changes). After that first fit with its frame, a window whose frame lies
// inside the area stays where it is (the user may have moved it).
class ScreenFitKeeper : public QObject
{
    Q_OBJECT
public:
    // When the looks at the frame in the first seconds happen: timers, or whatever a test
    // runs itself.
    using Schedule = std::function<void(int delayMs, std::function<void()> look)>;
    ScreenFitKeeper(QWidget &window, QSize designed, QObject *parent = nullptr,
                    Schedule schedule = {});

    // Places and sizes the window as fitToArea says, with the frame as far as it is known.
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitIfOutside();
    void followPrimaryScreen();

    QWidget &m_window;
    QSize m_designed;
    Schedule m_schedule;
    bool m_shownOnce = false;
    bool m_frameKnown = false;
};
