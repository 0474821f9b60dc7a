#pragma once

#include <cstdint>
#include <cstdlib>
#include <QFile>
#include <QTemporaryDir>

// The fuzzer's input written as dbCalendar.mdb into a folder of its own, in memory where there
// is a tmpfs (a save syncs the file), without a journal an earlier input left; its path.
inline QString writeInputDatabase(const std::uint8_t *data, std::size_t size)
{
    using namespace Qt::StringLiterals;
    static QTemporaryDir folder(QFile::exists(u"/dev/shm"_s) ? u"/dev/shm/orvanta-fuzz-XXXXXX"_s
                                                             : QString());
    const QString path = folder.filePath(u"dbCalendar.mdb"_s);
    QFile::remove(path + u"-journal"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}
