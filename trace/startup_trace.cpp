#include "startup_trace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace {

// The launch as seconds since the epoch, or a negative number when no benchmark runs us.
double launchTime()
{
    static const double launch = [] {
        const char *text = std::getenv("GUI_STARTUP_BENCH_LAUNCH");
        return text ? std::strtod(text, nullptr) : -1.0;
    }();
    return launch;
}

class FirstFrameWatcher : public QObject
{
public:
    explicit FirstFrameWatcher(QObject &window) : QObject(&window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            StartupTrace::mark("first-paint");
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                StartupTrace::mark("frame-done");
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void StartupTrace::mark(const char *stage)
{
    const double launch = launchTime();
    if (launch < 0)
        return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const double ms = (double(now.tv_sec) + double(now.tv_nsec) / 1e9 - launch) * 1000.0;
    std::fprintf(stderr, "stage %-14s %8.1f ms\n", stage, ms);
}

void StartupTrace::watchFirstFrame(QObject &window)
{
    if (launchTime() < 0)
        return;
    window.installEventFilter(new FirstFrameWatcher(window));
}
