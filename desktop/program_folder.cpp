#include "program_folder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <unistd.h>

namespace {

std::optional<ProgramFolder> failure(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

std::optional<ProgramFolder> ProgramFolder::ofExecutable(const QByteArray &executable,
                                                         QString *error)
{
    const qsizetype slash = executable.lastIndexOf('/');
    if (slash < 0 || executable.contains('\0'))
        return failure(error, QCoreApplication::translate("ProgramFolder", "the program's path %1 names no folder")
                                  .arg(QFile::decodeName(executable)));
    const QByteArray folder = slash == 0 ? QByteArray("/") : executable.left(slash);
    ProgramFolder result;
    result.name = QFile::decodeName(folder);
    if (QFile::encodeName(result.name) == folder) {
        result.path = result.name;
        return result;
    }
    // The name does not survive the trip through QString: reach the folder through a handle.
    const int fd = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failure(
            error,
            QCoreApplication::translate("ProgramFolder", "its folder %1 cannot be opened (%2)").arg(result.name, systemError()));
    result.path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    return result;
}

std::optional<ProgramFolder> ProgramFolder::find(QString *error)
{
#if defined(Q_OS_LINUX)
    QByteArray executable(4096, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", executable.data(),
                                          static_cast<std::size_t>(executable.size()));
        if (length < 0)
            return failure(error,
                           QCoreApplication::translate("ProgramFolder", "/proc/self/exe cannot be read (%1)").arg(systemError()));
        if (length < executable.size()) {
            executable.truncate(length);
            break;
        }
        executable.resize(2 * executable.size()); // the path may have been cut: try again
    }
    return ofExecutable(executable, error);
#else
    const QString folder = QCoreApplication::applicationDirPath();
    if (folder.isEmpty())
        return failure(error, QCoreApplication::translate("ProgramFolder", "the system does not say where the program is"));
    return ProgramFolder{folder, folder};
#endif
}
