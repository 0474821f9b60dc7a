#include "text_match.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
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

// The folding of one code point outside ASCII, white space as one space.
QString foldedOf(char32_t c)
{
    QString folded;
    if (isBreakOrSpace(c))
        folded = QStringLiteral(" ");
    else
        foldOne(c, folded);
    return folded;
}

std::string asUtf8(const QString &text)
{
    return text.toStdString();
}

QString asUtf16(const QString &text)
{
    return text;
}

// The folding of one code point outside ASCII, looked up once: those of two UTF-8 bytes in a
// table made on first use, the rest in a table of the thread's own.
template <typename Text, Text (*convert)(const QString &)>
const Text &foldedAs(char32_t c)
{
    static const std::vector<Text> twoByte = [] {
        std::vector<Text> table(0x800);
        for (char32_t cp = 0x80; cp < 0x800; ++cp)
            table[cp] = convert(foldedOf(cp));
        return table;
    }();
    if (c < 0x800)
        return twoByte[c];
    thread_local std::unordered_map<char32_t, Text> others;
    auto [at, added] = others.try_emplace(c);
    if (added)
        at->second = convert(foldedOf(c));
    return at->second;
}

const std::string &foldedUtf8(char32_t c)
{
    return foldedAs<std::string, asUtf8>(c);
}

const QString &foldedUtf16(char32_t c)
{
    return foldedAs<QString, asUtf16>(c);
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

// One character of UTF-8 at `p`, whose first byte is 0x80 or more, read as QString::fromUtf8
// reads it: a byte that starts no whole, shortest, valid sequence is U+FFFD on its own, and the
// bytes after it keep their meaning (a letter after a stray lead byte is still found).
struct CodePoint
{
    char32_t value;
    int length;
};

CodePoint decode(const unsigned char *p, const unsigned char *end)
{
    const auto continued = [p, end](int length) {
        if (end - p < length)
            return false;
        for (int k = 1; k < length; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return false;
        }
        return true;
    };
    const unsigned char b = *p;
    if ((b & 0xE0) == 0xC0 && continued(2)) {
        const char32_t c = char32_t(b & 0x1F) << 6 | (p[1] & 0x3F);
        if (c >= 0x80)
            return {c, 2};
    } else if ((b & 0xF0) == 0xE0 && continued(3)) {
        const char32_t c = char32_t(b & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        if (c >= 0x800 && (c < 0xD800 || c > 0xDFFF))
            return {c, 3};
    } else if ((b & 0xF8) == 0xF0 && continued(4)) {
        const char32_t c = char32_t(b & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 |
                           char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
        if (c >= 0x10000 && c <= 0x10FFFF)
            return {c, 4};
    }
    return {0xFFFD, 1};
}

void foldBytes(const unsigned char *p, const unsigned char *end, std::string &out)
{
    // Room for the longest folding of every byte; grown where a character unfolds to more.
    out.resize(std::size_t(end - p) * 2 + 16);
    char *to = out.data();
    bool inSpace = false;
    while (p < end) {
        const Run run = foldAsciiRun(p, end, to, inSpace);
        p = run.from;
        to = run.to;
        inSpace = run.inSpace;
        if (p == end)
            break;
        const CodePoint c = decode(p, end);
        p += c.length;
        const std::string &folded = foldedUtf8(c.value);
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

// The first byte of 0x80 or more from `p` on, eight bytes at a time; `end` where there is none.
const unsigned char *nextNonAscii(const unsigned char *p, const unsigned char *end)
{
    if constexpr (std::endian::native == std::endian::little) {
        for (; end - p >= 8; p += 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (const std::uint64_t high = word & 0x8080808080808080u)
                return p + std::countr_zero(high) / 8;
        }
    }
    while (p < end && *p < 0x80)
        ++p;
    return p;
}

// How often a letter stands in everyday text, the most often first: a run is looked for by its
// rarest letters.
int commonness(char c)
{
    constexpr std::string_view kLetters = "zqxjkvbpygfwmucldrhsnioate";
    const std::size_t at = kLetters.find(c);
    return at == std::string_view::npos ? 12 : int(at); // digits and signs: between
}

// A set of ASCII bytes, one bit each.
struct AsciiSet
{
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    bool meets(const AsciiSet &other) const
    {
        return (low & other.low) != 0 || (high & other.high) != 0;
    }
};

AsciiSet asciiIn(std::string_view text)
{
    AsciiSet set;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 64)
            set.low |= std::uint64_t(1) << b;
        else if (b < 128)
            set.high |= std::uint64_t(1) << (b - 64);
    }
    return set;
}

// What the folding of a character of two UTF-8 bytes (the accented letters of most languages)
// holds of ASCII, and its length: for the rule-out, which meets these characters in most texts.
struct TwoByteFolding
{
    AsciiSet ascii;
    std::size_t size = 0;
};

const TwoByteFolding &twoByteFolding(char32_t c)
{
    static const std::vector<TwoByteFolding> table = [] {
        std::vector<TwoByteFolding> made(0x800);
        for (char32_t cp = 0x80; cp < 0x800; ++cp) {
            const std::string &folded = foldedUtf8(cp);
            made[cp] = {asciiIn(folded), folded.size()};
        }
        return made;
    }();
    return table[c];
}

} // namespace

void foldUtf8(QByteArrayView utf8, std::string &out)
{
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    foldBytes(p, p + utf8.size(), out);
}

Folded fold(QStringView text)
{
    // Written through pointers, one folded character an original one, with room to spare; the
    // room doubled where characters unfold to several.
    Folded folded;
    qsizetype room = 0, used = 0;
    char16_t *to = nullptr;
    qsizetype *origin = nullptr;
    const auto put = [&](char16_t c, qsizetype start) {
        if (used == room) {
            room = room ? room * 2 : text.size() + 16;
            folded.text.resize(room);
            folded.origin.resize(room);
            to = reinterpret_cast<char16_t *>(folded.text.data());
            origin = folded.origin.data();
        }
        to[used] = c;
        origin[used++] = start;
    };
    bool inSpace = false;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        char32_t c = text[i].unicode();
        if (c < 0x80) { // most of every text, without a look-up
            ++i;
            const char ascii = kAsciiFolded[c];
            const bool space = ascii == ' ';
            if (!(space && inSpace))
                put(char16_t(ascii), start);
            inSpace = space;
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            i += 2;
        } else {
            ++i;
        }
        // White space, and what decomposes to a lone space (a spacing accent), is one run.
        const QString &piece = foldedUtf16(c);
        if (piece == u" ") {
            if (!inSpace)
                put(u' ', start);
            inSpace = true;
            continue;
        }
        inSpace = false;
        for (const QChar part : piece)
            put(part.unicode(), start);
    }
    folded.text.truncate(used);
    folded.origin.resize(used + 1);
    folded.origin[used] = text.size();
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

ByteRuleOut::ByteRuleOut(const Query &query)
{
    std::vector<std::string> runs;
    for (const QString &term : query.terms()) {
        std::string run;
        for (qsizetype i = 0; i <= term.size(); ++i) {
            const char16_t c = i < term.size() ? term[i].unicode() : u' ';
            if (c < 0x80 && kAsciiFolded[c] != ' ') {
                run += char(c);
            } else if (!run.empty()) {
                runs.push_back(std::exchange(run, {}));
            }
        }
    }
    std::sort(runs.begin(), runs.end(), [](const std::string &a, const std::string &b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    for (std::string &run : runs) {
        Needle needle;
        for (std::size_t k = 0; k < run.size(); ++k) {
            needle.in[std::size_t(run[k])] = true;
            if (commonness(run[k]) < commonness(run[needle.rarest]))
                needle.rarest = k;
        }
        // The second away from the first where the run allows, so that the two are seldom in
        // one common syllable.
        const auto score = [&](std::size_t k) {
            const std::size_t apart = k > needle.rarest ? k - needle.rarest : needle.rarest - k;
            return commonness(run[k]) + (apart < 3 ? 26 : 0);
        };
        needle.nextRarest = needle.rarest == 0 && run.size() > 1 ? 1 : 0;
        for (std::size_t k = 0; k < run.size(); ++k) {
            if (k != needle.rarest && score(k) < score(needle.nextRarest))
                needle.nextRarest = k;
        }
        const AsciiSet set = asciiIn(run);
        for (char32_t c = 0x80; c < 0x800; ++c) {
            const TwoByteFolding &folding = twoByteFolding(c);
            if (folding.size == 0 || folding.ascii.meets(set))
                needle.twoByte[c] = std::uint8_t(std::min<std::size_t>(folding.size, 254) + 1);
        }
        needle.text = std::move(run);
        m_needles.push_back(std::move(needle));
    }
}

bool ByteRuleOut::mayMatch(std::string_view utf8, std::string &scratch) const
{
    return std::all_of(m_needles.cbegin(), m_needles.cend(), [&](const Needle &needle) {
        return standsAsIs(utf8, needle) || foldsInto(utf8, needle, scratch);
    });
}

// Whether the needle's bytes stand in the text as they are, letters in either case.
bool ByteRuleOut::standsAsIs(std::string_view utf8, const Needle &needle)
{
    const std::size_t length = needle.text.size();
    if (utf8.size() < length)
        return false;
    const std::size_t starts = utf8.size() - length + 1;
    const auto *text = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto isAt = [&](std::size_t start) {
        for (std::size_t k = 0; k < length; ++k) {
            const unsigned char b = text[start + k];
            if (b >= 0x80 || kAsciiFolded[b] != needle.text[k])
                return false;
        }
        return true;
    };
    // Blocks of places, each first tested by the two rarest bytes alone (with 0x20 set, a
    // letter's either case) in a loop without branches, which compilers make SIMD.
    const unsigned char *first = text + needle.rarest, *second = text + needle.nextRarest;
    const unsigned char a = needle.text[needle.rarest] | 0x20;
    const unsigned char b = needle.text[needle.nextRarest] | 0x20;
    constexpr std::size_t kBlock = 32;
    std::size_t start = 0;
    for (; start + kBlock <= starts; start += kBlock) {
        unsigned char any = 0;
        for (std::size_t k = 0; k < kBlock; ++k)
            any |= ((first[start + k] | 0x20) == a) & ((second[start + k] | 0x20) == b);
        if (!any)
            continue;
        for (std::size_t k = start; k < start + kBlock; ++k) {
            if ((first[k] | 0x20) == a && (second[k] | 0x20) == b && isAt(k))
                return true;
        }
    }
    for (; start < starts; ++start) {
        if (isAt(start))
            return true;
    }
    return false;
}

// Whether the needle is in the folding of the text around its characters outside ASCII that
// fold to some of the needle's bytes or to nothing. Such a place is widened over everything
// that could join the needle there, and only that is folded, where it is long enough: where the
// needle does not stand as it is, any place it has in the folded text lies in one of these.
bool ByteRuleOut::foldsInto(std::string_view utf8, const Needle &needle, std::string &scratch)
{
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *end = p + utf8.size();
    const AsciiSet needleSet = asciiIn(needle.text);
    const auto joinsAscii = [&needle](unsigned char ascii) {
        return needle.in[std::size_t(kAsciiFolded[ascii])];
    };
    // Whether the character outside ASCII at `at` can join the needle; its length in bytes and
    // folded.
    const auto joins = [&](const unsigned char *at, int *length, std::size_t *folded) {
        if (at[0] >= 0xC2 && at[0] < 0xE0 && end - at >= 2 && (at[1] & 0xC0) == 0x80) {
            const char32_t c = char32_t(at[0] & 0x1F) << 6 | (at[1] & 0x3F);
            *length = 2;
            *folded = std::size_t(needle.twoByte[c]) - 1; // a size only where it joins
            return needle.twoByte[c] != 0;
        }
        const CodePoint c = decode(at, end);
        const std::string &f = foldedUtf8(c.value);
        *length = c.length;
        *folded = f.size();
        return f.empty() || asciiIn(f).meets(needleSet);
    };
    // Nothing before `p` can join what comes after it, and up to the next character outside
    // ASCII all is ASCII.
    while (true) {
        const unsigned char *at = nextNonAscii(p, end);
        if (at == end)
            return false;
        int length = 0;
        std::size_t size = 0;
        if (!joins(at, &length, &size)) {
            p = at + length;
            continue;
        }
        const unsigned char *from = at;
        while (from > p && joinsAscii(from[-1]))
            --from;
        size += std::size_t(at - from);
        const unsigned char *to = at + length;
        while (to < end) {
            if (*to < 0x80) {
                if (!joinsAscii(*to))
                    break;
                ++to;
                ++size;
                continue;
            }
            std::size_t more = 0;
            if (!joins(to, &length, &more))
                break;
            to += length;
            size += more;
        }
        if (size >= needle.text.size()) {
            foldBytes(from, to, scratch);
            if (std::string_view(scratch).find(needle.text) != std::string_view::npos)
                return true;
        }
        p = to;
    }
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
