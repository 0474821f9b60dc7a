#include "desktop/clock.h"
#include "desktop/display_platform.h"
#include "desktop/message_box_alerts.h"
#include "desktop/process_launcher.h"
#include "desktop/process_signals.h"
#include "desktop/program_folder.h"
#include "desktop/random_draw.h"
#include "desktop/system_tray_shell.h"
#include "main_window/form1.h"
#include "trace/startup_trace.h"
#include "translations/app_language.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char *argv[])
{
    StartupTrace::mark("main");
    ProcessSignals::catchFromNow();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QByteArray platform =
        preferredDisplayPlatform(QProcessEnvironment::systemEnvironment(), arguments);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(ORVANTA_PRODUCT_NAME));
    QApplication::setOrganizationName(QStringLiteral(ORVANTA_PRODUCT_NAME)); // ~/.config/Orvanta
    QApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvanta"));
    AppLanguage::installForUser(app);
    StartupTrace::mark("application");

    const SystemClock clock;
    MessageBoxAlerts alerts;
    ProcessSignals processSignals;
    SystemTrayShell shell; // outlives the window, whose tray control may still remove its icon

    QString unknownFolder;
    const std::optional<ProgramFolder> folder = ProgramFolder::find(&unknownFolder);
    if (!folder) {
        alerts.error(
            QCoreApplication::translate("main",
                                        "Orvanta cannot tell which folder it was started from, "
                                        "where its dbCalendar.mdb lies: %1.")
                .arg(unknownFolder));
        return 1;
    }

    SeededRandom random;
    DetachedProcessLauncher launcher;
    Form1::Services services{&clock, &alerts, &shell,    folder->path,
                             {},     &random, &launcher, folder->name};
    services.offerTrayMenu = [&shell](QMenu *menu) { shell.setHostMenu(menu); };
    Form1 form(std::move(services));
    StartupTrace::mark("controls");
    QObject::connect(&processSignals, &ProcessSignals::terminationRequested, &form,
                     &Form1::requestClose);
    QObject::connect(&processSignals, &ProcessSignals::comeForwardRequested, &form,
                     &Form1::comeForward);
    // At logout the session manager asks for the user's data and closes no window itself.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.runCloseSequence(); });

    if (!form.Load())
        return form.exitCode();
    StartupTrace::watchFirstFrame(form);
    form.show();
    StartupTrace::mark("shown");
    return app.exec();
}
