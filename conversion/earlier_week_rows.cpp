#include "earlier_week_rows.h"

#include "schedule/week_record.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTime>

#include <cmath>
#include <sys/resource.h>

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

QString dateText(double jetDate)
{
    const std::optional<QDate> day = dayOf(jetDate);
    if (!day)
        return QString::number(jetDate, 'g', 17);
    const double fraction = std::fabs(jetDate - std::trunc(jetDate));
    const QTime time = QTime(0, 0).addSecs(int(std::lround(fraction * 86400.0)) % 86400);
    return day->toString(Qt::ISODate) + u' ' + time.toString(u"HH:mm:ss");
}

} // namespace EarlierWeeks

EarlierWeekRows::EarlierWeekRows(Setup setup) : m_setup(std::move(setup)) {}

bool EarlierWeekRows::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool EarlierWeekRows::failReading(const QString &reason)
{
    return fail(QCoreApplication::translate("EarlierWeekRows", "%1 could not be read as a database of the earlier program: %2. "
                               "Nothing was changed.")
                    .arg(QDir::toNativeSeparators(m_setup.filePath), reason));
}

// False where the user cancelled.
bool EarlierWeekRows::goOn()
{
    if (!m_setup.progress || m_setup.progress(m_rowsRead))
        return true;
    m_cancelled = true;
    return false;
}

bool EarlierWeekRows::runReader(const QStringList &options,
                                const std::function<bool(const JetReaderStream::Row &)> &onRow)
{
    QProcess reader;
    reader.setProgram(m_setup.readerProgram);
    reader.setArguments(options + QStringList{m_setup.filePath});
    const qint64 memoryLimit = m_setup.memoryLimitBytes;
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
        return failReading(QCoreApplication::translate("EarlierWeekRows", "its reader, %1, could not be started (%2)")
                               .arg(QDir::toNativeSeparators(m_setup.readerProgram),
                                    reader.errorString()));
    const QDeadlineTimer deadline(m_setup.timeLimitMs);
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
            return failReading(QCoreApplication::translate("EarlierWeekRows", "its reader gave rows that make no sense"));
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
                    return failReading(QCoreApplication::translate("EarlierWeekRows", "reading it took longer than %1 seconds")
                                           .arg(m_setup.timeLimitMs / 1000));
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
        return failReading(QCoreApplication::translate("EarlierWeekRows", "its reader stopped unexpectedly"));
    const QString file = QDir::toNativeSeparators(m_setup.filePath);
    switch (reader.exitCode()) {
    case 0:
        break;
    case JetReaderStream::NoCalendarTable:
        return fail(QCoreApplication::translate("EarlierWeekRows", "%1 is a database of Microsoft Access, but not the earlier "
                                   "program's: it has no table tblCalendar. Nothing was changed.")
                        .arg(file));
    case JetReaderStream::OtherColumns:
        return fail(QCoreApplication::translate("EarlierWeekRows", "%1 is a database of Microsoft Access, but not the earlier "
                                   "program's: its table tblCalendar has no columns StartWeekDate "
                                   "(Date/Time) and WeekData (Memo). Nothing was changed.")
                        .arg(file));
    default:
        return failReading(said.isEmpty() ? QCoreApplication::translate("EarlierWeekRows", "its reader failed") : said);
    }
    if (!ended || stream.rowsAtEnd() != rows)
        return failReading(QCoreApplication::translate("EarlierWeekRows", "its reader ended before the last row"));
    return true;
}

bool EarlierWeekRows::read(const OnWeek &onWeek, const OnOtherRow &onOtherRow)
{
    m_rowsRead = 0;
    m_cancelled = false;
    m_error.clear();
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

    QSet<qint64> taken; // the weeks given so far, by their Sunday's Julian day
    return runReader({}, [&](const JetReaderStream::Row &row) {
        ++m_rowsRead;
        if (m_rowsRead % 256 == 0 && !goOn())
            return false;
        const std::optional<QDate> day = row.date ? EarlierWeeks::dayOf(*row.date) : std::nullopt;
        const EarlierWeeks::Key key =
            day ? EarlierWeeks::weekOf(*day, dayFirstFile) : EarlierWeeks::Key{};
        if (!day)
            return onOtherRow(row, row.date ? QStringLiteral("its date lies outside the years 1 "
                                                             "to 9999")
                                            : QStringLiteral("it has no date"));
        if (!key.sunday.isValid())
            return onOtherRow(row, QStringLiteral("its date, %1, is not a Sunday, so it is no "
                                                  "week's")
                                       .arg(day->toString(Qt::ISODate)));
        if (!row.text || !EarlierWeeks::isWeekRecord(*row.text))
            return onOtherRow(row, QStringLiteral("its WeekData is not the eight texts of a week"));
        if (taken.contains(key.sunday.toJulianDay()))
            return onOtherRow(row, QStringLiteral("an earlier row already gives the week of "
                                                  "Sunday %1, which is the one Orvanta shows")
                                       .arg(key.sunday.toString(Qt::ISODate)));
        taken.insert(key.sunday.toJulianDay());
        return onWeek(key.sunday, key.readDayFirst, *row.text);
    });
}

RowReport::RowReport(QString path, QString heading)
    : m_path(std::move(path)), m_heading(std::move(heading))
{}

RowReport::~RowReport() = default; // a report never committed leaves nothing

QString RowReport::errorString() const
{
    return m_file ? m_file->errorString() : QString();
}

bool RowReport::add(qint64 row, const QString &reason, const QString &key,
                    const std::optional<QByteArray> &text)
{
    if (!m_file) {
        m_file = std::make_unique<QSaveFile>(m_path);
        if (!m_file->open(QIODevice::WriteOnly))
            return false;
        m_file->write(m_heading.toUtf8() + "\n\n");
    }
    ++m_rows;
    QByteArray entry = QStringLiteral("Row %1: %2\nStartWeekDate: %3\n")
                           .arg(row)
                           .arg(reason, key.isNull() ? QStringLiteral("(none)") : key)
                           .toUtf8();
    if (text)
        entry += "WeekData (" + QByteArray::number(text->size()) + " bytes of UTF-8):\n" + *text +
                 "\n\n";
    else
        entry += "WeekData: (none)\n\n";
    return m_file->write(entry) == entry.size();
}

bool RowReport::flush()
{
    return !m_file || m_file->flush();
}

bool RowReport::commit()
{
    if (!m_file)
        return true;
    const bool committed = m_file->commit();
    m_file.reset();
    return committed;
}

void RowReport::discard()
{
    m_file.reset(); // QSaveFile removes its temporary file
}
