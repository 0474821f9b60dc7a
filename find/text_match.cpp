#include "text_match.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

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
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
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

// The folded UTF-8 of one code point outside ASCII, looked up once: those of two UTF-8 bytes in
// a table made on first use, the rest in a table of the thread's own.
const std::string &foldedUtf8(char32_t c)
{
    static const std::vector<std::string> twoByte = [] {
        std::vector<std::string> table(0x800);
        for (char32_t cp = 0x80; cp < 0x800; ++cp) {
            QString folded;
            if (isBreakOrSpace(cp))
                folded = QStringLiteral(" ");
            else
                foldOne(cp, folded);
            table[cp] = folded.toStdString();
        }
        return table;
    }();
    if (c < 0x800)
        return twoByte[c];
    thread_local std::unordered_map<char32_t, std::string> others;
    auto [at, added] = others.try_emplace(c);
    if (added) {
        QString folded;
        if (isBreakOrSpace(c))
            folded = QStringLiteral(" ");
        else
            foldOne(c, folded);
        at->second = folded.toStdString();
    }
    return at->second;
}

} // namespace

namespace {

// ASCII through a table: its letters in lower case, white space as a space (one a run).
constexpr std::array<char, 128> kAsciiFolded = [] {
    std::array<char, 128> table{};
    for (int c = 0; c < 128; ++c)
        table[std::size_t(c)] = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    for (const char space : {' ', '\t', '\n', '\v', '\f', '\r'})
        table[std::size_t(space)] = ' ';
    return table;
}();

struct Run
{
    const unsigned char *from;
    char *to;
    bool inSpace;
};

// A run of ASCII, the hot loop: everything in registers.
Run foldAsciiRun(const unsigned char *from, const unsigned char *end, char *to, bool inSpace)
{
    // Without branches on the characters, which no predictor guesses in prose: a space is
    // written always, and kept only where it starts a run.
    while (from < end && *from < 0x80) {
        const char c = kAsciiFolded[*from++];
        const bool space = c == ' ';
        *to = c;
        to += !(space && inSpace);
        inSpace = space;
    }
    return {from, to, inSpace};
}

} // namespace

void foldUtf8(const QByteArray &utf8, std::string &out)
{
    // Room for the longest folding of every byte; grown where a character unfolds to more.
    out.resize(std::size_t(utf8.size()) * 2 + 16);
    char *to = out.data();
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.constData());
    const auto *end = p + utf8.size();
    bool inSpace = false;
    while (p < end) {
        const Run run = foldAsciiRun(p, end, to, inSpace);
        p = run.from;
        to = run.to;
        inSpace = run.inSpace;
        if (p == end)
            break;
        // One code point of two to four bytes; a broken sequence stands for itself.
        const unsigned char b = *p;
        char32_t c = 0xFFFD;
        int length = 1;
        if ((b & 0xE0) == 0xC0 && end - p >= 2) {
            c = char32_t(b & 0x1F) << 6 | (p[1] & 0x3F);
            length = 2;
        } else if ((b & 0xF0) == 0xE0 && end - p >= 3) {
            c = char32_t(b & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
            length = 3;
        } else if ((b & 0xF8) == 0xF0 && end - p >= 4) {
            c = char32_t(b & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 |
                char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
            length = 4;
        }
        p += length;
        const std::string &folded = foldedUtf8(c);
        if (folded.size() == 1 && folded[0] == ' ') {
            if (!inSpace)
                *to++ = ' ';
            inSpace = true;
            continue;
        }
        inSpace = false;
        const std::size_t used = std::size_t(to - out.data());
        if (out.size() - used < folded.size() + std::size_t(end - p) * 2 + 16) {
            out.resize(out.size() * 2 + folded.size());
            to = out.data() + used;
        }
        to = std::copy(folded.cbegin(), folded.cend(), to);
    }
    out.resize(std::size_t(to - out.data()));
}

Folded fold(QStringView text)
{
    Folded folded;
    folded.text.reserve(text.size());
    folded.origin.reserve(text.size() + 1);
    bool inSpace = false;
    QString piece;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            i += 2;
        } else {
            ++i;
        }
        piece.clear();
        if (!isBreakOrSpace(c))
            foldOne(c, piece);
        // White space, and what decomposes to a lone space (a spacing accent), is one run.
        if (piece.isEmpty() ? isBreakOrSpace(c) : piece == u" ") {
            if (!inSpace) {
                folded.text.append(u' ');
                folded.origin.append(start);
            }
            inSpace = true;
            continue;
        }
        inSpace = false;
        folded.text.append(piece);
        for (qsizetype k = 0; k < piece.size(); ++k)
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
