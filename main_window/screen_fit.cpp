#include "screen_fit.h"

#include "controls/twips.h"
#include "main_module.h"

#include <algorithm>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace ScreenFit {

namespace {

// One direction: the window's own start and length. A window that fits is centred (twips,
// halved as CenterForm does); one that does not starts at the area's start and takes it all,
// less its frame. Never less than one pixel.
std::pair<int, int> fitOneWay(int areaStart, int areaLength, int frameBefore, int frameAfter,
                              int designed)
{
    const int outer = designed + frameBefore + frameAfter;
    if (outer <= areaLength) {
        const auto twips = [](int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
        const int offset = qRound(Main::centredEdge(twips(areaLength), twips(outer)) /
                                  static_cast<float>(kTwipsPerPixel));
        return {areaStart + offset + frameBefore, designed};
    }
    return {areaStart + frameBefore, std::max(1, areaLength - frameBefore - frameAfter)};
}

} // namespace

QRect fitToArea(const QRect &available, const QMargins &frame, const QSize &designed,
                int scrollBarExtent)
{
    // A direction that scrolls takes room from the other for its scroll bar.
    const auto fits = [](int start, int length, int before, int after, int wanted) {
        return fitOneWay(start, length, before, after, wanted).second == wanted;
    };
    QSize wanted = designed;
    if (!fits(available.y(), available.height(), frame.top(), frame.bottom(), wanted.height()))
        wanted.rwidth() += scrollBarExtent;
    if (!fits(available.x(), available.width(), frame.left(), frame.right(), wanted.width()))
        wanted.rheight() += scrollBarExtent;
    const auto [left, width] =
        fitOneWay(available.x(), available.width(), frame.left(), frame.right(), wanted.width());
    const auto [top, height] =
        fitOneWay(available.y(), available.height(), frame.top(), frame.bottom(), wanted.height());
    return {left, top, width, height};
}

QRect primaryAvailableArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace ScreenFit

ScreenFitKeeper::ScreenFitKeeper(QWidget &window, QSize designed, QObject *parent,
                                 Schedule schedule)
    : QObject(parent), m_window(window), m_designed(designed), m_schedule(std::move(schedule))
{
    if (!m_schedule)
        m_schedule = [this](int delayMs, std::function<void()> look) {
            QTimer::singleShot(delayMs, this, std::move(look));
        };
    m_window.installEventFilter(this);
    followPrimaryScreen();
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this] {
        followPrimaryScreen();
        fit();
    });
}

void ScreenFitKeeper::followPrimaryScreen()
{
    if (QScreen *screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &ScreenFitKeeper::fit,
                Qt::UniqueConnection);
}

void ScreenFitKeeper::fit()
{
    Main::CenterForm(m_window, m_designed);
}

void ScreenFitKeeper::fitIfOutside()
{
    // Only a window in its normal state: a full-screen or maximised one, which the window hands
    // back at once, is never fitted in passing.
    if (!m_window.isVisible() || m_window.windowState() != Qt::WindowNoState)
        return;
    // The first time the frame is known, the window is centred with it, which the first
    // placement could not do; later only a frame outside the area moves it, never a window
    // that the user has moved.
    if (!m_frameKnown && !m_window.windowHandle()->frameMargins().isNull()) {
        m_frameKnown = true;
        fit();
        return;
    }
    const QRect area = ScreenFit::primaryAvailableArea();
    if (!area.isEmpty() && !area.contains(m_window.frameGeometry()))
        fit();
}

bool ScreenFitKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Show && !m_shownOnce) {
        m_shownOnce = true;
        // The frame is known once the window manager has framed the window, which it tells
        // at no fixed moment: a few looks in the first seconds.
        for (const int delay : {0, 100, 300, 1000, 3000})
            m_schedule(delay, [this] { fitIfOutside(); });
    }
    return false;
}
