// Exporting every week of a hostile database file: never a crash or a hang; an export either
// writes its file or says why; the original is only read; an iCalendar file is well formed
// (every line in CR LF, none over 75 octets, every entry closed).
#include "export/week_export.h"
#include "input_database.h"

#include <cstdint>
#include <cstdlib>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeInputDatabase(data, size);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QDir folder = QFileInfo(path).dir();
    const QDateTime stamp(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    for (const WeekExport::Format format :
         {WeekExport::Format::Markdown, WeekExport::Format::ICalendar}) {
        const QString target = folder.filePath(u"out."_s + WeekExport::extensionOf(format));
        QFile::remove(target);
        const WeekExport::Result result = WeekExport::exportWeeks(path, target, format, stamp);
        if (result.ok == !result.error.isEmpty() || result.ok != QFile::exists(target))
            std::abort();
        if (!result.ok || format != WeekExport::Format::ICalendar)
            continue;
        QFile file(target);
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray written = file.readAll();
        if (!written.endsWith("END:VCALENDAR\r\n") ||
            written.count("BEGIN:VJOURNAL") != written.count("END:VJOURNAL\r\n"))
            std::abort();
        for (qsizetype start = 0; start < written.size();) {
            const qsizetype end = written.indexOf("\r\n", start);
            if (end < 0 || end - start > 75 ||
                QByteArrayView(written).sliced(start, end - start).contains('\n'))
                std::abort();
            start = end + 2;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != bytes)
        std::abort();
    return 0;
}
