#include "week_export.h"

#include "icalendar_weeks.h"
#include "markdown_weeks.h"
#include "stored_weeks.h"

#include "schedule/calendar_files.h"

#include <cerrno>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <unistd.h>

namespace WeekExport {

std::optional<Format> formatOfFile(const QString &fileName)
{
    return formatNamed(QFileInfo(fileName).suffix());
}

std::optional<Format> formatNamed(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == u"md" || lower == u"markdown")
        return Format::Markdown;
    if (lower == u"ics" || lower == u"icalendar")
        return Format::ICalendar;
    return std::nullopt;
}

QString extensionOf(Format format)
{
    return format == Format::Markdown ? QStringLiteral("md") : QStringLiteral("ics");
}

Result exportWeeks(const QString &databasePath, const QString &target, Format format,
                   const QDateTime &stamp, const Progress &progress)
{
    Result result;
    const QString name = QFileInfo(target).fileName();
    // The export would take the database's place, and every week with it.
    if (sameFile(databasePath, target)) {
        result.error = QCoreApplication::translate("WeekExport", "%1 is the calendar database itself: choose another file.")
                           .arg(name);
        return result;
    }
    StoredWeeks weeks;
    if (!weeks.open(databasePath)) {
        result.error = QCoreApplication::translate("WeekExport", "%1 cannot be read: %2").arg(databasePath, weeks.error());
        return result;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = QCoreApplication::translate("WeekExport", "%1 cannot be written: %2").arg(name, file.errorString());
        return result;
    }
    const bool markdown = format == Format::Markdown;
    if (!markdown)
        file.write(ICalendarWeeks::begin());
    const qsizetype total = weeks.count();
    if (progress && !progress(0, total)) {
        result.cancelled = true;
        return result;
    }
    QDate weekStart;
    StoredWeeks::Texts texts;
    const QByteArray dtstamp = ICalendarWeeks::stampOf(stamp);
    QByteArray written; // one week's worth, its buffer kept from week to week
    while (weeks.next(weekStart, texts)) {
        written.clear();
        if (markdown)
            MarkdownWeeks::appendWeek(written, weekStart, texts);
        else
            ICalendarWeeks::appendWeek(written, weekStart, texts, dtstamp);
        file.write(written);
        ++result.weeks;
        if (progress && result.weeks % 256 == 0 && !progress(result.weeks, total)) {
            result.cancelled = true;
            return result; // the temporary file goes with `file`
        }
    }
    if (!weeks.error().isEmpty()) {
        result.error = QCoreApplication::translate("WeekExport", "%1 cannot be read: %2").arg(databasePath, weeks.error());
        return result;
    }
    if (!markdown)
        file.write(ICalendarWeeks::end());
    // On disk before it takes the name, so that a crash leaves the old file or the whole new one.
    QString problem;
    if (!file.flush())
        problem = file.errorString();
    else if (::fsync(file.handle()) != 0)
        problem = qt_error_string(errno);
    else if (!file.commit())
        problem = file.errorString();
    if (!problem.isEmpty()) {
        result.error = QCoreApplication::translate("WeekExport", "%1 cannot be written: %2").arg(name, problem);
        return result;
    }
    if (progress)
        progress(total, total);
    result.ok = true;
    return result;
}

} // namespace WeekExport
