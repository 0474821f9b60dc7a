#include "week_merge.h"

#include <algorithm>
#include <QRegularExpression>

namespace WeekMerge {

namespace {

// Line breaks as the record keeps them: LF, U+2028 and U+2029 become CR LF, as
// encodeWeekRecord writes them, so that a text read from a file that keeps LF alone is the
// same text.
QString withStoredBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' && (i == 0 || text[i - 1] != u'\r')) {
            out += QStringLiteral("\r\n");
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

bool isEmpty(const QString &text)
{
    return text.trimmed().isEmpty();
}

// Whether `incoming` is already in `here` as an earlier merge left it: a run of here's texts
// that starts at its beginning or after a marker line and ends at its end or before one,
// whatever file and day the marker lines name (so a text that was merged itself counts too).
bool holds(const QString &here, const QString &incoming)
{
    static const QRegularExpression marker(
        QStringLiteral("\r\n\u2014 imported from [^\r\n]* \\(\\d{4}-\\d{2}-\\d{2}\\) \u2014\r\n"));
    QList<qsizetype> starts{0};
    QList<qsizetype> ends{here.size()};
    for (const QRegularExpressionMatch &match : marker.globalMatch(here)) {
        starts.append(match.capturedEnd());
        ends.append(match.capturedStart());
    }
    for (const qsizetype start : starts) {
        if (ends.contains(start + incoming.size()) &&
            QStringView(here).sliced(start).startsWith(incoming))
            return true;
    }
    return false;
}

} // namespace

QString markerLine(const QString &source, QDate day)
{
    return QStringLiteral("\u2014 imported from %1 (%2) \u2014")
        .arg(source, day.toString(Qt::ISODate));
}

Box mergeBox(const QString &here, const QString &incoming, const QString &markerLine)
{
    const QString ours = withStoredBreaks(here);
    const QString theirs = withStoredBreaks(incoming);
    if (ours == theirs || isEmpty(theirs) || holds(ours, theirs))
        return {here, false};
    if (isEmpty(ours))
        return {incoming, true};
    return {ours + QStringLiteral("\r\n") + markerLine + QStringLiteral("\r\n") + theirs, true};
}

Week mergeWeek(const WeekTexts &here, const WeekTexts &incoming, const QString &markerLine)
{
    Week week;
    for (int i = 0; i < kWeekFieldCount; ++i) {
        const Box box = mergeBox(here[i], incoming[i], markerLine);
        week.texts[i] = box.text;
        week.changed = week.changed || box.changed;
    }
    return week;
}

WeekTexts textsOf(const QString &record)
{
    const QStringList fields = decodeWeekRecord(record);
    WeekTexts texts;
    for (qsizetype i = 0; i < fields.size(); ++i)
        texts[i] = fields[i];
    return texts;
}

bool isBlank(const WeekTexts &texts)
{
    return std::all_of(texts.begin(), texts.end(), isEmpty);
}

} // namespace WeekMerge
