#pragma once
// Small Jet 3 (Access 97) and Jet 4 (Access 2000) files made byte by byte from mdbtools' notes
// on the format (HACKING.md): page 0, MSysObjects with the one row that names tblCalendar,
// tblCalendar's definition, the tables' usage maps, tblCalendar's data pages, each slot of
// which the test chooses (a row, a deleted row, or a pointer to a row moved elsewhere), and
// long-value pages for memos that are not kept in their row. Enough for libmdb and
// orvanta-jet-reader, not for Access: no indexes.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>
#include <optional>

namespace JetFileBuilder {

enum class Version { Jet3, Jet4 };

// The page where the pages added begin, in the order they are added.
inline constexpr quint32 kFirstDataPage = 6;

struct Row
{
    std::optional<double> date;
    std::optional<QByteArray> memo; // its stored bytes (Jet 3: the code page; Jet 4: UTF-16LE)
    int memoLengthClaimed = -1;     // what its header says, where not its length
    // Where the memo lies where not in the row (page << 8 | row of a long-value page), and
    // whether it goes on from there in a chain.
    std::optional<quint32> memoAt = std::nullopt;
    bool memoChained = false;
    std::optional<QByteArray> memoField = std::nullopt; // the field's bytes, where not a memo's
};

struct Slot
{
    enum class Kind { Live, Deleted, Moved };
    Kind kind = Kind::Live;
    std::optional<Row> row; // a deleted slot without one takes no bytes
    quint32 movedTo = 0;    // Moved: page << 8 | slot
};

// A memo's bytes as the version stores them.
inline QByteArray storedText(Version version, const QString &text)
{
    if (version == Version::Jet3)
        return text.toLatin1(); // tests keep to characters that are the same in 1252
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

class Builder
{
public:
    explicit Builder(Version version) : m_version(version) {}

    // Adds a data page of tblCalendar, whose header may claim another number of slots;
    // returns its number.
    quint32 addPage(const QList<Slot> &pageSlots, int claimedSlots = -1)
    {
        m_pages.append({pageSlots, {}, claimedSlots});
        return kFirstDataPage + quint32(m_pages.size() - 1);
    }
    // Adds a long-value page with these rows (a chain's parts start with the next part's
    // page << 8 | row, 0 at the end); returns its number.
    quint32 addLongValuePage(const QList<QByteArray> &rows)
    {
        m_pages.append({{}, rows, -1, true});
        return kFirstDataPage + quint32(m_pages.size() - 1);
    }

    // Pages the table's usage map lists besides those added (past the file's end, say).
    void alsoMap(quint32 page) { m_alsoMapped.append(page); }

    QByteArray file() const
    {
        QByteArray out = headerPage();
        out += page(); // page 1, the database's own usage map: not read
        out += tableDefinition(kSystemColumns, 0x53, kMapsPage << 8 | 0, kMapsPage << 8 | 1);
        QByteArray objectsMap = usageMap({kObjectsPage});
        QList<quint32> dataPages = m_alsoMapped;
        for (qsizetype i = 0; i < m_pages.size(); ++i) {
            if (!m_pages[i].longValue)
                dataPages.append(kFirstDataPage + quint32(i));
        }
        out += dataPage(le32(0), {objectsMap, usageMap({}), usageMap(dataPages), usageMap({})});
        // MSysObjects' one row: Id (tblCalendar's definition page), Name, Type 1 (a table),
        // Flags 0, LvProp null.
        const QByteArray objectRow = encodeRow(kSystemColumns, {le32(kCalendarDefinition),
                                                                text(QStringLiteral("tblCalendar")),
                                                                le16(1), le32(0), std::nullopt});
        out += dataPage(le32(kObjectsDefinition), {objectRow});
        out += tableDefinition(kCalendarColumns, 0x4e, kMapsPage << 8 | 2, kMapsPage << 8 | 3);
        for (const Page &added : m_pages) {
            if (added.longValue) {
                out += dataPage(QByteArray("LVAL"), added.rows);
                continue;
            }
            QList<QByteArray> rows;
            QList<quint16> flags;
            for (const Slot &slot : added.cells) {
                if (slot.kind == Slot::Kind::Moved) {
                    rows.append(le32(slot.movedTo));
                    flags.append(0x4000);
                    continue;
                }
                rows.append(slot.row ? calendarRow(*slot.row) : QByteArray());
                flags.append(slot.kind == Slot::Kind::Deleted ? 0x8000 : 0);
            }
            out += dataPage(le32(kCalendarDefinition), rows, flags, added.claimedSlots);
        }
        return out;
    }

private:
    struct Column
    {
        quint8 type;
        const char *name;
        int fixedSize; // 0: variable
    };
    struct Page
    {
        QList<Slot> cells;
        QList<QByteArray> rows; // a long-value page's
        int claimedSlots = -1;
        bool longValue = false;
    };
    static constexpr quint32 kObjectsDefinition = 2, kMapsPage = 3, kObjectsPage = 4,
                             kCalendarDefinition = 5;
    static inline const QList<Column> kSystemColumns = {{0x04, "Id", 4},
                                                        {0x0A, "Name", 0},
                                                        {0x03, "Type", 2},
                                                        {0x04, "Flags", 4},
                                                        {0x0B, "LvProp", 0}};
    static inline const QList<Column> kCalendarColumns = {{0x08, "StartWeekDate", 8},
                                                          {0x0C, "WeekData", 0}};

    bool jet3() const { return m_version == Version::Jet3; }
    int pageSize() const { return jet3() ? 2048 : 4096; }
    int rowCountOffset() const { return jet3() ? 0x08 : 0x0c; }

    static QByteArray le16(quint32 v)
    {
        const char bytes[] = {char(v), char(v >> 8)};
        return QByteArray(bytes, 2);
    }
    static QByteArray le32(quint32 v) { return le16(v & 0xffff) + le16(v >> 16); }
    static void put(QByteArray &at, int offset, const QByteArray &bytes)
    {
        at.replace(offset, bytes.size(), bytes);
    }
    QByteArray page() const { return QByteArray(pageSize(), '\0'); }
    QByteArray text(const QString &s) const { return storedText(m_version, s); }
    // Offsets within a row: one byte in Jet 3, two in Jet 4.
    QByteArray rowNumber(quint32 v) const { return jet3() ? QByteArray(1, char(v)) : le16(v); }

    // Page 0: the name, the version, and the part that RC4 hides, which reads as zeros (no
    // database key, so no page is encrypted).
    QByteArray headerPage() const
    {
        QByteArray out = page();
        put(out, 0, QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20));
        out[0x14] = jet3() ? 0 : 1;
        const QByteArray hidden =
            rc4KeyStream(QByteArray("\xC7\xDA\x39\x6B", 4), jet3() ? 126 : 128);
        put(out, 0x18, hidden);
        return out;
    }
    static QByteArray rc4KeyStream(const QByteArray &key, int length)
    {
        unsigned char s[256];
        for (int i = 0; i < 256; ++i)
            s[i] = static_cast<unsigned char>(i);
        for (int i = 0, j = 0; i < 256; ++i) {
            j = (j + s[i] + static_cast<unsigned char>(key[i % key.size()])) % 256;
            std::swap(s[i], s[j]);
        }
        QByteArray out;
        for (int n = 0, i = 0, j = 0; n < length; ++n) {
            i = (i + 1) % 256;
            j = (j + s[i]) % 256;
            std::swap(s[i], s[j]);
            out.append(char(s[(s[i] + s[j]) % 256]));
        }
        return out;
    }

    // A usage map of type 0: the pages given, counted from page 0.
    QByteArray usageMap(const QList<quint32> &pages) const
    {
        QByteArray bitmap(jet3() ? 128 : 64, '\0');
        for (const quint32 p : pages)
            bitmap[p / 8] = char(bitmap[p / 8] | (1 << (p % 8)));
        return QByteArray(1, '\0') + le32(0) + bitmap;
    }

    // A data page of the table defined at the page `owner` names (or "LVAL"): rows from the
    // page's end down, in slot order, each slot's word its row's start with `flags`.
    QByteArray dataPage(const QByteArray &owner, const QList<QByteArray> &rows,
                        const QList<quint16> &flags = {}, int claimedSlots = -1) const
    {
        QByteArray out = page();
        out[0] = 0x01;
        out[1] = 0x01;
        put(out, 4, owner);
        put(out, rowCountOffset(),
            le16(quint32(claimedSlots >= 0 ? claimedSlots : int(rows.size()))));
        int end = pageSize();
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const int start = end - int(rows[i].size());
            put(out, start, rows[i]);
            put(out, rowCountOffset() + 2 + 2 * int(i),
                le16(quint32(start) | (i < flags.size() ? flags[i] : 0)));
            end = start;
        }
        put(out, 2, le16(quint32(end - (rowCountOffset() + 2 + 2 * int(rows.size())))));
        return out;
    }

    QByteArray tableDefinition(const QList<Column> &columns, quint8 type, quint32 usage,
                               quint32 free) const
    {
        QByteArray out = page();
        out[0] = 0x02;
        out[1] = 0x01;
        if (jet3())
            put(out, 2, QByteArray("VC"));
        const int block = 8; // after the page's own header
        const int tableType = jet3() ? block + 12 : block + 32;
        int variable = 0;
        for (const Column &c : columns)
            variable += c.fixedSize == 0;
        out[tableType] = char(type);
        put(out, tableType + 1, le16(quint32(columns.size())));
        put(out, tableType + 3, le16(quint32(variable)));
        put(out, tableType + 5, le16(quint32(columns.size())));
        put(out, tableType + 15, le32(usage));
        put(out, tableType + 19, le32(free));
        int at = tableType + 23;
        int fixedOffset = 0, variableNumber = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const Column &c = columns[i];
            QByteArray entry(jet3() ? 18 : 25, '\0');
            const int number = jet3() ? 1 : 5;
            entry[0] = char(c.type);
            put(entry, number, le16(quint32(i)));
            put(entry, number + 2, le16(quint32(c.fixedSize ? 0 : variableNumber++)));
            put(entry, number + 4, le16(quint32(i)));
            entry[jet3() ? 13 : 15] = char(c.fixedSize ? 0x03 : 0x02);
            put(entry, jet3() ? 14 : 21, le16(quint32(c.fixedSize ? fixedOffset : 0)));
            put(entry, jet3() ? 16 : 23, le16(quint32(c.fixedSize)));
            fixedOffset += c.fixedSize;
            put(out, at, entry);
            at += int(entry.size());
        }
        for (const Column &c : columns) {
            const QByteArray name = text(QString::fromLatin1(c.name));
            const QByteArray length =
                jet3() ? QByteArray(1, char(name.size())) : le16(quint32(name.size()));
            put(out, at, length + name);
            at += int(length.size() + name.size());
        }
        put(out, block, le32(quint32(at - block)));
        return out;
    }

    // A row: its column count, the fixed columns in order, the variable ones, the end of
    // their data, their starts last first, their count, the null mask. A null column is
    // nullopt: a fixed one keeps its bytes, unread.
    QByteArray encodeRow(const QList<Column> &columns,
                         const QList<std::optional<QByteArray>> &values) const
    {
        QByteArray out = rowNumber(quint32(columns.size()));
        QByteArray mask((columns.size() + 7) / 8, '\0');
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (values[i])
                mask[i / 8] = char(mask[i / 8] | (1 << (i % 8)));
            if (columns[i].fixedSize)
                out += values[i].value_or(QByteArray(columns[i].fixedSize, '\0'));
        }
        QList<quint32> starts;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (columns[i].fixedSize == 0) {
                starts.append(quint32(out.size()));
                out += values[i].value_or(QByteArray());
            }
        }
        const auto variable = quint32(starts.size());
        starts.append(quint32(out.size())); // where their data ends
        for (qsizetype i = starts.size() - 1; i >= 0; --i)
            out += rowNumber(starts[i]);
        return out + rowNumber(variable) + mask;
    }

public:
    // A row of tblCalendar as the page holds it.
    QByteArray calendarRow(const Row &row) const
    {
        std::optional<QByteArray> date, memo;
        if (row.date) {
            date = QByteArray(8, '\0');
            std::memcpy(date->data(), &*row.date, 8); // little-endian, as the files are
        }
        if (row.memo) {
            const quint32 claimed = row.memoLengthClaimed >= 0 ? quint32(row.memoLengthClaimed)
                                                               : quint32(row.memo->size());
            if (row.memoAt)
                memo = le32(claimed | (row.memoChained ? 0 : 0x40000000u)) + le32(*row.memoAt) +
                       le32(0);
            else
                memo = le32(claimed | 0x80000000u) + le32(0) + le32(0) + *row.memo; // inline
        }
        if (row.memoField)
            memo = row.memoField;
        return encodeRow(kCalendarColumns, {date, memo});
    }

private:
    Version m_version;
    QList<Page> m_pages;
    QList<quint32> m_alsoMapped;
};

} // namespace JetFileBuilder
