#pragma once

#include <optional>
#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// One journal entry (an iCalendar VJOURNAL) as a CalDAV server keeps it: what sync reads from
// a calendar object resource and writes into one. Built and read with libical.
struct JournalEntry
{
    QString uid;
    // DTSTART's day as written in its own time zone (a TZID's, UTC's for a "Z" time, as it
    // stands for a floating time or a date): never the day the moment falls on in UTC.
    QDate day;
    // DESCRIPTION exactly, its line breaks as LF; empty where the entry has none.
    QString description;
    // LAST-MODIFIED, else DTSTAMP, as UTC; invalid where the entry has neither.
    QDateTime modified;
};

namespace JournalEntries {

// The calendar object resource for one box: a VCALENDAR (VERSION 2.0, Orvanta's PRODID)
// holding one VJOURNAL with `uid`, DTSTAMP and LAST-MODIFIED at `stamp`, DTSTART;VALUE=DATE
// `day`, SUMMARY `summary` (left out where empty) and DESCRIPTION `text` exactly. Lines end in
// CR LF and are folded at 75 octets, never inside a character. Empty for a day that is invalid
// or outside the years 1 to 3000, which libical cannot write.
QByteArray build(const QString &uid, QDate day, const QString &summary, const QString &text,
                 const QDateTime &stamp);

// The first line of `text` that holds anything, trimmed and cut to 60 characters (an ellipsis
// after a cut): what a journal program lists an entry by.
QString summaryOf(const QString &text);

// What a calendar object resource holds, read with libical.
struct Reading
{
    // Every VJOURNAL in the resource with a UID and a DTSTART whose day is valid. Empty where
    // the resource holds none (an event, a task, anything else): sync never touches those.
    QList<JournalEntry> journals;
    // Whether the resource holds anything other than VJOURNALs (a VEVENT, a VTODO...), besides
    // time zones: such a resource is never deleted or rewritten by sync.
    bool holdsOtherComponents = false;
    // Empty, or why the bytes are no iCalendar object at all.
    QString error;
};
Reading read(QByteArrayView ics);

} // namespace JournalEntries
