#include "markdown_weeks.h"

#include "text_bytes.h"

namespace MarkdownWeeks {

namespace {

// Read as markup wherever they stand (inline code, emphasis, links, raw HTML, entities,
// strikethrough, table cells, and the escape itself), or taken for a line break (a lone CR).
constexpr std::array<bool, 256> kInlineMarkup = byteSet("\\`*_[]<>&~|\r");

// Read as markup at a line's start only: headings, quotes, list bullets, setext underlines.
bool isLineStartMarkup(char c)
{
    return c == '#' || c == '-' || c == '+' || c == '=';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

void appendReference(QByteArray &out, char c)
{
    out += "&#";
    out += QByteArray::number(int(c));
    out += ';';
}

// One line of a box. Blanks at its edges become references, which a reader keeps and strips
// nothing of; a digit run that an ordered list would end with "." or ")" gets that escaped.
void appendLine(QByteArray &out, QByteArrayView line)
{
    qsizetype first = 0;
    while (first < line.size() && isBlank(line[first]))
        appendReference(out, line[first++]);
    qsizetype last = line.size();
    while (last > first && isBlank(line[last - 1]))
        --last;
    qsizetype digits = first;
    while (digits < last && line[digits] >= '0' && line[digits] <= '9')
        ++digits;
    qsizetype copied = first; // what is left to copy as it stands, most of a line
    const auto escapeAt = [&](qsizetype i) {
        out += line.sliced(copied, i - copied);
        copied = i + 1;
        if (line[i] == '\r') {
            appendReference(out, line[i]);
        } else {
            out += '\\';
            out += line[i];
        }
    };
    // Line-start markup is never a digit, so at most one of these two applies.
    qsizetype scanned = first;
    if (first < last && isLineStartMarkup(line[first])) {
        escapeAt(first);
        scanned = first + 1;
    } else if (digits > first && digits < last && (line[digits] == '.' || line[digits] == ')')) {
        escapeAt(digits);
        scanned = digits + 1;
    }
    for (qsizetype i = scanned; i < last; ++i) {
        if (kInlineMarkup[uchar(line[i])])
            escapeAt(i);
    }
    out += line.sliced(copied, last - copied);
    for (qsizetype i = last; i < line.size(); ++i)
        appendReference(out, line[i]);
}

void appendText(QByteArray &out, QByteArrayView text)
{
    // The lines, each without its break (LF or CR LF).
    QVarLengthArray<QByteArrayView, 64> lines;
    qsizetype start = 0;
    for (qsizetype end; (end = text.indexOf('\n', start)) >= 0; start = end + 1)
        lines.append(text.sliced(start, end - start - (end > start && text[end - 1] == '\r')));
    lines.append(text.sliced(start));
    // Empty lines at the edges cannot be hard breaks (a paragraph neither starts nor ends with
    // one): their breaks are written as references.
    qsizetype first = 0, last = lines.size();
    while (first < last - 1 && lines[first].isEmpty()) {
        out += "&#10;";
        ++first;
    }
    qsizetype trailing = 0;
    while (last - 1 > first && lines[last - 1].isEmpty()) {
        ++trailing;
        --last;
    }
    for (qsizetype i = first; i < last; ++i) {
        if (i > first)
            out += "\\\n";
        appendLine(out, lines[i]);
    }
    for (; trailing > 0; --trailing)
        out += "&#10;";
}

constexpr std::array<const char *, 7> kDayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                   "Friday", "Saturday", "Sunday"};

} // namespace

void appendWeek(QByteArray &out, QDate weekStart,
                const std::array<QByteArrayView, kWeekFieldCount> &texts)
{
    static const QByteArray notesHeading = kNotesHeading.toUtf8();
    out += "# Week of ";
    out += isoDateBytes(weekStart);
    out += '\n';
    for (int box = 0; box < kWeekFieldCount; ++box) {
        if (texts[box].isEmpty())
            continue;
        out += "\n## ";
        if (box == kNotesField) {
            out += notesHeading;
        } else {
            const QDate day = weekStart.addDays(box);
            out += kDayNames[size_t(day.dayOfWeek() - 1)];
            out += ", ";
            out += isoDateBytes(day);
        }
        out += "\n\n";
        appendText(out, texts[box]);
        out += '\n';
    }
    out += '\n';
}

} // namespace MarkdownWeeks
