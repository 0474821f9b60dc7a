// orvanta-cli: Orvanta's weeks from the command line, beside the program. It only reads the
// database, takes no lock, and works while the window runs.
//
//   orvanta-cli [--database FILE] find WORDS...
//   orvanta-cli [--database FILE] export [--format md|ics] FILE
//
// find prints one line per match, "yyyy-MM-dd<TAB>day<TAB>line", the newest week first, and
// ends with 0 when something was found, 1 when nothing was, 2 on an error.
// export writes every stored week to FILE, in the format its extension names unless --format
// says, and ends with 0 when it is written, 2 when it is not (FILE is then as it was).
#include "desktop/program_folder.h"
#include "export/week_export.h"
#include "find/week_search.h"
#include "schedule/calendar_files.h"

#include <algorithm>
#include <cstdio>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <unistd.h>

namespace {

constexpr int kFound = 0, kNothing = 1, kError = 2;

int fail(const QString &message)
{
    std::fprintf(stderr, "orvanta-cli: %s\n", qPrintable(message));
    return kError;
}

int usage()
{
    return fail(
        QStringLiteral("usage: orvanta-cli [--database FILE] find WORDS...\n"
                       "       orvanta-cli [--database FILE] export [--format md|ics] FILE"));
}

void print(const FindResult &result)
{
    const QByteArray line =
        (WeekFind::dayOf(result).toString(Qt::ISODate) + u'\t' +
         WeekFind::dayNameOf(result, QLocale::c()) + u'\t' + result.line + u'\n')
            .toUtf8();
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
}

int find(const QString &database, const QStringList &words)
{
    if (!QFileInfo(database).isFile())
        return fail(QStringLiteral("%1 not found.").arg(database));
    const TextMatch::Query query(words.join(u' '));
    if (query.isEmpty())
        return usage();
    QList<FindResult> results;
    QString error;
    const std::atomic<bool> never = false;
    if (!WeekFind::inDatabase(
            database, query, std::nullopt, never,
            [&results](QList<FindResult> batch) { results.append(batch); }, &error))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(database, error));
    std::stable_sort(results.begin(), results.end(), WeekFind::newerFirst);
    for (const FindResult &result : results)
        print(result);
    return results.isEmpty() ? kNothing : kFound;
}

// export's arguments: FILE, with --format FORMAT before or after it.
int exportWeeks(const QString &database, QStringList arguments)
{
    std::optional<WeekExport::Format> format;
    if (const qsizetype at = arguments.indexOf(QLatin1String("--format")); at >= 0) {
        format = WeekExport::formatNamed(arguments.value(at + 1));
        if (!format)
            return fail(QStringLiteral("--format takes md or ics."));
        arguments.remove(at, 2);
    }
    if (arguments.size() != 1)
        return usage();
    const QString target = arguments.first();
    if (!format)
        format = WeekExport::formatOfFile(target);
    if (!format)
        return fail(QStringLiteral("cannot tell the format of %1: name it .md or .ics, or give "
                                   "--format md or --format ics.")
                        .arg(target));
    if (!QFileInfo(database).isFile())
        return fail(QStringLiteral("%1 not found.").arg(database));

    // On a terminal, a long export says how far it is, on one line that it rewrites.
    const bool terminal = ::isatty(STDERR_FILENO);
    QElapsedTimer clock;
    clock.start();
    bool shown = false;
    const auto progress = [&](qsizetype written, qsizetype total) {
        if (terminal && total > 0 && clock.elapsed() >= 500) {
            std::fprintf(stderr, "\rorvanta-cli: exporting, %lld of %lld weeks",
                         static_cast<long long>(written), static_cast<long long>(total));
            shown = true;
        }
        return true;
    };
    const WeekExport::Result result = WeekExport::exportWeeks(
        database, target, *format, QDateTime::currentDateTimeUtc(), progress);
    if (shown)
        std::fputs("\n", stderr);
    if (!result.ok)
        return fail(result.error);
    return kFound;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString database;
    if (arguments.value(0) == QLatin1String("--database")) {
        if (arguments.size() < 2)
            return usage();
        database = arguments[1];
        arguments = arguments.mid(2);
    } else {
        QString why;
        const std::optional<ProgramFolder> folder = ProgramFolder::find(&why);
        if (!folder)
            return fail(QStringLiteral("cannot tell which folder it is in: %1").arg(why));
        database = databasePath(folder->path);
    }
    if (arguments.value(0) == QLatin1String("find") && arguments.size() > 1)
        return find(database, arguments.mid(1));
    if (arguments.value(0) == QLatin1String("export"))
        return exportWeeks(database, arguments.mid(1));
    return usage();
}
