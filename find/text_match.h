#pragma once

#include <array>
#include <cstdint>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

// Matching as people expect of a search: case and accents do not matter ("cafe" finds "Café",
// "strasse" finds "Straße"), every word of the query must appear in the text in any order, and a
// "quoted phrase" must appear as written, any run of white space or line breaks counting as one
// space.
namespace TextMatch {

// A text folded for matching, and where each folded character came from in the original.
struct Folded
{
    QString text;
    QList<qsizetype> origin; // origin[i]: the original index of folded character i; one more at
                             // the end, the original's length
};

// Unicode case folding and compatibility decomposition with the combining marks removed, ß as
// "ss", every run of white space one space.
Folded fold(QStringView text);

// The same folding of UTF-8 text into UTF-8, without the map back, into `out` (whose room is
// kept from call to call): fast enough to rule out weeks by their stored bytes alone.
void foldUtf8(QByteArrayView utf8, std::string &out);

// A part of a text, by its original indexes.
struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const Span &, const Span &) = default;
};

class Query
{
public:
    Query() = default;
    explicit Query(const QString &typed);

    bool isEmpty() const { return m_terms.isEmpty(); }
    // The folded words and phrases, each to be found.
    const QStringList &terms() const { return m_terms; }
    // Whether every term is in `text`; then `spans` holds each term's first place, earliest
    // first.
    bool matches(QStringView text, QList<Span> *spans = nullptr) const;
    // The same, for a text already folded.
    bool matches(const Folded &folded, QList<Span> *spans = nullptr) const;

private:
    QStringList m_terms;
};

// A look at a text's UTF-8 bytes, before any folding, for whether a query can match it at all.
// A run of ASCII in a term (a whole word of plain letters) can appear in the folded text only
// where its bytes stand as they are, in either case, or around a character that folds to some of
// them (é, ß, ﬁ, Ｄ) or to nothing (a combining accent). Most texts hold neither for some term and
// are ruled out at the speed of a byte scan; only the others need folding. A query without such
// a run rules nothing out.
class ByteRuleOut
{
public:
    explicit ByteRuleOut(const Query &query);
    // False only where the folded text cannot hold every term; `scratch` is room kept from call
    // to call.
    bool mayMatch(std::string_view utf8, std::string &scratch) const;

private:
    struct Needle
    {
        std::string text;           // ASCII, folded, no space
        std::array<bool, 128> in{}; // the bytes `text` holds
        std::size_t rarest = 0;     // the places of its two rarest bytes, which a scan
        std::size_t nextRarest = 0; // looks for first
        // For each character of two UTF-8 bytes that folds to some of its bytes or to nothing,
        // one more than the folding's length; 0 for the others.
        std::array<std::uint8_t, 0x800> twoByte{};
    };
    static bool standsAsIs(std::string_view utf8, const Needle &needle);
    static bool foldsInto(std::string_view utf8, const Needle &needle, std::string &scratch);

    std::vector<Needle> m_needles; // the longest first
};

// The line of `text` that holds `at`, and where that line starts.
QStringView lineAt(QStringView text, qsizetype at, qsizetype *lineStart = nullptr);

} // namespace TextMatch
