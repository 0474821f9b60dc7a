#include "calendar_table_reader.h"

// mdbtools.h uses glib's types without including its header.
#include <glib.h>
#include <mdbtools.h>

#include <QString>

#include <algorithm>
#include <cstring>
#include <strings.h>
#include <vector>

namespace {

constexpr guint16 kOffsetMask = 0x1fff;
// A row-offset word's flags: the slot points at a 4-byte pointer to the row on another page;
// the row was deleted.
constexpr guint16 kLookupFlag = 0x4000;
constexpr guint16 kDeletedFlag = 0x8000;
// A memo's 12-byte header: its length in the low 30 bits, then where it lies.
constexpr quint32 kMemoInline = 0x80000000u;
constexpr quint32 kMemoOnePage = 0x40000000u;
constexpr quint32 kMemoLengthMask = 0x3fffffffu;

quint32 le32(const unsigned char *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}
quint16 le16(const unsigned char *p)
{
    return quint16(p[0] | p[1] << 8);
}

} // namespace

struct CalendarTableReader::Impl
{
    MdbHandle *mdb = nullptr;
    MdbTableDef *table = nullptr;
    int dateColumn = -1; // index among the table's columns
    int textColumn = -1;

    ~Impl()
    {
        if (table)
            mdb_free_tabledef(table);
        if (mdb)
            mdb_close(mdb);
    }

    size_t slotAt(size_t slot) const { return size_t(mdb->fmt->row_count_offset) + 2 + 2 * slot; }
    size_t slotCount(const unsigned char *page) const
    {
        const size_t pageSize = size_t(mdb->fmt->pg_size);
        return std::min<size_t>(le16(page + mdb->fmt->row_count_offset),
                                (pageSize - slotAt(0)) / 2);
    }
    bool isDataPage() const
    {
        return mdb->pg_buf[0] == 0x01 && le32(mdb->pg_buf + 4) == table->entry->table_pg;
    }
    bool loadDataPage(guint32 number, std::string *error)
    {
        if (mdb->cur_pg == number && number != 0)
            return true; // still in the buffer: reading a memo leaves it there
        sortedStartsPage = 0;
        if (mdb_read_pg(mdb, number) != mdb->fmt->pg_size) {
            *error = "a page of its table cannot be read";
            return false;
        }
        return true;
    }

    // The row in the given slot of the given page of the table.
    bool readRow(guint32 pageNumber, size_t slot, bool withText, JetReaderStream::Row *row,
                 std::string *error)
    {
        if (!loadDataPage(pageNumber, error))
            return false;
        if (!isDataPage() || slot >= slotCount(mdb->pg_buf)) {
            *error = "a moved row's pointer leads to no row of its table";
            return false;
        }
        const unsigned char *buffer = mdb->pg_buf;
        // A row ends where the next row above it starts: rows moved within their page are no
        // longer in slot order, so the page's row starts are sorted, once a page.
        if (sortedStartsPage != pageNumber) {
            sortedStarts.resize(slotCount(buffer));
            for (size_t i = 0; i < sortedStarts.size(); ++i)
                sortedStarts[i] = le16(buffer + slotAt(i)) & kOffsetMask;
            std::sort(sortedStarts.begin(), sortedStarts.end());
            sortedStartsPage = pageNumber;
        }
        const size_t start = le16(buffer + slotAt(slot)) & kOffsetMask;
        const auto above = std::upper_bound(sortedStarts.begin(), sortedStarts.end(), start);
        const size_t end = above == sortedStarts.end() ? size_t(mdb->fmt->pg_size) : *above;
        if (start < slotAt(slotCount(buffer)) || start >= end) {
            *error = "a row lies outside its page";
            return false;
        }
        std::vector<MdbField> fields(table->num_cols);
        if (mdb_crack_row(table, int(start), end - start, fields.data()) < 0) {
            *error = "a row of its table cannot be read";
            return false;
        }
        const bool jet3 = mdb->f->jet_version == MDB_VER_JET3;
        for (const MdbField &field : fields) {
            if (field.is_null || field.siz < 0 || field.start < 0 ||
                size_t(field.start) + size_t(field.siz) > end)
                continue;
            const unsigned char *bytes = buffer + field.start;
            if (field.colnum == dateColumn && field.siz == 8) {
                double value;
                std::memcpy(&value, bytes, 8);
                row->date = value;
            } else if (field.colnum == textColumn && withText) {
                if (!memoBytes(bytes, size_t(field.siz), &memo, error))
                    return false;
                row->text =
                    JetFile::decodeText(QByteArrayView(reinterpret_cast<const char *>(memo.data()),
                                                       qsizetype(memo.size())),
                                        jet3);
                if (row->text->size() > qsizetype(JetReaderStream::kMaxTextBytes)) {
                    *error = "a memo is too long for a week";
                    return false;
                }
            }
        }
        return true;
    }

    std::vector<unsigned char> memo;
    std::vector<size_t> sortedStarts;
    guint32 sortedStartsPage = 0;

    // The bytes of the row at pg_row (page << 8 | row) of a long-value page; false where the
    // pointer leads nowhere.
    bool longValueRow(quint32 pgRow, const unsigned char **data, size_t *size)
    {
        void *buffer = nullptr;
        int offset = 0;
        size_t length = 0;
        if (mdb_find_pg_row(mdb, int(pgRow), &buffer, &offset, &length) != 0 || !buffer ||
            offset < 0 || size_t(offset) + length > size_t(mdb->fmt->pg_size))
            return false;
        *data = static_cast<const unsigned char *>(buffer) + offset;
        *size = length;
        return true;
    }

    // A memo's stored bytes, whole: inline, on one long-value page, or in a chain of them.
    bool memoBytes(const unsigned char *field, size_t fieldSize, std::vector<unsigned char> *out,
                   std::string *error)
    {
        if (fieldSize < 12) {
            *error = "a memo's header is cut short";
            return false;
        }
        const quint32 word = le32(field);
        const size_t length = word & kMemoLengthMask;
        if (length > JetReaderStream::kMaxStoredBytes) {
            *error = "a memo claims more than 64 MB";
            return false;
        }
        out->clear();
        if (word & kMemoInline) {
            if (length > fieldSize - 12) {
                *error = "a memo runs past its row";
                return false;
            }
            out->assign(field + 12, field + 12 + length);
            return true;
        }
        quint32 pointer = le32(field + 4);
        const unsigned char *data = nullptr;
        size_t size = 0;
        if (word & kMemoOnePage) {
            if (!longValueRow(pointer, &data, &size) || size < length) {
                *error = "a memo's page cannot be read";
                return false;
            }
            out->assign(data, data + length);
            return true;
        }
        // A chain: each part starts with the pointer to the next. Bounded by the length, so
        // that a chain that loops ends.
        out->reserve(length);
        while (out->size() < length) {
            if (pointer == 0 || !longValueRow(pointer, &data, &size) || size < 4) {
                *error = "a memo's chain of pages is broken";
                return false;
            }
            pointer = le32(data);
            const size_t part = std::min(size - 4, length - out->size());
            if (part == 0) {
                *error = "a memo's chain of pages is broken";
                return false;
            }
            out->insert(out->end(), data + 4, data + 4 + part);
        }
        return true;
    }
};

CalendarTableReader::CalendarTableReader() : d(std::make_unique<Impl>()) {}
CalendarTableReader::~CalendarTableReader() = default;

int CalendarTableReader::open(const char *path)
{
    d->mdb = mdb_open(path, MDB_NOFLAGS); // read-only
    if (!d->mdb || !d->mdb->fmt || d->mdb->fmt->pg_size <= 0) {
        m_error = "it is not a database of Microsoft Jet or ACE";
        return JetReaderStream::NotReadable;
    }
    if (!mdb_read_catalog(d->mdb, MDB_TABLE)) {
        m_error = "its list of tables cannot be read";
        return JetReaderStream::NotReadable;
    }
    MdbCatalogEntry *entry = nullptr;
    for (guint i = 0; i < d->mdb->num_catalog; ++i) {
        auto *candidate = static_cast<MdbCatalogEntry *>(g_ptr_array_index(d->mdb->catalog, i));
        if (candidate->object_type == MDB_TABLE &&
            strcasecmp(candidate->object_name, "tblCalendar") == 0) {
            entry = candidate;
            break;
        }
    }
    if (!entry) {
        m_error = "it has no table tblCalendar";
        return JetReaderStream::NoCalendarTable;
    }
    d->table = mdb_read_table(entry);
    if (!d->table || !mdb_read_columns(d->table)) {
        m_error = "its table tblCalendar cannot be read";
        return JetReaderStream::NotReadable;
    }
    for (guint i = 0; i < d->table->num_cols; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(d->table->columns, i));
        if (strcasecmp(column->name, "StartWeekDate") == 0 && column->col_type == MDB_DATETIME)
            d->dateColumn = int(i);
        else if (strcasecmp(column->name, "WeekData") == 0 && column->col_type == MDB_MEMO)
            d->textColumn = int(i);
    }
    if (d->dateColumn < 0 || d->textColumn < 0) {
        m_error = "its table tblCalendar has no columns StartWeekDate (Date/Time) and "
                  "WeekData (Memo)";
        return JetReaderStream::OtherColumns;
    }
    return 0;
}

bool CalendarTableReader::readRows(const std::function<bool(const JetReaderStream::Row &)> &onRow,
                                   bool withTexts)
{
    MdbHandle *mdb = d->mdb;
    MdbTableDef *table = d->table;
    quint32 rowNumber = 0;
    guint32 previous = 0;
    std::vector<unsigned char> page;
    // The table's pages in its usage map's order, each once and ascending.
    for (gint32 pageNumber = mdb_map_find_next(mdb, table->usage_map, guint(table->map_sz), 0);
         pageNumber > 0; pageNumber = mdb_map_find_next(mdb, table->usage_map, guint(table->map_sz),
                                                        guint32(pageNumber))) {
        if (guint32(pageNumber) <= previous) {
            m_error = "its table's list of pages goes back on itself";
            return false;
        }
        previous = guint32(pageNumber);
        if (!d->loadDataPage(guint32(pageNumber), &m_error))
            return false;
        if (!d->isDataPage())
            continue;
        // Kept, since following a moved row loads its page.
        page.assign(mdb->pg_buf, mdb->pg_buf + mdb->fmt->pg_size);
        const size_t slotCount = d->slotCount(page.data());
        for (size_t slot = 0; slot < slotCount; ++slot) {
            const guint16 word = le16(page.data() + d->slotAt(slot));
            // A deleted row, or the place a moved row was moved to, which only its pointer
            // leads to.
            if (word & kDeletedFlag)
                continue;
            guint32 rowPage = guint32(pageNumber);
            size_t rowSlot = slot;
            if (word & kLookupFlag) {
                // The slot holds a pointer to the row: its slot in the low byte, its page above.
                const size_t at = word & kOffsetMask;
                if (at + 4 > page.size()) {
                    m_error = "a moved row's pointer lies outside its page";
                    return false;
                }
                const quint32 pointer = le32(page.data() + at);
                rowPage = pointer >> 8;
                rowSlot = pointer & 0xff;
            }
            JetReaderStream::Row row;
            row.number = ++rowNumber;
            if (!d->readRow(rowPage, rowSlot, withTexts, &row, &m_error))
                return false;
            if (!onRow(row))
                return true;
        }
    }
    return true;
}
