#include "week_record.h"

#include <QStringEncoder>

namespace {

// Writes `text` to `out` as UTF-8 with every line break as CR LF, and returns the end of what it
// wrote. A break may come as CR LF already, as LF, or as U+2028 and U+2029, which is how a text
// box's document holds line and paragraph breaks. ASCII, nearly all of a week, is copied here
// byte by byte; other runs go through the encoder, which knows surrogate pairs.
char *writeStoredText(QStringEncoder &utf8, char *out, QStringView text)
{
    const char16_t *chars = text.utf16();
    const qsizetype size = text.size();
    const auto isBreak = [](char16_t c) { return c == u'\u2028' || c == u'\u2029'; };
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = chars[i];
        if (c < 0x80) {
            if (c == u'\n' && (i == 0 || chars[i - 1] != u'\r'))
                *out++ = '\r';
            *out++ = char(c);
            ++i;
        } else if (isBreak(c)) {
            *out++ = '\r';
            *out++ = '\n';
            ++i;
        } else {
            qsizetype end = i + 1;
            while (end < size && chars[end] >= 0x80 && !isBreak(chars[end]))
                ++end;
            out = utf8.appendToBuffer(out, text.sliced(i, end - i));
            i = end;
        }
    }
    return out;
}

} // namespace

QByteArray encodeWeekRecord(const WeekTexts &texts)
{
    qsizetype units = kWeekFieldCount * WeekDataSeparator.size();
    for (const QString &text : texts)
        units += text.size();

    // Room for the worst case (three bytes for every UTF-16 unit; a break takes two): pages of
    // the buffer that are never written are never touched.
    QStringEncoder utf8(QStringEncoder::Utf8);
    QByteArray record(utf8.requiredSpace(units), Qt::Uninitialized);
    char *out = record.data();
    for (const QString &text : texts) {
        out = writeStoredText(utf8, out, text);
        out = utf8.appendToBuffer(out, WeekDataSeparator);
    }
    record.truncate(out - record.constData());
    return record;
}

QStringList decodeWeekRecord(const QString &record)
{
    QStringList pieces = record.split(WeekDataSeparator, Qt::KeepEmptyParts, Qt::CaseSensitive);
    pieces.removeLast(); // never a field: it is not ended by a separator

    if (pieces.size() > kWeekFieldCount) {
        const QString notes = pieces.mid(kNotesField).join(WeekDataSeparator);
        pieces.resize(kWeekFieldCount);
        pieces[kNotesField] = notes;
    }
    return pieces;
}

QList<QByteArrayView> decodeWeekRecordUtf8(QByteArrayView record)
{
    static const QByteArray separator = WeekDataSeparator.toUtf8();
    QList<QByteArrayView> fields;
    qsizetype start = 0;
    qsizetype notesStart = 0;
    for (qsizetype end; (end = record.indexOf(separator, start)) >= 0;
         start = end + separator.size()) {
        if (fields.size() < kWeekFieldCount) {
            if (fields.size() == kNotesField)
                notesStart = start;
            fields.append(record.sliced(start, end - start));
        } else { // the notes run on to the last separator
            fields[kNotesField] = record.sliced(notesStart, end - notesStart);
        }
    }
    return fields;
}

namespace {

int filledLines(QStringView text)
{
    int lines = 0;
    bool filled = false;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator) {
            lines += filled ? 1 : 0;
            filled = false;
        } else if (!c.isSpace()) {
            filled = true;
        }
    }
    return lines + (filled ? 1 : 0);
}

} // namespace

std::array<int, kWeekFieldCount> linesWithText(const QString &record)
{
    std::array<int, kWeekFieldCount> lines{};
    const QStringList fields = decodeWeekRecord(record);
    for (qsizetype field = 0; field < fields.size(); ++field)
        lines[field] = filledLines(fields[field]);
    return lines;
}

QList<QDate> daysWithText(QDate weekStart, const QString &record)
{
    QList<QDate> days;
    const std::array<int, kWeekFieldCount> lines = linesWithText(record);
    for (int day = 0; day < kNotesField; ++day) {
        if (lines[day] > 0)
            days.append(weekStart.addDays(day));
    }
    return days;
}
