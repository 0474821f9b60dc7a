#include "markdown_weeks.h"

#include <QLocale>

namespace MarkdownWeeks {

namespace {

// Read as markup wherever they stand (inline code, emphasis, links, raw HTML, entities,
// strikethrough, table cells, and the escape itself).
bool isInlineMarkup(QChar c)
{
    return QStringView(u"\\`*_[]<>&~|").contains(c);
}

// Read as markup at a line's start only: headings, quotes, list bullets, setext underlines.
bool isLineStartMarkup(QChar c)
{
    return QStringView(u"#>-+=").contains(c);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString reference(QChar c)
{
    return QStringLiteral("&#%1;").arg(c.unicode());
}

// One line of a box. Blanks at its edges become references, which a reader keeps and strips
// nothing of; a digit run that an ordered list would end with "." or ")" gets that escaped.
void appendLine(QString &out, QStringView line)
{
    qsizetype first = 0;
    while (first < line.size() && isBlank(line[first]))
        out += reference(line[first++]);
    qsizetype last = line.size();
    while (last > first && isBlank(line[last - 1]))
        --last;
    qsizetype digits = first;
    while (digits < last && line[digits].isDigit() && line[digits].unicode() < 0x80)
        ++digits;
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = line[i];
        if (c == u'\r') {
            out += reference(c); // a lone CR, which a reader would take for a line break
            continue;
        }
        if (isInlineMarkup(c) || (i == first && isLineStartMarkup(c)) ||
            (i == digits && digits > first && (c == u'.' || c == u')')))
            out += u'\\';
        out += c;
    }
    for (qsizetype i = last; i < line.size(); ++i)
        out += reference(line[i]);
}

} // namespace

QString text(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            const qsizetype end = i > start && text[i - 1] == u'\r' ? i - 1 : i;
            lines.append(text.sliced(start, end - start));
            start = i + 1;
        }
    }
    lines.append(text.sliced(start));
    // Empty lines at the edges cannot be hard breaks (a paragraph neither starts nor ends with
    // one): their breaks are written as references.
    qsizetype first = 0, last = lines.size();
    QString out;
    while (first < last - 1 && lines[first].isEmpty()) {
        out += QStringLiteral("&#10;");
        ++first;
    }
    QString tail;
    while (last - 1 > first && lines[last - 1].isEmpty()) {
        tail += QStringLiteral("&#10;");
        --last;
    }
    for (qsizetype i = first; i < last; ++i) {
        if (i > first)
            out += QStringLiteral("\\\n");
        appendLine(out, lines[i]);
    }
    return out + tail;
}

QByteArray week(QDate weekStart, const WeekTexts &texts)
{
    const QLocale c = QLocale::c();
    QString out = QStringLiteral("# Week of %1\n").arg(weekStart.toString(Qt::ISODate));
    for (int box = 0; box < kWeekFieldCount; ++box) {
        if (texts[box].isEmpty())
            continue;
        const QDate day = weekStart.addDays(box);
        out += box == kNotesField ? QStringLiteral("\n## %1\n\n").arg(kNotesHeading)
                                  : QStringLiteral("\n## %1, %2\n\n")
                                        .arg(c.dayName(day.dayOfWeek()), day.toString(Qt::ISODate));
        out += text(texts[box]) + u'\n';
    }
    out += u'\n';
    return out.toUtf8();
}

} // namespace MarkdownWeeks
