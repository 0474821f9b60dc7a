#pragma once

#include "schedule/week_record.h"

#include <memory>
#include <QDate>
#include <QString>
#include <vector>

class QSqlQuery;

// Every stored week of a database, oldest first, read one at a time on a read-only connection of
// its own that takes no lock: only the keys are held, never all the texts. A week stored under
// several rows gives the row the window shows (the ISO key first, then the oldest row), and a
// week keyed in another form ("MM/dd/yyyy") comes under its day. Rows whose key names no day are
// passed over.
class StoredWeeks
{
public:
    StoredWeeks();
    ~StoredWeeks();
    StoredWeeks(const StoredWeeks &) = delete;
    StoredWeeks &operator=(const StoredWeeks &) = delete;

    // False, with error(), when the file cannot be read as the calendar database.
    bool open(const QString &databasePath);
    qsizetype count() const { return qsizetype(m_rows.size()); }
    // The next week's first day and texts (line breaks as stored). False at the end, or on an
    // error, which error() then tells.
    bool next(QDate &weekStart, WeekTexts &texts);
    QString error() const { return m_error; }

private:
    struct Row
    {
        qint64 day;     // Julian day
        bool otherForm; // keyed in a form other than "yyyy-MM-dd"
        qint64 rowid;
    };
    void close();

    QString m_connectionName;
    std::unique_ptr<QSqlQuery> m_fetch;
    std::vector<Row> m_rows;
    size_t m_next = 0;
    QString m_error;
};
