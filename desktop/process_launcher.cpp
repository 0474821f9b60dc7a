#include "process_launcher.h"

#include <QProcess>

bool DetachedProcessLauncher::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
