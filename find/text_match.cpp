#include "text_match.h"

#include <algorithm>

namespace TextMatch {

namespace {

bool isBreakOrSpace(char32_t c)
{
    return c == u'\n' || c == u'\r' || QChar::isSpace(c);
}

// Appends the folded form of one character (code point `c`) to `out`.
void foldOne(char32_t c, QString &out)
{
    if (c < 0x80) {
        out.append(QChar(c >= u'A' && c <= u'Z' ? c + 32 : c));
        return;
    }
    if (c == U'ß' || c == U'ẞ') {
        out.append(u"ss");
        return;
    }
    const auto append = [&out](char32_t part) {
        if (QChar::category(part) == QChar::Mark_NonSpacing ||
            QChar::category(part) == QChar::Mark_SpacingCombining ||
            QChar::category(part) == QChar::Mark_Enclosing)
            return; // accents go
        const char32_t folded = QChar::toCaseFolded(part);
        if (folded == U'ß')
            out.append(u"ss");
        else
            out.append(QString::fromUcs4(&folded, 1));
    };
    if (QChar::decompositionTag(c) == QChar::NoDecomposition) {
        append(c);
        return;
    }
    const QString decomposed =
        QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    for (const char32_t part : decomposed.toUcs4())
        append(part);
}

// The original index just past the folded characters before `end`: a character that folds to
// several (ß to "ss") ends only after its last.
qsizetype originalEnd(const Folded &folded, qsizetype end)
{
    const qsizetype last = folded.origin[end - 1];
    while (end < folded.origin.size() - 1 && folded.origin[end] == last)
        ++end;
    return folded.origin[end];
}

} // namespace

Folded fold(QStringView text)
{
    Folded folded;
    folded.text.reserve(text.size());
    folded.origin.reserve(text.size() + 1);
    bool inSpace = false;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            i += 2;
        } else {
            ++i;
        }
        if (isBreakOrSpace(c)) {
            if (!inSpace) {
                folded.text.append(u' ');
                folded.origin.append(start);
            }
            inSpace = true;
            continue;
        }
        inSpace = false;
        const qsizetype before = folded.text.size();
        foldOne(c, folded.text);
        for (qsizetype k = before; k < folded.text.size(); ++k)
            folded.origin.append(start);
    }
    folded.origin.append(text.size());
    return folded;
}

Query::Query(const QString &typed)
{
    // Quoted parts are phrases, the rest words; an unclosed quote runs to the end.
    const QStringList parts = typed.split(u'"');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString part = fold(parts[i]).text.trimmed();
        if (part.isEmpty())
            continue;
        if (i % 2)
            m_terms.append(part);
        else
            m_terms.append(part.split(u' ', Qt::SkipEmptyParts));
    }
    // Longer terms first: they rule a text out soonest.
    std::stable_sort(m_terms.begin(), m_terms.end(),
                     [](const QString &a, const QString &b) { return a.size() > b.size(); });
    m_terms.removeDuplicates();
}

bool Query::matches(QStringView text, QList<Span> *spans) const
{
    return matches(fold(text), spans);
}

bool Query::matches(const Folded &folded, QList<Span> *spans) const
{
    if (m_terms.isEmpty())
        return false;
    QList<Span> found;
    for (const QString &term : m_terms) {
        const qsizetype at = folded.text.indexOf(term);
        if (at < 0)
            return false;
        if (spans) {
            const qsizetype start = folded.origin[at];
            found.append({start, originalEnd(folded, at + term.size()) - start});
        }
    }
    if (spans) {
        std::sort(found.begin(), found.end(),
                  [](const Span &a, const Span &b) { return a.start < b.start; });
        *spans = std::move(found);
    }
    return true;
}

QStringView lineAt(QStringView text, qsizetype at, qsizetype *lineStart)
{
    const auto isBreak = [](QChar c) {
        return c == u'\n' || c == u'\r' || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    };
    qsizetype start = std::clamp<qsizetype>(at, 0, text.size());
    while (start > 0 && !isBreak(text[start - 1]))
        --start;
    qsizetype end = std::clamp<qsizetype>(at, 0, text.size());
    while (end < text.size() && !isBreak(text[end]))
        ++end;
    if (lineStart)
        *lineStart = start;
    return text.sliced(start, end - start);
}

} // namespace TextMatch
