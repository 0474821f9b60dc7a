#pragma once

#include "dav_client.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The CalDAV requests sync sends, and how it names the resources it keeps.
namespace CalDav {

// A resource's key: its path on the server, percent-decoded, whatever form of href the
// server wrote (a path or a whole URL, encoded or not).
QString hrefKey(const QUrl &calendar, const QString &href);
// The URL of the resource whose key is `key`.
QUrl urlOf(const QUrl &calendar, const QString &key);

// The UID of a box's entry: the week's Sunday (yyyyMMdd) and its day 1-7, or "notes".
QString uidOf(QDate week, int box);
// The week and box (0-7) a UID of ours names; false for another program's UID.
bool boxOfUid(const QString &uid, QDate &week, int &box);
// The key of a new entry for the box: a file named by its UID in the calendar.
QString newEntryKey(const QUrl &calendar, QDate week, int box);

// PROPFIND with the properties discovery and listing use.
DavRequest propfind(const QUrl &url, int depth, const QStringList &properties);
// REPORT sync-collection from `token` (empty: everything), asking for ETags and, where
// `withEntries`, the entries.
DavRequest syncCollection(const QUrl &calendar, const QString &token, bool withEntries = true);
// REPORT calendar-multiget for the keys' entries with their ETags.
DavRequest multiget(const QUrl &calendar, const QStringList &keys);
// PUT of an entry: If-None-Match: * where `etag` is empty and it is new, else If-Match.
DavRequest put(const QUrl &url, const QByteArray &ics, const QByteArray &etag, bool isNew);
DavRequest remove(const QUrl &url, const QByteArray &etag);
DavRequest get(const QUrl &url);
// MKCALENDAR for a calendar of journal entries only, named `name`.
DavRequest makeJournalCalendar(const QUrl &url, const QString &name);

} // namespace CalDav
