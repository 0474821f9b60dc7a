#pragma once

#include "earlier_week_rows.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

// The weeks of the earlier Windows program, whose dbCalendar.mdb is a Jet or ACE file, brought
// into a new database of Orvanta's in its place. prepare() reads the file through
// orvanta-jet-reader (a process of its own, limited in time and memory) into a database under
// a temporary name, written, synced and checked; putInPlace() then keeps the original under a
// name of its own and puts the new database where the original was. The original is only ever
// read. Whatever happens between the steps, the folder holds the original as dbCalendar.mdb
// or the whole conversion, never neither and never part of one. No widgets.
class EarlierProgramConversion
{
public:
    struct Setup
    {
        QString databasePath;  // dbCalendar.mdb, a Jet or ACE file
        QString readerProgram; // orvanta-jet-reader
        // Called now and then while rows are read (at least once a second), with how many so
        // far; false stops the conversion (cancelled()), nothing changed.
        std::function<bool(qint64 rows)> progress = {};
        int timeLimitMs = 2 * 60 * 1000;
        qint64 memoryLimitBytes = qint64(2) << 30;
        // The file system's steps that tests replace (empty: the real ones): a file or folder
        // written through to the disk (syncToDisk), and a second name for a file (link(2):
        // 0, or its errno).
        std::function<bool(const QString &path)> sync = {};
        std::function<int(const QString &from, const QString &to)> hardLink = {};
    };
    // The moments between the steps of putInPlace(), for tests that end the process there.
    enum class Step { ReportWritten, OriginalKept, NewDatabasePlaced };

    explicit EarlierProgramConversion(Setup setup);
    ~EarlierProgramConversion(); // a prepared database not put in place is removed

    bool prepare();
    bool putInPlace(const std::function<void(Step)> &afterStep = {});

    // After prepare(): the weeks that come over, those whose key was read day first, and the
    // rows that cannot be weeks (kept in the report).
    qint64 weeks() const;
    qint64 dayFirstKeys() const;
    qint64 reportedRows() const;
    QString keptOriginalPath() const; // where the original is kept
    QString reportPath() const;       // empty without rows to report
    // Why the last step failed, in words for the user; the folder is as it was.
    QString errorText() const;
    bool cancelled() const;

    static QString temporaryPathFor(const QString &databasePath);
    // The name the original is kept under, the n-th where the ones before are taken.
    static QString keptOriginalPathFor(const QString &databasePath, int n = 1);
    // The name putInPlace() will keep the original under, as the folder stands now: the first
    // that is free or already this same file.
    static QString keepingPathFor(const QString &databasePath);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
