#include "icalendar_weeks.h"

namespace ICalendarWeeks {

namespace {

constexpr qsizetype kLineOctets = 75;
constexpr qsizetype kSummaryChars = 60;

QString dateValue(QDate day)
{
    return day.toString(QStringLiteral("yyyyMMdd"));
}

// The first line that holds anything, cut short: what a journal program lists an entry by.
QString summaryOf(QStringView text)
{
    for (QStringView line : text.tokenize(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (line.size() <= kSummaryChars)
            return line.toString();
        qsizetype cut = kSummaryChars;
        if (line[cut - 1].isHighSurrogate())
            --cut;
        return line.first(cut).toString() + u'…';
    }
    return {};
}

} // namespace

QString escaped(QStringView value)
{
    QString out;
    out.reserve(value.size() + value.size() / 16);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case u'\\':
        case u';':
        case u',':
            out += u'\\';
            out += c;
            break;
        case u'\r':
            if (i + 1 < value.size() && value[i + 1] == u'\n')
                ++i;
            out += QStringLiteral("\\n");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray folded(const QByteArray &line)
{
    QByteArray out;
    out.reserve(line.size() + line.size() / 24 + 2);
    qsizetype start = 0;
    qsizetype room = kLineOctets;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && (uchar(line[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 sequence
        out += QByteArrayView(line).sliced(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kLineOctets - 1; // the space that continues the line counts
    }
    out += QByteArrayView(line).sliced(start);
    out += "\r\n";
    return out;
}

QByteArray begin()
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvanta//Orvanta weekly schedule//EN\r\n";
}

QByteArray end()
{
    return "END:VCALENDAR\r\n";
}

QByteArray week(QDate weekStart, const WeekTexts &texts, const QDateTime &stamp)
{
    const QByteArray dtstamp =
        "DTSTAMP:" + stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray out;
    for (int box = 0; box < kWeekFieldCount; ++box) {
        const QString &text = texts[box];
        if (text.isEmpty())
            continue;
        const bool notes = box == kNotesField;
        const QDate day = notes ? weekStart : weekStart.addDays(box);
        const QString summary =
            notes ? QStringLiteral("Notes for the week of %1").arg(weekStart.toString(Qt::ISODate))
                  : summaryOf(text);
        out += "BEGIN:VJOURNAL\r\n";
        out +=
            folded("UID:" + dateValue(weekStart).toLatin1() +
                   (notes ? QByteArray("-notes") : "-" + QByteArray::number(box + 1)) + "@orvanta");
        out += dtstamp + "\r\n";
        out += "DTSTART;VALUE=DATE:" + dateValue(day).toLatin1() + "\r\n";
        if (!summary.isEmpty())
            out += folded("SUMMARY:" + escaped(summary).toUtf8());
        out += folded("DESCRIPTION:" + escaped(text).toUtf8());
        out += "END:VJOURNAL\r\n";
    }
    return out;
}

} // namespace ICalendarWeeks
