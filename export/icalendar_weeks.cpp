#include "icalendar_weeks.h"

#include "text_bytes.h"

namespace ICalendarWeeks {

namespace {

constexpr qsizetype kLineOctets = 75;
constexpr qsizetype kSummaryCharacters = 60;

// What a TEXT value escapes: looked up for every byte of every text.
constexpr std::array<bool, 256> kEscaped = byteSet("\\;,\r\n");

bool startsCharacter(char byte)
{
    return (uchar(byte) & 0xC0) != 0x80; // not a UTF-8 continuation byte
}

// The first line that holds anything, cut short: what a journal program lists an entry by. A line
// ends where the description's does, at a lone CR too.
QByteArray summaryOf(QByteArrayView text)
{
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r')
            ++end;
        const QByteArrayView line = text.sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.isEmpty())
            continue;
        qsizetype characters = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (startsCharacter(line[i]) && ++characters > kSummaryCharacters)
                return line.first(i).toByteArray() + "…";
        }
        return line.toByteArray();
    }
    return {};
}

// Appends `value` as an iCalendar TEXT value: backslash, semicolon and comma escaped, each line
// break (CR LF, LF or a lone CR) as \n.
void appendEscaped(QByteArray &out, QByteArrayView value)
{
    qsizetype copied = 0; // what is left to copy as it stands, most of a text
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (!kEscaped[uchar(c)])
            continue;
        out += value.sliced(copied, i - copied);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
            out += "\\n";
        } else {
            out += '\\';
            out += c;
        }
        copied = i + 1;
    }
    out += value.sliced(copied);
}

// Appends a content line, folded at 75 octets (never inside a character), ending in CR LF.
void appendFolded(QByteArray &out, QByteArrayView line)
{
    qsizetype start = 0;
    qsizetype room = kLineOctets;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && !startsCharacter(line[cut]))
            --cut;
        out += line.sliced(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kLineOctets - 1; // the space that continues the line counts
    }
    out += line.sliced(start);
    out += "\r\n";
}

} // namespace

QByteArray begin()
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvanta//Orvanta weekly schedule//EN\r\n";
}

QByteArray end()
{
    return "END:VCALENDAR\r\n";
}

QByteArray stampOf(const QDateTime &moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
}

void appendWeek(QByteArray &out, QDate weekStart,
                const std::array<QByteArrayView, kWeekFieldCount> &texts, QByteArrayView stamp)
{
    const QByteArray week = isoDateBytes(weekStart, false);
    QByteArray line; // a property before it is folded
    const auto appendProperty = [&](QByteArrayView name, QByteArrayView value) {
        line.clear();
        line += name;
        appendEscaped(line, value);
        appendFolded(out, line);
    };
    for (int box = 0; box < kWeekFieldCount; ++box) {
        const QByteArrayView text = texts[box];
        if (text.isEmpty())
            continue;
        const bool notes = box == kNotesField;
        out += "BEGIN:VJOURNAL\r\nUID:";
        out += week;
        if (notes) {
            out += "-notes";
        } else {
            out += '-';
            out += char('1' + box);
        }
        out += "@orvanta\r\nDTSTAMP:";
        out += stamp;
        out += "\r\nDTSTART;VALUE=DATE:";
        out += notes ? week : isoDateBytes(weekStart.addDays(box), false);
        out += "\r\n";
        const QByteArray summary =
            notes ? "Notes for the week of " + isoDateBytes(weekStart) : summaryOf(text);
        if (!summary.isEmpty())
            appendProperty("SUMMARY:", summary);
        appendProperty("DESCRIPTION:", text);
        out += "END:VJOURNAL\r\n";
    }
}

} // namespace ICalendarWeeks
