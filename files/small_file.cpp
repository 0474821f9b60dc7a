#include "small_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SmallFile failure(SmallFile::Problem problem, int error = 0)
{
    SmallFile file;
    file.problem = problem;
    if (error)
        file.systemError = QString::fromLocal8Bit(std::strerror(error));
    return file;
}

// Reads to the end, at most `maxBytes` + 1 bytes: one byte more than allowed tells a file that
// grew since it was measured.
SmallFile readAtMost(int fd, qint64 expected, qint64 maxBytes)
{
    SmallFile file;
    qint64 filled = 0;
    file.bytes.resize(std::min(expected, maxBytes) + 1);
    for (;;) {
        if (filled == file.bytes.size()) {
            if (filled > maxBytes)
                return failure(SmallFile::TooLarge);
            file.bytes.resize(std::min(2 * filled, maxBytes + 1));
        }
        const ssize_t got = ::read(fd, file.bytes.data() + filled,
                                   static_cast<std::size_t>(file.bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(SmallFile::CannotRead, errno);
        if (got == 0)
            break;
        filled += got;
    }
    file.bytes.truncate(filled);
    return file;
}

} // namespace

SmallFile SmallFile::read(const QString &path, qint64 maxBytes)
{
    if (path.startsWith(u':')) { // built into the program
        QFile resource(path);
        if (!resource.open(QIODevice::ReadOnly))
            return failure(CannotOpen, ENOENT);
        if (resource.size() > maxBytes)
            return failure(TooLarge);
        SmallFile file;
        file.bytes = resource.readAll();
        return file;
    }
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.contains('\0'))
        return failure(CannotOpen, ENOENT);
    // O_NONBLOCK: opening a FIFO would otherwise wait for a writer that never comes.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return failure(CannotOpen, errno);
    struct stat status = {};
    SmallFile file;
    if (::fstat(fd, &status) != 0) {
        file = failure(CannotRead, errno);
    } else if (!S_ISREG(status.st_mode)) {
        file = failure(NotARegularFile);
    } else if (status.st_size > maxBytes) {
        file = failure(TooLarge);
    } else {
        file = readAtMost(fd, status.st_size, maxBytes);
    }
    ::close(fd);
    return file;
}

QString SmallFile::problemText(const QString &tooLarge) const
{
    switch (problem) {
    case None:
        return {};
    case NotARegularFile:
        return QCoreApplication::translate("SmallFile", "it is not a file but a folder, a device or a pipe");
    case TooLarge:
        return tooLarge;
    case CannotOpen:
    case CannotRead:
        break;
    }
    return systemError;
}
