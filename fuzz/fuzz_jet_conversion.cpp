// Converting a hostile file that claims to be the earlier program's Jet database: the reader,
// in its own process, may fail in any way, but the conversion never crashes or hangs, either
// prepares a database or says why, and never changes the original.
#include "conversion/earlier_program_conversion.h"

#include <cstdint>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv); // for Qt's SQL driver plugin
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder(QFile::exists(u"/dev/shm"_s) ? u"/dev/shm/orvanta-fuzz-XXXXXX"_s
                                                             : QString());
    const QString path = folder.filePath(u"dbCalendar.mdb"_s);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(bytes);
    }
    {
        EarlierProgramConversion::Setup setup{path, QStringLiteral(ORVANTA_JET_READER)};
        setup.timeLimitMs = 5000;
        EarlierProgramConversion conversion(setup);
        const bool prepared = conversion.prepare();
        if (prepared == !conversion.errorText().isEmpty() ||
            prepared != QFile::exists(EarlierProgramConversion::temporaryPathFor(path)))
            std::abort();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes)
        std::abort();
    // Nothing but the original is left, whatever happened.
    if (QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() != 1)
        std::abort();
    return 0;
}
