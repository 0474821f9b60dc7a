// Finding words in stored weeks. The bytes a database holds are folded without being decoded, to
// rule weeks out quickly: for any bytes that folding stays within them, and for valid UTF-8 it
// gives exactly what folding the decoded text gives, so that no week that matches is ruled out.
// A query made of the input's first line matches its rest exactly when every term is in the
// rest's folded text.
#include "find/text_match.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    std::string folded;
    TextMatch::foldUtf8(bytes, folded); // within bounds for any bytes: the sanitizers watch

    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes) { // valid UTF-8
        const TextMatch::Folded byText = TextMatch::fold(text);
        if (byText.text.toStdString() != folded)
            std::abort();
        if (byText.origin.size() != byText.text.size() + 1 || byText.origin.last() != text.size())
            std::abort();

        const qsizetype lineEnd = text.indexOf(u'\n');
        const TextMatch::Query query(text.left(lineEnd < 0 ? 0 : lineEnd));
        const QString rest = text.mid(lineEnd + 1);
        QList<TextMatch::Span> spans;
        const bool matches = query.matches(rest, &spans);
        const QString restFolded = TextMatch::fold(rest).text;
        bool every = !query.isEmpty();
        for (const QString &term : query.terms())
            every = every && restFolded.contains(term);
        if (matches != every)
            std::abort();
        for (const TextMatch::Span &span : spans) {
            if (span.start < 0 || span.length < 0 || span.start + span.length > rest.size())
                std::abort();
        }
    }
    return 0;
}
