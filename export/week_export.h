#pragma once

#include <functional>
#include <optional>
#include <QDateTime>
#include <QString>

// Writes every stored week of a calendar database to a file, oldest first, in an open format.
// The file is written under a temporary name, synced and only then put in place: a failed or
// cancelled export leaves whatever was at the target before.
namespace WeekExport {

enum class Format { Markdown, ICalendar };

// The format a file name's extension asks for (".md", ".markdown", ".ics"), if any.
std::optional<Format> formatOfFile(const QString &fileName);
// The format a name on the command line asks for ("md", "markdown", "ics", "icalendar").
std::optional<Format> formatNamed(const QString &name);
QString extensionOf(Format format); // "md" or "ics"

// Told how many weeks are written of how many, every so often; returning false cancels.
using Progress = std::function<bool(qsizetype written, qsizetype total)>;

struct Result
{
    bool ok = false;
    bool cancelled = false;
    qsizetype weeks = 0;
    QString error; // for a person to read
};

// `stamp` is the export's moment, which iCalendar entries carry.
Result exportWeeks(const QString &databasePath, const QString &target, Format format,
                   const QDateTime &stamp, const Progress &progress = {});

} // namespace WeekExport
