#include "sync_state.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr const char *kSchema =
    "CREATE TABLE IF NOT EXISTS settings(key TEXT PRIMARY KEY, value TEXT);"
    "CREATE TABLE IF NOT EXISTS entries(href TEXT PRIMARY KEY, etag BLOB, kind INTEGER NOT NULL,"
    " day TEXT, box INTEGER, base TEXT);"
    "CREATE TABLE IF NOT EXISTS history(id INTEGER PRIMARY KEY, day TEXT NOT NULL,"
    " box INTEGER NOT NULL, at TEXT NOT NULL, why TEXT NOT NULL, before TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS history_day ON history(day);";

QString isoDay(QDate day)
{
    return day.toString(Qt::ISODate);
}

} // namespace

QString SyncState::pathFor(const QString &databasePath)
{
    const QFileInfo database(databasePath);
    return database.dir().filePath(database.completeBaseName() + QStringLiteral(".sync"));
}

bool SyncState::open(const QString &path)
{
    if (!m_db.openOrCreate(path))
        return fail(tr("opening %1").arg(QDir::toNativeSeparators(path)));
    // WAL: the window reads the state for its tooltip while a sync writes it. NORMAL: a commit
    // survives the program's crash at once, and only a power cut can lose the last few, which
    // leaves the state behind the server, and a sync behind repeats what it finds done.
    if (!m_db.execute("PRAGMA journal_mode=WAL") || !m_db.execute("PRAGMA synchronous=NORMAL") ||
        !m_db.execute(kSchema))
        return fail(tr("preparing %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool SyncState::fail(const QString &doing)
{
    m_error = tr("The sync's state file failed while %1: %2").arg(doing, m_db.errorMessage());
    return false;
}

QString SyncState::value(const char *key) const
{
    Sqlite::Statement query(m_db, "SELECT value FROM settings WHERE key = ?");
    query.bind(QLatin1String(key));
    return query.next() ? query.text(0) : QString();
}

bool SyncState::setValue(const char *key, const QString &value)
{
    Sqlite::Statement update(m_db, "INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)");
    update.bind(QLatin1String(key));
    update.bind(value);
    return update.run() || fail(tr("saving the account"));
}

SyncAccount SyncState::account() const
{
    SyncAccount account;
    account.server = QUrl(value("server"));
    account.user = value("user");
    account.calendar = QUrl(value("calendar"));
    account.pinnedCertificate = value("pinnedCertificate").toLatin1();
    account.plainHttpConfirmed = value("plainHttpConfirmed") == QLatin1String("yes");
    return account;
}

bool SyncState::setAccount(const SyncAccount &account)
{
    if (begin() && setValue("server", account.server.toString()) &&
        setValue("user", account.user) && setValue("calendar", account.calendar.toString()) &&
        setValue("pinnedCertificate", QString::fromLatin1(account.pinnedCertificate)) &&
        setValue("plainHttpConfirmed",
                 account.plainHttpConfirmed ? QStringLiteral("yes") : QStringLiteral("no")) &&
        commit())
        return true;
    abandon();
    return false;
}

QDateTime SyncState::lastSync() const
{
    return QDateTime::fromString(value("lastSync"), Qt::ISODate);
}

bool SyncState::setLastSync(const QDateTime &when)
{
    return setValue("lastSync", when.toUTC().toString(Qt::ISODate));
}

QList<QDate> SyncState::conflictDays() const
{
    QList<QDate> days;
    for (const QString &day : value("conflictDays").split(u' ', Qt::SkipEmptyParts))
        days.append(QDate::fromString(day, Qt::ISODate));
    return days;
}

bool SyncState::setConflictDays(const QList<QDate> &days)
{
    QStringList text;
    for (const QDate day : days)
        text.append(isoDay(day));
    return setValue("conflictDays", text.join(u' '));
}

QDateTime SyncState::waitingSince() const
{
    return QDateTime::fromString(value("waitingSince"), Qt::ISODate);
}

bool SyncState::setWaitingSince(const QDateTime &when)
{
    return setValue("waitingSince", when.isValid() ? when.toUTC().toString(Qt::ISODate)
                                                   : QString());
}

QHash<QString, KnownEntry> SyncState::entries() const
{
    QHash<QString, KnownEntry> known;
    Sqlite::Statement query(m_db, "SELECT href, etag, kind, day, box, base FROM entries");
    while (query.next()) {
        KnownEntry entry;
        entry.href = query.text(0);
        entry.etag = query.utf8(1).toByteArray();
        entry.kind = KnownEntry::Kind(query.integer(2));
        entry.day = QDate::fromString(query.text(3), Qt::ISODate);
        entry.box = int(query.integer(4));
        entry.base = query.text(5);
        known.insert(entry.href, entry);
    }
    return known;
}

bool SyncState::putEntry(const KnownEntry &entry)
{
    Sqlite::Statement update(m_db, "INSERT OR REPLACE INTO entries(href, etag, kind, day, box, "
                                   "base) VALUES(?, ?, ?, ?, ?, ?)");
    update.bind(entry.href);
    update.bindBytes(entry.etag);
    update.bindInteger(int(entry.kind));
    update.bind(isoDay(entry.day));
    update.bindInteger(entry.box);
    update.bind(entry.base);
    return update.run() || fail(tr("noting an entry"));
}

bool SyncState::removeEntry(const QString &href)
{
    Sqlite::Statement update(m_db, "DELETE FROM entries WHERE href = ?");
    update.bind(href);
    return update.run() || fail(tr("forgetting an entry"));
}

bool SyncState::forgetEntries()
{
    return (m_db.execute("DELETE FROM entries") && setToken(QString())) ||
           fail(tr("forgetting the calendar"));
}

bool SyncState::addHistory(const HistoryItem &item)
{
    Sqlite::Statement update(m_db,
                             "INSERT INTO history(day, box, at, why, before) VALUES(?, ?, ?, ?, ?)");
    update.bind(isoDay(item.day));
    update.bindInteger(item.box);
    update.bind(item.at.toUTC().toString(Qt::ISODate));
    update.bind(item.why);
    update.bind(item.before);
    return update.run() || fail(tr("keeping a replaced text"));
}

QList<HistoryItem> SyncState::history(QDate day) const
{
    QList<HistoryItem> items;
    Sqlite::Statement query(m_db,
                            "SELECT box, at, why, before FROM history WHERE day = ? ORDER BY id");
    query.bind(isoDay(day));
    while (query.next()) {
        HistoryItem item;
        item.day = day;
        item.box = int(query.integer(0));
        item.at = QDateTime::fromString(query.text(1), Qt::ISODate);
        item.why = query.text(2);
        item.before = query.text(3);
        items.append(item);
    }
    return items;
}

bool SyncState::begin()
{
    return m_db.execute("BEGIN IMMEDIATE") || fail(tr("starting a change"));
}

bool SyncState::commit()
{
    return m_db.execute("COMMIT") || fail(tr("ending a change"));
}

void SyncState::abandon()
{
    if (m_db.isOpen() && !sqlite3_get_autocommit(m_db.handle()))
        m_db.execute("ROLLBACK");
}
