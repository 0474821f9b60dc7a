// The reader's stream of rows as Orvanta reads it back, whatever bytes come: never a crash or
// a text past the bound, and the same rows whether the bytes come at once or in pieces (a pipe
// hands them over in any sizes).
#include "jet/jet_file.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Outcome
{
    std::vector<JetReaderStream::Row> rows;
    JetReaderStream::Parser::Next last = JetReaderStream::Parser::Next::NeedMore;
};

// Feeds the bytes in pieces of `piece` bytes (all at once for 0).
Outcome parse(const QByteArray &bytes, qsizetype piece)
{
    JetReaderStream::Parser parser;
    Outcome outcome;
    qsizetype at = 0;
    for (;;) {
        JetReaderStream::Row row;
        const auto next = parser.next(&row);
        if (next == JetReaderStream::Parser::Next::Row) {
            if (row.text && row.text->size() > qsizetype(JetReaderStream::kMaxTextBytes))
                std::abort();
            outcome.rows.push_back(row);
            continue;
        }
        if (next != JetReaderStream::Parser::Next::NeedMore || at >= bytes.size()) {
            outcome.last = next;
            return outcome;
        }
        const qsizetype size = piece == 0 ? bytes.size() : std::min(piece, bytes.size() - at);
        parser.append(bytes.mid(at, size));
        at += size;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const qsizetype piece = data[0] % 32; // the first byte says how the rest is cut
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const Outcome whole = parse(bytes, 0);
    const Outcome pieces = parse(bytes, piece);
    if (whole.last != pieces.last || whole.rows.size() != pieces.rows.size())
        std::abort();
    for (std::size_t i = 0; i < whole.rows.size(); ++i) {
        const auto &a = whole.rows[i];
        const auto &b = pieces.rows[i];
        if (a.number != b.number || a.text != b.text || a.date.has_value() != b.date.has_value())
            std::abort();
    }
    return 0;
}
