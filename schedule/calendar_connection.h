#pragma once

#include <functional>
#include <optional>
#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include "sqlite_database.h"

// The one connection to the calendar database for the program's run, through SQLite's own
// interface: the window's start loads no database plug-in, and errors keep SQLite's codes.
//
// The file ships with the program: this class opens an existing file and never creates one,
// nor a table or a column. Each week is a row of tblCalendar keyed by its first day, which is
// stored as ISO 8601 text ("yyyy-MM-dd") and always passed as a bound value; a row keyed by the
// same day in another form ("MM/dd/yyyy", or with a zero time) is the week's too, and a save
// gives it the ISO key. Nothing enforces one row per day; reads and writes both take the first
// row, one with the ISO key before the others.
class CalendarConnection
{
    Q_DECLARE_TR_FUNCTIONS(CalendarConnection)

public:
    // What kind of thing went wrong last, for the caller to say what to do about it.
    enum class Problem { Other, InUse, Damaged, NotADatabase };

    CalendarConnection();
    ~CalendarConnection();
    CalendarConnection(const CalendarConnection &) = delete;
    CalendarConnection &operator=(const CalendarConnection &) = delete;

    // Opens the file read-write. Fails with a message naming the file when it is missing, is
    // held by another program (after waiting as a save does), is damaged, is not an SQLite
    // database, has no tblCalendar with its two columns, or keeps a trigger on tblCalendar.
    bool open(const QString &databasePath);
    bool isOpen() const;
    void close();

    // The week's stored record in `record`, or nullopt when the week has no row. A NULL
    // WeekData reads as empty text. Returns false on a database error.
    bool loadWeekData(QDate firstDay, std::optional<QString> &record);

    // The records of the weeks whose first day lies from `first` to `last`, keyed in any form,
    // through the index on StartWeekDate in one query. Returns false on a database error.
    bool loadWeeksBetween(QDate first, QDate last, QList<std::pair<QDate, QString>> &weeks);

    // The newest week up to `day` (its first day no later) whose record holds text, by the
    // program's own keys; invalid where there is none. Returns false on a database error.
    bool newestWeekWithTextUpTo(QDate day, QDate &week);

    // Updates the week's first row, or adds one, in one transaction: the row is either
    // written whole or left as it was. `record` is UTF-8 text (encodeWeekRecord's).
    bool saveWeekData(QDate firstDay, const QByteArray &record);
    // Reads and rewrites weeks in one transaction that no other writer can come between:
    // `change` is given each week's stored record (nullopt where it has no row) and returns the
    // record to write (UTF-8), or nullopt to leave the week as it is. For a writer beside the
    // window (sync), which must not write over a save made since it read.
    using WeekChange = std::function<std::optional<QByteArray>(QDate, const std::optional<QString> &)>;
    bool updateWeeks(const QList<QDate> &weeks, const WeekChange &change);

    // What went wrong last, for a person to read, and what kind of thing it was.
    QString lastError() const { return m_lastError; }
    Problem lastProblem() const { return m_lastProblem; }

    // How SQLite finds a week: the steps of its query plan, one a line.
    QString weekLookupPlan() const;
    // What the connection's setting `pragma` (journal_mode, synchronous, ...) is; empty where
    // there is none.
    QString setting(const char *pragma) const;

private:
    bool fail(const QString &problem, Problem kind = Problem::Other);
    // Says what SQLite's last error means for the user's file, `doing` what.
    bool failWith(const QString &doing);
    bool failWith(int code, const QString &message, const QString &doing);
    bool openFile(const QString &absolutePath);
    bool checkTable();
    // Writes one week inside the transaction the caller began.
    bool writeWeek(QDate firstDay, const QByteArray &record);
    bool failSave();

    Sqlite::Database m_db;
    QString m_displayPath;
    QString m_lastError;
    Problem m_lastProblem = Problem::Other;
};
