#pragma once

#include "jet_file.h"

#include <functional>
#include <memory>
#include <string>

// tblCalendar of a Jet or ACE file, read through libmdb (mdbtools) without the faults of its
// 1.0 version: rows are found on their pages by this code (a row moved within its page, or
// deleted, is taken as the format says), dates are read as the stored number, memos whole and
// of any length, and texts decoded here, characters outside the Basic Multilingual Plane too.
// libmdb was not written for hostile files: run this only in a process of its own
// (orvanta-jet-reader), with limits.
class CalendarTableReader
{
public:
    CalendarTableReader();
    ~CalendarTableReader();

    // NotReadable, NoCalendarTable or OtherColumns (JetReaderStream::ExitCode) or 0, with what
    // went wrong in error().
    int open(const char *path);
    // Calls onRow for each live row in the file's row order until it returns false. False where
    // the file could not be read to its end (error() says why).
    bool readRows(const std::function<bool(const JetReaderStream::Row &)> &onRow,
                  bool withTexts = true);
    const std::string &error() const { return m_error; }

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    std::string m_error;
};
