// orvanta-jet-reader FILE: writes the rows of tblCalendar in a Jet or ACE file on standard
// output as JetReaderStream records. Orvanta runs it as a process of its own, with a time and
// a memory limit, so that a damaged or crafted file can end only this program.
#include "calendar_table_reader.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

bool writeAll(const QByteArray &bytes)
{
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
}

} // namespace

int main(int argc, char **argv)
{
    // --dates-only: every row without its text, for a quick first look.
    const bool datesOnly = argc == 3 && std::strcmp(argv[1], "--dates-only") == 0;
    if (argc != 2 && !datesOnly) {
        std::fputs("usage: orvanta-jet-reader [--dates-only] FILE\n", stderr);
        return 64;
    }
    CalendarTableReader reader;
    if (const int status = reader.open(argv[argc - 1]); status != 0) {
        std::fprintf(stderr, "%s\n", reader.error().c_str());
        return status;
    }
    quint32 rows = 0;
    bool written = writeAll(QByteArray(JetReaderStream::kMagic, 4));
    const bool read = written && reader.readRows(
                                     [&](const JetReaderStream::Row &row) {
                                         ++rows;
                                         return written = writeAll(JetReaderStream::rowRecord(row));
                                     },
                                     !datesOnly);
    if (!written) // Orvanta stopped reading: nothing to tell
        return JetReaderStream::NotReadable;
    if (!read) {
        std::fprintf(stderr, "%s\n", reader.error().c_str());
        return JetReaderStream::NotReadable;
    }
    if (!writeAll(JetReaderStream::endRecord(rows)) || std::fflush(stdout) != 0)
        return JetReaderStream::NotReadable;
    return 0;
}
