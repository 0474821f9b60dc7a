#include "trace/startup_trace.h"

#include <cstdio>
#include <cstdlib>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A window that counts what reaches it: the watcher only looks.
struct CountingWindow : QWidget
{
    int paints = 0;
    void paintEvent(QPaintEvent *) override { ++paints; }
};

} // namespace

// The start's marks, as the start-up benchmark reads them from standard error: each stage once,
// in order, timed from the launch it passes in.
class TestStartupTrace : public QObject
{
    Q_OBJECT
private slots:
    void marksStagesAfterTheLaunch();
};

void TestStartupTrace::marksStagesAfterTheLaunch()
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath(u"stderr.log"_s);
    // A launch 2 s ago, read once by the first mark.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    qputenv("GUI_STARTUP_BENCH_LAUNCH", QByteArray::number(double(now.tv_sec) - 2.0, 'f', 3));
    const int savedStderr = ::dup(STDERR_FILENO);
    QVERIFY(std::freopen(QFile::encodeName(logPath).constData(), "w", stderr));
    const auto log = [&] {
        std::fflush(stderr);
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };

    StartupTrace::mark("main");
    CountingWindow window;
    const qsizetype children = window.children().size();
    StartupTrace::watchFirstFrame(window);
    window.resize(200, 100);
    window.show();
    StartupTrace::mark("shown"); // the first paint comes from the event loop, after the show
    QTRY_VERIFY(log().contains(u"frame-done"_s));
    window.update();
    QTRY_COMPARE(window.children().size(), children); // the watcher is gone
    QVERIFY(window.isVisible());
    QVERIFY(window.paints > 0);
    QCoreApplication::processEvents();

    const QString written = log();
    std::fflush(stderr);
    ::dup2(savedStderr, STDERR_FILENO);
    ::close(savedStderr);
    static const QRegularExpression line(u"^stage (\\S+) +(\\d+\\.\\d) ms$"_s,
                                         QRegularExpression::MultilineOption);
    QStringList stages;
    double previous = 0;
    for (const QRegularExpressionMatch &match : line.globalMatch(written)) {
        stages.append(match.captured(1));
        const double ms = match.captured(2).toDouble();
        QVERIFY2(ms >= 2000 && ms < 60000 && ms >= previous, qPrintable(written));
        previous = ms;
    }
    QCOMPARE(stages, QStringList({u"main"_s, u"shown"_s, u"first-paint"_s, u"frame-done"_s}));
}

QTEST_MAIN(TestStartupTrace)
#include "tst_startup_trace.moc"
