#include "sqlite_database.h"

#include "calendar_files.h"

#include <QFile>

namespace Sqlite {

bool Database::openExisting(const QString &path, bool readOnly)
{
    return open(existingFileUri(path, readOnly).toUtf8(),
                (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI);
}

bool Database::openOrCreate(const QString &path)
{
    return open(QFile::encodeName(path), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool Database::open(const QByteArray &name, int flags)
{
    close();
    m_openCode = sqlite3_open_v2(name.constData(), &m_db, flags, nullptr);
    if (m_openCode != SQLITE_OK) {
        // A handle that failed to open still holds why; the reason is kept once it is closed.
        m_openCode = m_db ? sqlite3_extended_errcode(m_db) : m_openCode;
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3_extended_result_codes(m_db, 1);
    // Another program holding the file gets a few seconds to let go before a statement fails.
    sqlite3_busy_timeout(m_db, 3000);
    return true;
}

void Database::close()
{
    // Every statement is finalised where it was made; a close that still fails leaves nothing
    // to retry, so the handle goes either way.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_utf8Text.reset();
}

bool Database::execute(const char *sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool Database::keepsUtf8Text() const
{
    if (m_utf8Text)
        return *m_utf8Text;
    // A file that cannot say now is asked again next time; text, its answer meanwhile, is
    // stored right in either encoding.
    Statement encoding(*this, "PRAGMA encoding");
    if (!encoding.next())
        return false;
    m_utf8Text = encoding.text(0) == QLatin1String("UTF-8");
    return *m_utf8Text;
}

int Database::errorCode() const
{
    return m_db ? sqlite3_extended_errcode(m_db) : m_openCode;
}

QString Database::errorMessage() const
{
    return QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(m_openCode));
}

Statement::Statement(const Database &db, const QByteArray &sql) : m_database(db)
{
    m_code = sqlite3_prepare_v2(db.handle(), sql.constData(), int(sql.size()), &m_stmt, nullptr);
}

void Statement::bind(const QString &text)
{
    sqlite3_bind_text16(m_stmt, ++m_bound, text.utf16(), int(text.size() * sizeof(char16_t)),
                        SQLITE_TRANSIENT);
}

void Statement::bindBytes(QByteArrayView bytes)
{
    sqlite3_bind_blob64(m_stmt, ++m_bound, bytes.data(), sqlite3_uint64(bytes.size()),
                        SQLITE_TRANSIENT);
}

void Statement::bindUtf8Text(const QByteArray &utf8)
{
    if (m_database.keepsUtf8Text())
        bindBytes(utf8);
    else
        bind(QString::fromUtf8(utf8));
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_bound = 0;
    m_code = SQLITE_OK;
}

bool Statement::next()
{
    m_code = sqlite3_step(m_stmt);
    return m_code == SQLITE_ROW;
}

QString Statement::text(int column) const
{
    if (sqlite3_column_type(m_stmt, column) == SQLITE_BLOB)
        return QString::fromUtf8(static_cast<const char *>(sqlite3_column_blob(m_stmt, column)),
                                 sqlite3_column_bytes(m_stmt, column));
    const void *text = sqlite3_column_text16(m_stmt, column);
    return text ? QString::fromUtf16(static_cast<const char16_t *>(text),
                                     sqlite3_column_bytes16(m_stmt, column) / 2)
                : QString();
}

QByteArrayView Statement::utf8(int column) const
{
    // A BLOB's bytes as they stand: asked for as text, SQLite would take them to be in the
    // file's encoding, which in a UTF-16 file turns UTF-8 bytes into nonsense. Text in a UTF-8
    // file comes as stored; text in a UTF-16 file converted.
    if (sqlite3_column_type(m_stmt, column) == SQLITE_BLOB)
        return QByteArrayView(static_cast<const char *>(sqlite3_column_blob(m_stmt, column)),
                              sqlite3_column_bytes(m_stmt, column));
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return bytes ? QByteArrayView(bytes, sqlite3_column_bytes(m_stmt, column)) : QByteArrayView();
}

} // namespace Sqlite
