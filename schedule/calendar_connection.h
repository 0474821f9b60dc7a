#pragma once

#include <optional>
#include <QByteArray>
#include <QDate>
#include <QString>

// The one connection to the calendar database for the program's run.
//
// The file ships with the program: this class opens an existing file and never creates one,
// nor a table or a column. Each week is a row of tblCalendar keyed by its first day, which is
// stored as ISO 8601 text ("yyyy-MM-dd") and always passed as a bound value. Nothing
// enforces one row per day; reads and writes both take the first row in table order.
class CalendarConnection
{
public:
    CalendarConnection();
    ~CalendarConnection();
    CalendarConnection(const CalendarConnection &) = delete;
    CalendarConnection &operator=(const CalendarConnection &) = delete;

    // Opens the file read-write. Fails with a message naming the file when it is missing,
    // is not an SQLite database, has no tblCalendar with its two columns, or keeps a trigger
    // on tblCalendar.
    bool open(const QString &databasePath);
    bool isOpen() const;
    void close();

    // The week's stored record in `record`, or nullopt when the week has no row. A NULL
    // WeekData reads as empty text. Returns false on a database error.
    bool loadWeekData(QDate firstDay, std::optional<QString> &record);

    // Updates the week's first row, or adds one, in one transaction: the row is either
    // written whole or left as it was. `record` is UTF-8 text (encodeWeekRecord's).
    bool saveWeekData(QDate firstDay, const QByteArray &record);

    // What went wrong last, for a person to read.
    QString lastError() const { return m_lastError; }

private:
    bool fail(const QString &problem);
    bool openFile(const QString &absolutePath);
    bool checkTable();

    QString m_connectionName;
    QString m_displayPath;
    QString m_lastError;
    bool m_utf8Text = true; // the file keeps its text in UTF-8, SQLite's usual encoding
};
