// The week record. Any stored text decodes into at most eight fields. Eight texts (cut from the
// input at 0xFF bytes, which UTF-8 never uses) come back from encoding and decoding as they were
// stored, line breaks as CR LF, wherever the format can hold them: a day's text must not contain
// the separator or end in a way that completes one ("…||MySeparator123" does, with the
// separator's own "||"); the notes may contain it, but must not end that way either.
#include "schedule/week_record.h"

#include <cstdint>
#include <cstdlib>

namespace {

const QString kSeparator = QStringLiteral("||MySeparator123||");

// The text as the record stores it: every line break as CR LF.
QString stored(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == u'\n' && (i == 0 || text[i - 1] != u'\r')) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            result += u"\r\n";
        else
            result += c;
    }
    return result;
}

// Whether splitting `text` followed by a separator, left to right, ends on that separator.
bool endsWhereItShould(const QString &text, bool mayContainSeparator)
{
    const QString ended = text + kSeparator;
    if (!mayContainSeparator)
        return ended.indexOf(kSeparator) == text.size();
    qsizetype end = 0;
    for (qsizetype at = 0; (at = ended.indexOf(kSeparator, at)) >= 0; at = end)
        end = at + kSeparator.size();
    return end == ended.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (decodeWeekRecord(QString::fromUtf8(bytes)).size() > kWeekFieldCount)
        std::abort();

    WeekTexts texts;
    const QList<QByteArray> pieces = bytes.split('\xff');
    for (int i = 0; i < kWeekFieldCount && i < pieces.size(); ++i)
        texts[i] = QString::fromUtf8(pieces[i]);
    for (int i = 0; i < kWeekFieldCount; ++i) {
        if (!endsWhereItShould(stored(texts[i]), i == kNotesField))
            return 0; // a limit of the stored format, stated in the README
    }
    const QStringList back = decodeWeekRecord(QString::fromUtf8(encodeWeekRecord(texts)));
    if (back.size() != kWeekFieldCount)
        std::abort();
    for (int i = 0; i < kWeekFieldCount; ++i) {
        if (back[i] != stored(texts[i]))
            std::abort();
    }
    return 0;
}
