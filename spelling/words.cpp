#include "spelling/words.h"

namespace {

struct CodePoint
{
    char32_t value;
    qsizetype width;
};

CodePoint codePointAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text[i + 1]), 2};
    return {c.unicode(), 1};
}

bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == U'_';
}

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019';
}

bool isAddress(QStringView token)
{
    return token.contains(u"://") || token.startsWith(u"www.", Qt::CaseInsensitive) ||
           token.contains(u'@');
}

// The words of one run of text without spaces, from `start` to `end`.
void addWordsOf(QStringView line, qsizetype start, qsizetype end, QList<WordSpan> &words)
{
    qsizetype i = start;
    while (i < end) {
        if (!isWordCharacter(codePointAt(line, i).value)) {
            i += codePointAt(line, i).width;
            continue;
        }
        const qsizetype wordStart = i;
        bool skipped = false; // digits or underscores
        int upper = 0;
        int lower = 0;
        while (i < end) {
            const CodePoint c = codePointAt(line, i);
            if (isWordCharacter(c.value)) {
                skipped = skipped || QChar::isNumber(c.value) || c.value == U'_';
                upper += QChar::isUpper(c.value) ? 1 : 0;
                lower += QChar::isLower(c.value) ? 1 : 0;
                i += c.width;
            } else if (isApostrophe(c.value) && i + c.width < end &&
                       isWordCharacter(codePointAt(line, i + c.width).value)) {
                i += c.width;
            } else {
                break;
            }
        }
        const bool abbreviation = upper >= 2 && lower == 0;
        if (!skipped && !abbreviation)
            words.append({wordStart, i - wordStart});
    }
}

} // namespace

QList<WordSpan> checkableWords(QStringView line)
{
    QList<WordSpan> words;
    qsizetype i = 0;
    while (i < line.size()) {
        if (line[i].isSpace()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < line.size() && !line[end].isSpace())
            ++end;
        if (!isAddress(line.sliced(i, end - i)))
            addWordsOf(line, i, end, words);
        i = end;
    }
    return words;
}
