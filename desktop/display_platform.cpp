#include "display_platform.h"

QByteArray preferredDisplayPlatform(const QProcessEnvironment &environment,
                                    const QStringList &arguments)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return {};
    // Qt reads -platform NAME, and --platform NAME alike.
    for (const QString &argument : arguments.mid(1))
        if (argument == QLatin1String("-platform") || argument == QLatin1String("--platform"))
            return {};
    const bool wayland =
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland") ||
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    const bool xwayland = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    return wayland && xwayland ? QByteArrayLiteral("xcb") : QByteArray();
}
