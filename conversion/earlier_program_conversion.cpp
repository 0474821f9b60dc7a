#include "earlier_program_conversion.h"

#include "jet/jet_file.h"
#include "schedule/calendar_files.h"
#include "schedule/week_record.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace EarlierWeeks {

std::optional<QDate> dayOf(double jetDate)
{
    // Beyond a few million days no calendar day is meant (QDate reaches far further).
    if (!std::isfinite(jetDate) || std::fabs(jetDate) > 4.0e6)
        return std::nullopt;
    const QDate day = QDate(1899, 12, 30).addDays(qint64(std::trunc(jetDate)));
    if (!day.isValid() || day.year() < 1 || day.year() > 9999)
        return std::nullopt;
    return day;
}

Key weekOf(QDate day, bool dayFirstFile)
{
    const QDate swapped(day.year(), day.day(), day.month());
    const bool swappedIsSunday =
        day.day() <= 12 && swapped.isValid() && swapped.dayOfWeek() == Qt::Sunday;
    if (day.dayOfWeek() == Qt::Sunday && !(dayFirstFile && swappedIsSunday && swapped != day))
        return {day, false};
    if (swappedIsSunday)
        return {swapped, true};
    return {};
}

bool isWeekRecord(QByteArrayView text)
{
    static const QByteArray separator = WeekDataSeparator.toUtf8();
    // More separators are the notes' own, which the window shows and saves back as they are.
    return text.endsWith(separator) && text.count(separator) >= kWeekFieldCount;
}

} // namespace EarlierWeeks

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The stored Date/Time as it reads, to the second.
QString jetDateText(double value)
{
    const std::optional<QDate> day = EarlierWeeks::dayOf(value);
    if (!day)
        return QString::number(value, 'g', 17);
    const double fraction = std::fabs(value - std::trunc(value));
    const QTime time = QTime(0, 0).addSecs(int(std::lround(fraction * 86400.0)) % 86400);
    return day->toString(Qt::ISODate) + u' ' + time.toString(u"HH:mm:ss");
}

// The database under its temporary name with SQLite's files beside it: a journal left by a
// crash would otherwise be played into the next new file of that name.
// A week as the check over everything written counts it: its key, then its text.
void addWeek(QCryptographicHash &digest, const QString &key, QByteArrayView text)
{
    digest.addData(key.toUtf8());
    digest.addData(QByteArrayView("\0", 1));
    digest.addData(text);
    digest.addData(QByteArrayView("\0", 1));
}

void removeDatabaseFiles(const QString &path)
{
    for (const char *suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa
    {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

struct EarlierProgramConversion::Impl
{
    Setup setup;
    QString folder;
    QString temporaryPath;
    QString keptPath;
    QString reportPath;
    QString connectionName = QStringLiteral("earlier-program-") + QUuid::createUuid().toString();
    std::unique_ptr<QSaveFile> report;
    qint64 weeks = 0;
    qint64 dayFirstKeys = 0;
    qint64 reported = 0;
    qint64 rowsRead = 0;
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

    // False where the user cancelled: then the error says so.
    bool goOn()
    {
        if (!setup.progress || setup.progress(rowsRead))
            return true;
        cancelled = true;
        return fail(QStringLiteral("The conversion was cancelled. Nothing was changed."));
    }

    QString fileName() const { return QFileInfo(setup.databasePath).fileName(); }

    bool fail(const QString &text)
    {
        error = text;
        return false;
    }
    bool failWriting(const QString &reason)
    {
        return fail(QStringLiteral("A new database for Orvanta could not be written in %1: %2. "
                                   "Nothing was changed; %3 is as it was.")
                        .arg(native(folder), reason, fileName()));
    }
    bool failReading(const QString &reason)
    {
        return fail(QStringLiteral("%1 could not be read as a database of the earlier "
                                   "program: %2. Nothing was changed.")
                        .arg(native(setup.databasePath), reason));
    }

    bool reportRow(const JetReaderStream::Row &row, const QString &reason)
    {
        if (!report) {
            report = std::make_unique<QSaveFile>(reportPath);
            if (!report->open(QIODevice::WriteOnly))
                return failWriting(report->errorString());
            report->write(QStringLiteral("Rows of %1, the earlier Windows program's database, "
                                         "that Orvanta could not take as weeks. Each is given "
                                         "whole, as it was stored.\n\n")
                              .arg(fileName())
                              .toUtf8());
        }
        ++reported;
        QByteArray entry =
            QStringLiteral("Row %1: %2\nStartWeekDate: %3\n")
                .arg(row.number)
                .arg(reason, row.date ? jetDateText(*row.date) : QStringLiteral("(none)"))
                .toUtf8();
        if (row.text)
            entry += "WeekData (" + QByteArray::number(row.text->size()) + " bytes of UTF-8):\n" +
                     *row.text + "\n\n";
        else
            entry += "WeekData: (none)\n\n";
        if (report->write(entry) != entry.size())
            return failWriting(report->errorString());
        return true;
    }

    // Reads every row through the reader into the open database `db`, adding each week's key
    // and text to `digest` in the order written.
    bool readRows(QSqlDatabase &db, QCryptographicHash &digest);
    // Runs the reader with the given options, handing each row to onRow until it returns
    // false; false where reading failed or onRow did (error says why).
    bool runReader(const QStringList &options,
                   const std::function<bool(const JetReaderStream::Row &)> &onRow);
    bool checkWritten(QSqlDatabase &db, const QByteArray &expected);
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
    d->reportPath = QDir(d->folder).filePath(info.completeBaseName() +
                                             QStringLiteral(" (earlier program) "
                                                            "rows not converted.txt"));
}

EarlierProgramConversion::~EarlierProgramConversion()
{
    if (d->prepared)
        removeDatabaseFiles(d->temporaryPath);
    QSqlDatabase::removeDatabase(d->connectionName);
}

QString EarlierProgramConversion::keptOriginalPathFor(const QString &databasePath, int n)
{
    const QFileInfo info(databasePath);
    const QString number = n == 1 ? QString() : QStringLiteral(" %1").arg(n);
    return info.dir().filePath(info.completeBaseName() +
                               QStringLiteral(" (earlier program%1).").arg(number) + info.suffix());
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
    return d->reported;
}
QString EarlierProgramConversion::keptOriginalPath() const
{
    return d->keptPath;
}
QString EarlierProgramConversion::reportPath() const
{
    return d->reported > 0 ? d->reportPath : QString();
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
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), d->connectionName);
        db.setDatabaseName(d->temporaryPath);
        if (!db.open())
            return d->failWriting(db.lastError().text());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=FULL"));
        ok = d->readRows(db, digest) && d->checkWritten(db, digest.result());
        db.close();
    }
    QSqlDatabase::removeDatabase(d->connectionName);
    if (ok && !d->sync(d->temporaryPath))
        ok = d->failWriting(QStringLiteral("the new file could not be written to the disk"));
    if (!ok) {
        removeDatabaseFiles(d->temporaryPath);
        d->prepared = false;
        d->report.reset(); // its temporary file goes with it
    }
    return ok;
}

bool EarlierProgramConversion::Impl::runReader(
    const QStringList &options, const std::function<bool(const JetReaderStream::Row &)> &onRow)
{
    QProcess reader;
    reader.setProgram(setup.readerProgram);
    reader.setArguments(options + QStringList{setup.databasePath});
    const qint64 memoryLimit = setup.memoryLimitBytes;
    reader.setChildProcessModifier([memoryLimit] {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        const rlimit noFiles{0, 0}; // it writes no file
        ::setrlimit(RLIMIT_FSIZE, &noFiles);
#ifndef ORVANTA_NO_MEMORY_LIMIT // the sanitizers reserve far more address space than they use
        const rlimit memory{rlim_t(memoryLimit), rlim_t(memoryLimit)};
        ::setrlimit(RLIMIT_AS, &memory);
#else
        Q_UNUSED(memoryLimit)
#endif
    });
    reader.start(QIODevice::ReadOnly);
    if (!reader.waitForStarted(30 * 1000))
        return failReading(QStringLiteral("its reader, %1, could not be started (%2)")
                               .arg(native(setup.readerProgram), reader.errorString()));
    const QDeadlineTimer deadline(setup.timeLimitMs);
    const auto stop = [&reader] {
        reader.kill();
        reader.waitForFinished(5000);
    };

    JetReaderStream::Parser stream;
    JetReaderStream::Row row;
    QByteArray lastWords; // the end of what the reader wrote on standard error
    qint64 rows = 0;
    bool ended = false;
    while (!ended) {
        const JetReaderStream::Parser::Next next = stream.next(&row);
        if (next == JetReaderStream::Parser::Next::Damaged) {
            stop();
            return failReading(QStringLiteral("its reader gave rows that make no sense"));
        }
        if (next == JetReaderStream::Parser::Next::End) {
            ended = true;
        } else if (next == JetReaderStream::Parser::Next::NeedMore) {
            lastWords = (lastWords + reader.readAllStandardError()).right(2000);
            if (reader.bytesAvailable() == 0 && reader.state() == QProcess::NotRunning)
                break;
            if (reader.bytesAvailable() == 0 &&
                !reader.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000)))) {
                if (!goOn()) {
                    stop();
                    return false;
                }
                if (deadline.hasExpired()) {
                    stop();
                    return failReading(QStringLiteral("reading it took longer than %1 seconds")
                                           .arg(setup.timeLimitMs / 1000));
                }
                continue;
            }
            stream.append(reader.readAll());
        } else {
            ++rows;
            if (!onRow(row)) {
                stop();
                return false;
            }
        }
    }
    reader.waitForFinished(int(qMax<qint64>(deadline.remainingTime(), 1000)));
    if (reader.state() != QProcess::NotRunning)
        stop();
    lastWords = (lastWords + reader.readAllStandardError()).right(2000);
    const QString said = QString::fromUtf8(lastWords).trimmed().section(u'\n', -1);
    if (reader.exitStatus() == QProcess::CrashExit)
        return failReading(QStringLiteral("its reader stopped unexpectedly"));
    switch (reader.exitCode()) {
    case 0:
        break;
    case JetReaderStream::NoCalendarTable:
        return fail(QStringLiteral("%1 is a database of Microsoft Access, but not the earlier "
                                   "program's: it has no table tblCalendar. Nothing was changed.")
                        .arg(native(setup.databasePath)));
    case JetReaderStream::OtherColumns:
        return fail(QStringLiteral("%1 is a database of Microsoft Access, but not the earlier "
                                   "program's: its table tblCalendar has no columns StartWeekDate "
                                   "(Date/Time) and WeekData (Memo). Nothing was changed.")
                        .arg(native(setup.databasePath)));
    default:
        return failReading(said.isEmpty() ? QStringLiteral("its reader failed") : said);
    }
    if (!ended || stream.rowsAtEnd() != rows)
        return failReading(QStringLiteral("its reader ended before the last row"));
    return true;
}

bool EarlierProgramConversion::Impl::readRows(QSqlDatabase &db, QCryptographicHash &digest)
{
    // Under day-first date settings every Sunday up to the 12th was stored with day and month
    // swapped, including those that then read as another Sunday. A file holds such keys where
    // one of them is no Sunday: a first look at the dates alone tells.
    bool dayFirstFile = false;
    if (!runReader({QStringLiteral("--dates-only")}, [&](const JetReaderStream::Row &row) {
            const std::optional<QDate> day =
                row.date ? EarlierWeeks::dayOf(*row.date) : std::nullopt;
            dayFirstFile = dayFirstFile || (day && EarlierWeeks::weekOf(*day).readDayFirst);
            return true;
        }))
        return false;

    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("BEGIN")))
        return failWriting(begin.lastError().text());
    QSqlQuery taken(db);
    taken.prepare(QStringLiteral("SELECT 1 FROM tblCalendar WHERE StartWeekDate = ?"));
    QSqlQuery insert(db);
    insert.prepare(
        QStringLiteral("INSERT INTO tblCalendar (StartWeekDate, WeekData) VALUES (?, ?)"));
    const bool read = runReader({}, [&](const JetReaderStream::Row &row) {
        ++rowsRead;
        if (rowsRead % 256 == 0 && !goOn())
            return false;
        const std::optional<QDate> day = row.date ? EarlierWeeks::dayOf(*row.date) : std::nullopt;
        const EarlierWeeks::Key key =
            day ? EarlierWeeks::weekOf(*day, dayFirstFile) : EarlierWeeks::Key{};
        const QString keyText = key.sunday.toString(Qt::ISODate);
        QString reason;
        if (!day)
            reason = row.date ? QStringLiteral("its date lies outside the years 1 to 9999")
                              : QStringLiteral("it has no date");
        else if (!key.sunday.isValid())
            reason = QStringLiteral("its date, %1, is not a Sunday, so it is no week's")
                         .arg(day->toString(Qt::ISODate));
        else if (!row.text || !EarlierWeeks::isWeekRecord(*row.text))
            reason = QStringLiteral("its WeekData is not the eight texts of a week");
        if (reason.isEmpty()) {
            taken.addBindValue(keyText);
            if (!taken.exec())
                return failWriting(taken.lastError().text());
            if (taken.next())
                reason = QStringLiteral("an earlier row already gives the week of Sunday %1, "
                                        "which is the one Orvanta shows")
                             .arg(keyText);
            taken.finish();
        }
        if (!reason.isEmpty())
            return reportRow(row, reason);
        insert.addBindValue(keyText);
        insert.addBindValue(QString::fromUtf8(*row.text));
        if (!insert.exec())
            return failWriting(insert.lastError().text());
        addWeek(digest, keyText, *row.text);
        ++weeks;
        dayFirstKeys += key.readDayFirst ? 1 : 0;
        return true;
    });
    if (!read)
        return false;
    QSqlQuery commit(db);
    if (!commit.exec(QStringLiteral("COMMIT")))
        return failWriting(commit.lastError().text());
    if (report && !report->flush())
        return failWriting(report->errorString());
    return true;
}

bool EarlierProgramConversion::Impl::checkWritten(QSqlDatabase &db, const QByteArray &expected)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check")) || !query.next() ||
        query.value(0).toString() != QStringLiteral("ok"))
        return failWriting(QStringLiteral("the new database did not pass its check"));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM tblCalendar")) || !query.next() ||
        query.value(0).toLongLong() != weeks)
        return failWriting(QStringLiteral("the new database does not hold every week"));
    // Every week's text read back, in the order written, against what came from the file.
    QCryptographicHash digest(QCryptographicHash::Sha256);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT StartWeekDate, CAST(WeekData AS BLOB) FROM "
                                   "tblCalendar ORDER BY rowid")))
        return failWriting(query.lastError().text());
    while (query.next()) {
        addWeek(digest, query.value(0).toString(), query.value(1).toByteArray());
    }
    if (digest.result() != expected)
        return failWriting(QStringLiteral("the new database does not read back as written"));
    return true;
}

bool EarlierProgramConversion::Impl::keepOriginal()
{
    // A hard link: the original's bytes stay where they are, under a second name. Where the
    // name is taken, by this same file (a conversion cut short) it is kept as it is.
    for (int n = 1; n < 100; ++n) {
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
        return failWriting(QStringLiteral("the original could not be kept as %1 (%2)")
                               .arg(native(candidate), QString::fromLocal8Bit(std::strerror(why))));
    }
    return failWriting(QStringLiteral("every name for keeping the original is taken"));
}

bool EarlierProgramConversion::putInPlace(const std::function<void(Step)> &afterStep)
{
    if (!d->prepared)
        return false;
    if (d->report && !d->report->commit())
        return d->failWriting(d->report->errorString());
    d->report.reset();
    if (afterStep)
        afterStep(Step::ReportWritten);
    if (!d->keepOriginal())
        return false;
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
