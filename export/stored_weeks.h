#pragma once

#include "schedule/sqlite_database.h"
#include "schedule/week_record.h"

#include <array>
#include <memory>
#include <optional>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <vector>

// Every stored week of a database, oldest first, read one at a time on a read-only connection of
// its own, in one read transaction (the weeks as of one moment). Where every key is the
// program's own "yyyy-MM-dd", the rows come through the key's index in order and nothing is
// held; where some are in another form ("MM/dd/yyyy"), the keys are read first and sorted by
// their day (a few bytes a week), never the texts. A week stored under several rows gives the
// row the window shows (the ISO key first, then the oldest row). Rows whose key names no day
// are passed over.
//
// Texts come as UTF-8, as most files keep them, so that writing them out in UTF-8 decodes
// nothing; bytes that are not UTF-8 come as the window would show them (U+FFFD).
class StoredWeeks
{
public:
    StoredWeeks();
    ~StoredWeeks();
    StoredWeeks(const StoredWeeks &) = delete;
    StoredWeeks &operator=(const StoredWeeks &) = delete;

    // False, with error(), when the file cannot be read as the calendar database.
    bool open(const QString &databasePath);
    // How many weeks there are, or a few more where weeks have more than one row or keys name
    // no day: for telling progress.
    qsizetype count() const { return m_count; }
    // The eight texts of a week in UTF-8, line breaks as stored; valid until the next call.
    using Texts = std::array<QByteArrayView, kWeekFieldCount>;

    // The next week's first day and texts. False at the end, or on an error, which error()
    // then tells.
    bool next(QDate &weekStart, Texts &texts);
    QString error() const { return m_error; }

private:
    struct Row
    {
        qint64 day;     // Julian day
        bool otherForm; // keyed in a form other than "yyyy-MM-dd"
        qint64 rowid;
    };
    void close();
    bool fail();
    bool readKeys(Sqlite::Statement &keys);
    // The record in the current row of `query`'s column `column`, as UTF-8.
    void takeRecord(const Sqlite::Statement &query, int column);

    Sqlite::Database m_db;
    std::unique_ptr<Sqlite::Statement> m_fetch;  // a row's record by its rowid, for sorted keys
    std::unique_ptr<Sqlite::Statement> m_stream; // every row in the key's order, for ISO keys only
    QString m_lastKey;                           // the stream's last key given
    qsizetype m_count = 0;
    std::vector<Row> m_rows;
    QByteArray m_record; // the week last read
    size_t m_next = 0;
    QString m_error;
};
