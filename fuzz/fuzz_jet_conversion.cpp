// Converting a hostile file that claims to be the earlier program's Jet database: the reader,
// in its own process, may fail in any way, but the conversion never crashes or hangs, either
// prepares a database or says why, and never changes the original.
#include "conversion/earlier_program_conversion.h"
#include "input_database.h"

#include <cstdint>
#include <cstdlib>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv); // for Qt's SQL driver plugin
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeInputDatabase(data, size);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
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
    if (QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden).size() != 1)
        std::abort();
    return 0;
}
