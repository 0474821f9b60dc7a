#pragma once

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QString>

#include <functional>

// The weeks of another file brought into an Orvanta database without losing a word: the
// earlier Windows program's Jet or ACE file (read through orvanta-jet-reader, as the
// conversion reads it) or another Orvanta database (read-only), told apart by their headers.
// A week only in the file comes over as it is; one the database holds with the same texts
// stays as it is; one whose texts differ holds both afterwards (WeekMerge), so importing the
// same file again adds nothing. Everything is written in one transaction: a failure or a
// cancel at any point leaves the database as it was, and the file is only ever read. Rows of
// the file that cannot be weeks are counted, and written whole to a report beside the
// database. No widgets; the caller holds the database's lock.
namespace WeekImport {

struct Setup
{
    QString databasePath;  // the Orvanta database the weeks come into
    QString filePath;      // the file they come from
    QString readerProgram; // orvanta-jet-reader, for the earlier program's files
    QDate day;             // the import's day, which the lines between merged texts name
    // Called now and then while the file is read (at least once a second for the earlier
    // program's files), with the rows read so far; false cancels, nothing changed.
    std::function<bool(qint64 rows)> progress = {};
    int timeLimitMs = 2 * 60 * 1000;           // for the reader
    qint64 memoryLimitBytes = qint64(2) << 30; // for the reader
};

struct Result
{
    bool ok = false;
    bool cancelled = false;
    QString error; // why nothing was changed, in words for the user

    qint64 came = 0;          // weeks the database did not hold, or held empty
    qint64 merged = 0;        // weeks that held text in both and now hold both
    qint64 same = 0;          // weeks the database already held as they are in the file
    QList<QDate> mergedWeeks; // the Sundays of the merged weeks, oldest first
    // The rows of the file that cannot be weeks (by their number in the file: the row's place
    // in an earlier program's file, the rowid in an Orvanta database), and the report that
    // gives each whole; empty without such rows.
    QList<qint64> rowsNotWeeks;
    QString reportPath;
};

Result importWeeks(const Setup &setup);

// Where the rows of `filePath` that cannot be weeks are written: beside the database,
// "dbCalendar rows not imported from old.mdb.txt".
QString reportPathFor(const QString &databasePath, const QString &filePath);

// The result in one message for the user: how many weeks came, how many were merged and which
// (up to `listed` of them named, the rest counted), or why nothing was changed.
QString describe(const Result &result, const QString &filePath, int listed = 20);

} // namespace WeekImport

Q_DECLARE_METATYPE(WeekImport::Result)
