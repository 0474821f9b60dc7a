// orvanta-cli: Orvanta's weeks from the command line, beside the program. It only reads the
// database, takes no lock, and works while the window runs.
//
//   orvanta-cli [--database FILE] find WORDS...
//
// find prints one line per match, "yyyy-MM-dd<TAB>day<TAB>line", the newest week first, and
// ends with 0 when something was found, 1 when nothing was, 2 on an error.
#include "desktop/program_folder.h"
#include "find/week_search.h"
#include "schedule/calendar_files.h"

#include <algorithm>
#include <cstdio>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace {

constexpr int kFound = 0, kNothing = 1, kError = 2;

int fail(const QString &message)
{
    std::fprintf(stderr, "orvanta-cli: %s\n", qPrintable(message));
    return kError;
}

int usage()
{
    return fail(QStringLiteral("usage: orvanta-cli [--database FILE] find WORDS..."));
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
    return usage();
}
