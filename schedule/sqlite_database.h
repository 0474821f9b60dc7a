#pragma once

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <sqlite3.h>

// SQLite's own interface, each handle owned by the object that made it. Every reader and writer
// of the calendar's files goes through it: nothing loads a database plug-in, and an error keeps
// SQLite's exact code beside its message.
namespace Sqlite {

// One connection to one file.
class Database
{
public:
    Database() = default;
    ~Database() { close(); }
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Opens the existing file `path`, read-write or read-only; never creates one. A statement
    // waits a few seconds for another program's lock before it fails.
    bool openExisting(const QString &path, bool readOnly);
    // Opens `path` read-write, creating the file where there is none.
    bool openOrCreate(const QString &path);
    bool isOpen() const { return m_db != nullptr; }
    void close();

    // Runs `sql`, which returns no rows that matter.
    bool execute(const char *sql);

    // Whether the open file keeps its text in UTF-8, SQLite's usual encoding, where bytes are
    // stored as they stand; another tool may have made it in UTF-16. Asked of the file once.
    bool keepsUtf8Text() const;

    sqlite3 *handle() const { return m_db; }
    // The last error's extended result code, and its primary code alone.
    int errorCode() const;
    int primaryErrorCode() const { return errorCode() & 0xff; }
    // The last error as SQLite words it ("no such table: tblCalendar").
    QString errorMessage() const;

private:
    bool open(const QByteArray &name, int flags);

    sqlite3 *m_db = nullptr;
    int m_openCode = SQLITE_OK;             // why the last open failed, where it made no handle
    mutable std::optional<bool> m_utf8Text; // once asked
};

// One prepared statement, finalised when it goes; its parameters bound in order.
class Statement
{
public:
    Statement(const Database &db, const QByteArray &sql);
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool prepared() const { return m_stmt != nullptr; }

    void bind(const QString &text);
    // Bytes, bound as a BLOB.
    void bindBytes(QByteArrayView bytes);
    // UTF-8 text for a parameter the statement casts to TEXT ("CAST(? AS TEXT)"): where the file
    // keeps UTF-8, its bytes as a BLOB, which the cast makes TEXT as they stand, without SQLite
    // converting them from UTF-16 first; where the file keeps UTF-16, text.
    void bindUtf8Text(const QByteArray &utf8);
    void bindInteger(sqlite3_int64 value) { sqlite3_bind_int64(m_stmt, ++m_bound, value); }
    // Makes the statement ready to run again, its parameters to be bound anew.
    void reset();

    // A row (true), or the end or an error (false: done() tells which).
    bool next();
    // Runs a statement that returns no rows; true where it ran to its end.
    bool run() { return !next() && done(); }
    bool done() const { return m_code == SQLITE_DONE || m_code == SQLITE_ROW; }

    // A column as text: a BLOB's bytes taken as UTF-8, NULL as empty text.
    QString text(int column) const;
    // A column as UTF-8 bytes, as the file keeps them where it keeps UTF-8 (nothing converted);
    // NULL as none. Valid until the next step.
    QByteArrayView utf8(int column) const;
    sqlite3_int64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    bool isNull(int column) const { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }

private:
    const Database &m_database;
    sqlite3_stmt *m_stmt = nullptr;
    int m_code = SQLITE_OK;
    int m_bound = 0;
};

} // namespace Sqlite
