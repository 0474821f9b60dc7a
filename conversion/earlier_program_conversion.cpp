#include "earlier_program_conversion.h"

#include "schedule/calendar_files.h"
#include "schedule/sqlite_database.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A week as the check over everything written counts it: its key, then its text.
void addWeek(QCryptographicHash &digest, const QString &key, QByteArrayView text)
{
    digest.addData(key.toUtf8());
    digest.addData(QByteArrayView("\0", 1));
    digest.addData(text);
    digest.addData(QByteArrayView("\0", 1));
}

// The database under its temporary name with SQLite's files beside it: a journal left by a
// crash would otherwise be played into the next new file of that name.
void removeDatabaseFiles(const QString &path)
{
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

// How many names the original may be kept under, " (earlier program)" to " (earlier program 99)".
constexpr int kKeptNames = 100;

} // namespace

struct EarlierProgramConversion::Impl
{
    Setup setup;
    QString folder;
    QString temporaryPath;
    QString keptPath;
    std::unique_ptr<RowReport> report;
    qint64 weeks = 0;
    qint64 dayFirstKeys = 0;
    bool prepared = false;
    bool cancelled = false;
    QString error;

    bool sync(const QString &path) const
    {
        return setup.sync ? setup.sync(path) : syncToDisk(path);
    }
    int hardLink(const QString &from, const QString &to) const
    {
        if (setup.hardLink)
            return setup.hardLink(from, to);
        return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
                   ? 0
                   : errno;
    }

    QString fileName() const { return QFileInfo(setup.databasePath).fileName(); }

    bool fail(const QString &text)
    {
        error = text;
        return false;
    }
    bool failWriting(const QString &reason)
    {
        return fail(QCoreApplication::translate("EarlierProgramConversion", "A new database for Orvanta could not be written in %1: %2. "
                                   "Nothing was changed; %3 is as it was.")
                        .arg(native(folder), reason, fileName()));
    }

    // Reads every row through the reader into the open database `db`, adding each week's key
    // and text to `digest` in the order written.
    bool readRows(Sqlite::Database &db, QCryptographicHash &digest);
    bool checkWritten(const Sqlite::Database &db, const QByteArray &expected);
    bool keepOriginal();
};

EarlierProgramConversion::EarlierProgramConversion(Setup setup) : d(std::make_unique<Impl>())
{
    d->setup = std::move(setup);
    // Through a link, the file it leads to is converted where it lies, so the link then leads
    // to the new database.
    if (const QString target = QFileInfo(d->setup.databasePath).canonicalFilePath();
        !target.isEmpty())
        d->setup.databasePath = target;
    const QFileInfo info(d->setup.databasePath);
    d->folder = info.absolutePath();
    d->temporaryPath = temporaryPathFor(d->setup.databasePath);
    d->report = std::make_unique<RowReport>(
        QDir(d->folder).filePath(info.completeBaseName() +
                                 QStringLiteral(" (earlier program) rows not converted.txt")),
        QStringLiteral("Rows of %1, the earlier Windows program's database, that Orvanta could "
                       "not take as weeks. Each is given whole, as it was stored.")
            .arg(d->fileName()));
}

EarlierProgramConversion::~EarlierProgramConversion()
{
    if (d->prepared)
        removeDatabaseFiles(d->temporaryPath);
}

QString EarlierProgramConversion::keptOriginalPathFor(const QString &databasePath, int n)
{
    const QFileInfo info(databasePath);
    const QString number = n == 1 ? QString() : QStringLiteral(" %1").arg(n);
    return info.dir().filePath(info.completeBaseName() +
                               QStringLiteral(" (earlier program%1).").arg(number) + info.suffix());
}

QString EarlierProgramConversion::keepingPathFor(const QString &databasePath)
{
    for (int n = 1; n < kKeptNames; ++n) {
        const QString candidate = keptOriginalPathFor(databasePath, n);
        if (!QFileInfo::exists(candidate) || sameFile(candidate, databasePath))
            return candidate;
    }
    return keptOriginalPathFor(databasePath);
}

QString EarlierProgramConversion::temporaryPathFor(const QString &databasePath)
{
    return databasePath + QStringLiteral(".converting");
}

qint64 EarlierProgramConversion::weeks() const
{
    return d->weeks;
}
qint64 EarlierProgramConversion::dayFirstKeys() const
{
    return d->dayFirstKeys;
}
qint64 EarlierProgramConversion::reportedRows() const
{
    return d->report->rows();
}
QString EarlierProgramConversion::keptOriginalPath() const
{
    return d->keptPath;
}
QString EarlierProgramConversion::reportPath() const
{
    return d->report->rows() > 0 ? d->report->path() : QString();
}
bool EarlierProgramConversion::cancelled() const
{
    return d->cancelled;
}
QString EarlierProgramConversion::errorText() const
{
    return d->error;
}

bool EarlierProgramConversion::prepare()
{
    // A conversion that a crash cut short left its file: it was never put in place.
    removeDatabaseFiles(d->temporaryPath);
    QString problem;
    if (!createEmptyCalendarDatabase(d->temporaryPath, &problem)) {
        removeDatabaseFiles(d->temporaryPath);
        return d->failWriting(problem);
    }
    d->prepared = true;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    bool ok = false;
    {
        Sqlite::Database db;
        if (!db.openExisting(d->temporaryPath, false))
            return d->failWriting(db.errorMessage());
        db.execute("PRAGMA synchronous=FULL");
        ok = d->readRows(db, digest) && d->checkWritten(db, digest.result());
    }
    if (ok && !d->sync(d->temporaryPath))
        ok = d->failWriting(QCoreApplication::translate("EarlierProgramConversion", "the new file could not be written to the disk"));
    if (!ok) {
        removeDatabaseFiles(d->temporaryPath);
        d->prepared = false;
        d->report->discard(); // its temporary file goes with it
    }
    return ok;
}

bool EarlierProgramConversion::Impl::readRows(Sqlite::Database &db, QCryptographicHash &digest)
{
    if (!db.execute("BEGIN"))
        return failWriting(db.errorMessage());
    Sqlite::Statement insert(db, "INSERT INTO tblCalendar (StartWeekDate, WeekData) VALUES (?, ?)");
    EarlierWeekRows rows({setup.databasePath, setup.readerProgram, setup.progress,
                          setup.timeLimitMs, setup.memoryLimitBytes});
    const bool read = rows.read(
        [&](QDate sunday, bool readDayFirst, const QByteArray &text) {
            const QString keyText = sunday.toString(Qt::ISODate);
            insert.reset();
            insert.bind(keyText);
            // As text: bytes that are not UTF-8 do not read back as they came, and the check
            // refuses the conversion.
            insert.bind(QString::fromUtf8(text));
            if (!insert.run())
                return failWriting(db.errorMessage());
            addWeek(digest, keyText, text);
            ++weeks;
            dayFirstKeys += readDayFirst ? 1 : 0;
            return true;
        },
        [&](const JetReaderStream::Row &row, const QString &reason) {
            return report->add(row.number, reason,
                               row.date ? EarlierWeeks::dateText(*row.date) : QString(),
                               row.text) ||
                   failWriting(report->errorString());
        });
    if (!read) {
        cancelled = rows.cancelled();
        if (cancelled)
            return fail(QCoreApplication::translate("EarlierProgramConversion", "The conversion was cancelled. Nothing was changed."));
        if (!rows.errorText().isEmpty())
            return fail(rows.errorText());
        return false; // writing failed, and said why
    }
    if (!db.execute("COMMIT"))
        return failWriting(db.errorMessage());
    if (!report->flush())
        return failWriting(report->errorString());
    return true;
}

bool EarlierProgramConversion::Impl::checkWritten(const Sqlite::Database &db,
                                                  const QByteArray &expected)
{
    {
        Sqlite::Statement check(db, "PRAGMA integrity_check");
        if (!check.next() || check.text(0) != QLatin1String("ok"))
            return failWriting(QCoreApplication::translate("EarlierProgramConversion", "the new database did not pass its check"));
    }
    {
        Sqlite::Statement count(db, "SELECT count(*) FROM tblCalendar");
        if (!count.next() || count.integer(0) != weeks)
            return failWriting(QCoreApplication::translate("EarlierProgramConversion", "the new database does not hold every week"));
    }
    // Every week's text read back, in the order written, against what came from the file.
    QCryptographicHash digest(QCryptographicHash::Sha256);
    Sqlite::Statement rows(db, "SELECT StartWeekDate, WeekData FROM tblCalendar ORDER BY rowid");
    while (rows.next())
        addWeek(digest, rows.text(0), rows.utf8(1));
    if (!rows.done())
        return failWriting(db.errorMessage());
    if (digest.result() != expected)
        return failWriting(QCoreApplication::translate("EarlierProgramConversion", "the new database does not read back as written"));
    return true;
}

bool EarlierProgramConversion::Impl::keepOriginal()
{
    // A hard link: the original's bytes stay where they are, under a second name. Where the
    // name is taken, by this same file (a conversion cut short) it is kept as it is.
    for (int n = 1; n < kKeptNames; ++n) {
        const QString candidate = keptOriginalPathFor(setup.databasePath, n);
        if (QFileInfo::exists(candidate)) {
            if (sameFile(candidate, setup.databasePath)) {
                keptPath = candidate;
                return true;
            }
            continue;
        }
        const int why = hardLink(setup.databasePath, candidate);
        if (why == 0) {
            keptPath = candidate;
            return true;
        }
        if (why == EEXIST)
            continue;
        // A file system without hard links (FAT and exFAT say EPERM, a FUSE one may say
        // ENOSYS): a copy, synced before anything depends on it.
        if (why == EPERM || why == EXDEV || why == EMLINK || why == EOPNOTSUPP || why == ENOSYS) {
            if (QFile::copy(setup.databasePath, candidate) && sync(candidate)) {
                keptPath = candidate;
                return true;
            }
            QFile::remove(candidate);
        }
        return failWriting(QCoreApplication::translate("EarlierProgramConversion", "the original could not be kept as %1 (%2)")
                               .arg(native(candidate), QString::fromLocal8Bit(std::strerror(why))));
    }
    return failWriting(QCoreApplication::translate("EarlierProgramConversion", "every name for keeping the original is taken"));
}

bool EarlierProgramConversion::putInPlace(const std::function<void(Step)> &afterStep)
{
    if (!d->prepared)
        return false;
    const bool reported = d->report->rows() > 0;
    if (!d->report->commit())
        return d->failWriting(d->report->errorString());
    if (afterStep)
        afterStep(Step::ReportWritten);
    if (!d->keepOriginal()) {
        // The message says nothing was changed: no report of a conversion that did not happen.
        if (reported)
            QFile::remove(d->report->path());
        return false;
    }
    d->sync(d->folder);
    if (afterStep)
        afterStep(Step::OriginalKept);
    // One rename: the folder holds the original as dbCalendar.mdb or the new database.
    if (::rename(QFile::encodeName(d->temporaryPath).constData(),
                 QFile::encodeName(d->setup.databasePath).constData()) != 0)
        return d->failWriting(QString::fromLocal8Bit(std::strerror(errno)));
    d->prepared = false;
    d->sync(d->folder);
    if (afterStep)
        afterStep(Step::NewDatabasePlaced);
    return true;
}
