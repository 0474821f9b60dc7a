// orvanta-cli: Orvanta's weeks from the command line, beside the program.
//
//   orvanta-cli [--database FILE] find WORDS...
//   orvanta-cli [--database FILE] export [--format md|ics] FILE
//   orvanta-cli [--database FILE] import FILE
//   orvanta-cli [--database FILE] sync [--setup URL --user NAME ...] [--status] [--history DAY]
//   orvanta-cli --help | --version
//
// find prints one line per match, "yyyy-MM-dd<TAB>day<TAB>line", the newest week first, and
// ends with 0 when something was found, 1 when nothing was, 2 on an error.
// export writes every stored week to FILE, in the format its extension names unless --format
// says, and ends with 0 when it is written, 2 when it is not (FILE is then as it was).
// find and export only read the database, take no lock, and work while the window runs.
// import brings the weeks of FILE into the database as the window's "Import weeks…" does; it
// takes the database's lock, so it refuses while Orvanta has the database open, and ends with
// 0 when the weeks are imported, 2 when nothing was changed.
// Arguments it cannot use end it with 2 and the usage on standard error.
#include "desktop/instance_lock.h"
#include "desktop/program_folder.h"
#include "export/week_export.h"
#include "find/week_search.h"
#include "import/week_import.h"
#include "jet/jet_file.h"
#include "schedule/calendar_files.h"
#include "sync_command.h"
#include "translations/app_language.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <unistd.h>

namespace {

constexpr int kFound = 0, kNothing = 1, kError = 2;

const char kUsage[] = "usage: orvanta-cli [--database FILE] find WORDS...\n"
                      "       orvanta-cli [--database FILE] export [--format md|ics] FILE\n"
                      "       orvanta-cli [--database FILE] import FILE\n"
                      "       orvanta-cli [--database FILE] sync [--password-stdin] [--timeout S]\n"
                      "       orvanta-cli [--database FILE] sync --setup URL --user NAME [--calendar NAME]\n"
                      "                   --password-stdin [--trust FINGERPRINT] [--allow-http]\n"
                      "       orvanta-cli [--database FILE] sync --status | --history DAY\n"
                      "       orvanta-cli --help | --version\n";

const char *const kHelp = QT_TRANSLATE_NOOP(
    "orvanta-cli",
    "\n"
    "Orvanta's weeks from the command line.\n"
    "\n"
    "  find WORDS...   prints each line that holds every word (in any order, case and accents\n"
    "                  aside; quote words to find them as a phrase): the day, its name and the\n"
    "                  line, the newest first. Exit 0: found, 1: nothing found, 2: an error.\n"
    "  export FILE     writes every week to FILE, oldest first: Markdown for .md, iCalendar\n"
    "                  for .ics, or as --format says. Exit 0: written, 2: not written.\n"
    "  import FILE     brings the weeks of FILE (another Orvanta database, or the earlier\n"
    "                  Windows program's .mdb or .accdb) into the database: a week only in\n"
    "                  FILE comes over, one with other texts holds both afterwards, and FILE\n"
    "                  is never changed. Not while Orvanta has the database open: use Import\n"
    "                  weeks... in its window then. Exit 0: imported, 2: nothing changed.\n"
    "  sync            syncs the weeks with the CalDAV calendar set up with --setup (the\n"
    "                  server's address, or a calendar's; the journal calendar NAME, else the\n"
    "                  first that takes journal entries, else a new one named Orvanta). The\n"
    "                  password comes from the desktop's secret store, or from standard input\n"
    "                  with --password-stdin; it is never written to a file. A certificate that\n"
    "                  does not verify is refused with its fingerprint; --trust FINGERPRINT\n"
    "                  trusts that one. --status tells how things stand, --history DAY prints\n"
    "                  the texts of DAY that a sync replaced. Not while Orvanta has the database\n"
    "                  open: it syncs itself. Exit 0: synced, 1: synced, and days changed on\n"
    "                  both sides now hold both texts, 2: could not sync.\n"
    "\n"
    "  --database FILE the database to use (dbCalendar.mdb beside orvanta-cli without it)\n"
    "  -h, --help      this text (also: orvanta-cli help)\n"
    "  --version       the version\n");

int fail(const QString &message)
{
    std::fprintf(stderr, "orvanta-cli: %s\n", qPrintable(message));
    return kError;
}

// Arguments it cannot use: what is wrong with them, where it can say, then the usage.
int usage(const QString &problem = {})
{
    if (!problem.isEmpty())
        fail(problem);
    std::fputs(kUsage, stderr);
    return kError;
}

int help()
{
    std::fputs(kUsage, stdout);
    std::fputs(qPrintable(QCoreApplication::translate("orvanta-cli", kHelp)), stdout);
    return kFound;
}

// On a terminal, a long run says how far it is, on one line that it rewrites.
class TerminalProgress
{
public:
    TerminalProgress() : m_terminal(::isatty(STDERR_FILENO)) { m_clock.start(); }
    ~TerminalProgress()
    {
        if (m_shown)
            std::fputs("\n", stderr);
    }
    void show(const QString &text)
    {
        if (m_terminal && m_clock.elapsed() >= 500) {
            std::fprintf(stderr, "\rorvanta-cli: %s", qPrintable(text));
            m_shown = true;
        }
    }

private:
    bool m_terminal;
    QElapsedTimer m_clock;
    bool m_shown = false;
};

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
        return fail(QCoreApplication::translate("orvanta-cli", "%1 not found.").arg(database));
    const TextMatch::Query query(words.join(u' '));
    if (query.isEmpty())
        return usage();
    QList<FindResult> results;
    QString error;
    const std::atomic<bool> never = false;
    if (!WeekFind::inDatabase(
            database, query, std::nullopt, never,
            [&results](QList<FindResult> batch) { results.append(batch); }, &error))
        return fail(QCoreApplication::translate("orvanta-cli", "%1 cannot be read: %2").arg(database, error));
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
            return usage(QCoreApplication::translate("orvanta-cli", "--format takes md or ics."));
        arguments.remove(at, 2);
    }
    if (arguments.size() != 1)
        return usage();
    const QString target = arguments.first();
    if (!format)
        format = WeekExport::formatOfFile(target);
    if (!format)
        return usage(QCoreApplication::translate("orvanta-cli", "cannot tell the format of %1: name it .md or .ics, or give "
                                   "--format md or --format ics.")
                        .arg(target));
    if (!QFileInfo(database).isFile())
        return fail(QCoreApplication::translate("orvanta-cli", "%1 not found.").arg(database));

    WeekExport::Result result;
    {
        TerminalProgress terminal;
        const auto progress = [&](qsizetype written, qsizetype total) {
            const int weeks = AppLanguage::pluralCount(total);
            if (total > 0)
                terminal.show(QCoreApplication::translate("orvanta-cli",
                                                          "exporting, %1 of %n week(s)", nullptr,
                                                          weeks)
                                  .arg(written));
            return true;
        };
        result = WeekExport::exportWeeks(database, target, *format,
                                         QDateTime::currentDateTimeUtc(), progress);
    }
    if (!result.ok)
        return fail(result.error);
    return kFound;
}

// orvanta-jet-reader, beside the program, for the earlier program's files.
QString readerProgram()
{
    QString why;
    const std::optional<ProgramFolder> folder = ProgramFolder::find(&why);
    return JetFile::readerProgram(folder ? folder->path : QString());
}

int importWeeks(const QString &database, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usage();
    const QString file = arguments.first();
    if (!QFileInfo(database).isFile())
        return fail(QCoreApplication::translate("orvanta-cli", "%1 not found.").arg(database));
    // The database's own lock, as a running Orvanta holds it: never beside an open window,
    // whose next save would write over what came.
    InstanceLock lock;
    switch (lock.lock(database)) {
    case InstanceLock::Outcome::Ours:
        break;
    case InstanceLock::Outcome::HeldHere:
        return fail(QCoreApplication::translate("orvanta-cli", "%1 is open in Orvanta; import from its window (Import "
                                   "weeks…), or close it first.")
                        .arg(QDir::toNativeSeparators(database)));
    case InstanceLock::Outcome::HeldElsewhere:
        return fail(QCoreApplication::translate("orvanta-cli", "%1 is open in Orvanta on the computer %2; import from its "
                                   "window there (Import weeks…), or close it first.")
                        .arg(QDir::toNativeSeparators(database), lock.holderHost()));
    }
    WeekImport::Result result;
    {
        TerminalProgress terminal;
        WeekImport::Setup setup{database, file, readerProgram(), QDate::currentDate()};
        setup.progress = [&](qint64 rows) {
            const int read = AppLanguage::pluralCount(rows);
            terminal.show(QCoreApplication::translate("orvanta-cli", "importing, %n row(s) read",
                                                      nullptr, read));
            return true;
        };
        result = WeekImport::importWeeks(setup);
    }
    const QString told = WeekImport::describe(result, file, INT_MAX);
    if (!result.ok)
        return fail(told);
    std::printf("%s\n", qPrintable(told));
    return kFound;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppLanguage::installForUser(app);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QString database;
    if (arguments.value(0) == QLatin1String("--database")) {
        if (arguments.size() < 2)
            return usage(QCoreApplication::translate("orvanta-cli", "--database takes a file."));
        database = arguments[1];
        arguments = arguments.mid(2);
    }
    const QString command = arguments.value(0);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help"))
        return help();
    if (command == QLatin1String("--version")) {
        std::printf("orvanta-cli %s\n", ORVANTA_VERSION);
        return kFound;
    }
    if (command != QLatin1String("find") && command != QLatin1String("export") &&
        command != QLatin1String("import") && command != QLatin1String("sync"))
        return usage(command.isEmpty() ? QString()
                                       : QCoreApplication::translate("orvanta-cli", "no command %1.").arg(command));
    if (database.isEmpty()) {
        QString why;
        const std::optional<ProgramFolder> folder = ProgramFolder::find(&why);
        if (!folder)
            return fail(QCoreApplication::translate("orvanta-cli", "cannot tell which folder it is in: %1").arg(why));
        database = databasePath(folder->path);
    }
    if (command == QLatin1String("find"))
        return arguments.size() > 1 ? find(database, arguments.mid(1)) : usage();
    if (command == QLatin1String("export"))
        return exportWeeks(database, arguments.mid(1));
    if (command == QLatin1String("sync"))
        return syncCommand(database, arguments.mid(1));
    return importWeeks(database, arguments.mid(1));
}
