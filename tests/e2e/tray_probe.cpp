// The tray control on a real desktop, for the end-to-end test of the tray: it puts its icon in
// the tray and prints, one line each, every event of the control and any tooltip that shows.
// Lines on its standard input drive it: "on", "off", "tip TEXT", "quit".
#include "controls/std_picture.h"
#include "desktop/system_tray_shell.h"
#include "main_window/form1_design.h"
#include "tray/csystray.h"

#include <cstdio>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QToolTip>
#include <unistd.h>

namespace {

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("OrvantaTrayProbe"));
    QApplication::setQuitOnLastWindowClosed(false);

    SystemTrayShell shell;
    cSysTray tray(shell);
    QObject::connect(&tray, &cSysTray::MouseMove, [](qint32 id) {
        static bool once = false; // a hover sends many
        if (!std::exchange(once, true))
            say(QStringLiteral("MouseMove %1").arg(id));
    });
    const auto logButton = [](const char *name) {
        return [name](qint16 button, qint32 id) {
            say(QStringLiteral("%1 %2 %3").arg(QLatin1String(name)).arg(button).arg(id));
        };
    };
    QObject::connect(&tray, &cSysTray::MouseDown, logButton("MouseDown"));
    QObject::connect(&tray, &cSysTray::MouseUp, logButton("MouseUp"));
    QObject::connect(&tray, &cSysTray::MouseDblClick, logButton("MouseDblClick"));

    QTimer toolTipWatch;
    QString lastToolTip;
    QObject::connect(&toolTipWatch, &QTimer::timeout, [&lastToolTip] {
        const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
        if (shown != lastToolTip && !shown.isEmpty())
            say(QStringLiteral("ToolTip ") + shown);
        lastToolTip = shown;
    });
    toolTipWatch.start(100);

    const auto run = [&tray](const QByteArray &line) {
        if (line == "on")
            tray.setInTray(true);
        else if (line == "off")
            tray.setInTray(false);
        else if (line.startsWith("tip "))
            tray.setTrayTip(QString::fromUtf8(line.mid(4)));
        else if (line == "quit")
            QApplication::quit();
        say(QStringLiteral("done ") + QString::fromUtf8(line));
    };
    QByteArray pending;
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        char buffer[512];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            commands.setEnabled(false);
            QApplication::quit();
            return;
        }
        pending.append(buffer, count);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            run(pending.left(end));
    });

    // The window's own tray picture, the hand.
    tray.setTrayIcon(StdPicture::LoadPicture(QString::fromLatin1(Form1Design::kTrayIconResource)));
    tray.setTrayTip(QStringLiteral("Orvanta"));
    tray.setInTray(true);
    say(QStringLiteral("ready"));
    return app.exec();
}
