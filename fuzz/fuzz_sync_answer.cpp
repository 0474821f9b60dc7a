// A CalDAV server's answer, whatever bytes come: never a crash, a hang or a leak; the same
// responses, sync-token and end, or a failure both ways, whether the answer comes at once or in
// two pieces (cut where its first byte says); and every calendar object in it, and the answer
// itself, read as iCalendar. An entry read writes out and reads back with its text unchanged.
#include "sync/journal_entry.h"
#include "sync/multistatus.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool same(const DavResponse &a, const DavResponse &b)
{
    return a.href == b.href && a.status == b.status && a.etag == b.etag &&
           a.calendarData == b.calendarData && a.isCollection == b.isCollection &&
           a.isCalendar == b.isCalendar && a.components == b.components &&
           a.displayName == b.displayName && a.principalHref == b.principalHref &&
           a.calendarHomeHref == b.calendarHomeHref;
}

// Control characters other than the line break and the tab have no place in a text; libical
// trims some of them at a value's ends, and nothing Orvanta writes holds them.
bool plainText(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
            return false;
    }
    return true;
}

void readCalendar(QByteArrayView bytes)
{
    const JournalEntries::Reading reading = JournalEntries::read(bytes);
    if (!reading.error.isEmpty() && (!reading.journals.isEmpty() || reading.holdsOtherComponents))
        std::abort();
    for (const JournalEntry &entry : reading.journals) {
        if (entry.uid.isEmpty() || !entry.day.isValid() || entry.description.contains(u'\r'))
            std::abort();
        if (!plainText(entry.description) || !plainText(entry.uid) || entry.day.year() < 1 ||
            entry.day.year() > 3000) // the days that can be written
            continue;
        const QByteArray written = JournalEntries::build(
            entry.uid, entry.day, JournalEntries::summaryOf(entry.description),
            entry.description, entry.modified);
        const JournalEntries::Reading again = JournalEntries::read(written);
        if (again.journals.size() != 1 || again.journals[0].description != entry.description ||
            again.journals[0].uid != entry.uid || again.journals[0].day != entry.day)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const qsizetype cut = size ? qsizetype(data[0]) * bytes.size() / 256 : 0;

    MultistatusReader whole;
    whole.addData(bytes);
    MultistatusReader split;
    split.addData(bytes.first(cut));
    QList<DavResponse> responses = split.takeResponses();
    split.addData(bytes.sliced(cut));
    responses += split.takeResponses();

    // An answer that fails may fail sooner when it comes at once (bytes that are no UTF-8 are
    // found as they arrive): what was read before is then less, never different.
    const QList<DavResponse> atOnce = whole.takeResponses();
    const bool failed = !whole.error().isEmpty();
    if (failed != !split.error().isEmpty())
        std::abort();
    if (!failed && (atOnce.size() != responses.size() || whole.syncToken() != split.syncToken() ||
                    whole.finished() != split.finished()))
        std::abort();
    for (qsizetype i = 0; i < qMin(atOnce.size(), responses.size()); ++i) {
        if (!same(atOnce[i], responses[i]))
            std::abort();
    }
    for (const DavResponse &response : responses)
        readCalendar(response.calendarData);
    readCalendar(bytes);
    return 0;
}
