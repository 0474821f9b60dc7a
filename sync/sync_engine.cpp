#include "sync_engine.h"

#include "caldav_requests.h"
#include "journal_entry.h"
#include "merge.h"
#include "multistatus.h"
#include "sync_state.h"

#include "export/stored_weeks.h"
#include "schedule/calendar_connection.h"
#include "schedule/week.h"
#include "schedule/week_record.h"

#include <map>
#include <set>
#include <QHash>
#include <QHostAddress>
#include <QSet>

namespace {

constexpr int kMultigetBatch = 200;
// Why a text was replaced, kept in the history as written here and translated when shown, so
// that the history reads in the language of whoever reads it.
const char *const kChanged = QT_TRANSLATE_NOOP("SyncEngine", "changed by a sync");
const char *const kAdopted =
    QT_TRANSLATE_NOOP("SyncEngine", "an entry of another program was added");
constexpr int kConflictRounds = 3;

// A box: its week's Sunday and 0-7 (7: the week's notes).
using BoxKey = std::pair<QDate, int>;

QDate dayOfBox(const BoxKey &box)
{
    return box.second == kNotesField ? box.first : box.first.addDays(box.second);
}

// What the server holds for one of this program's boxes, where it changed since the last sync.
struct RemoteBox
{
    QString key;
    QByteArray etag;
    QString text; // empty: the entry is gone
    QDateTime modified;
};

// Another program's journal entry for a day.
struct Foreign
{
    QString key;
    QByteArray etag;
    QDate day;
    QString text;
};

class Round
{
    Q_DECLARE_TR_FUNCTIONS(SyncEngine)

public:
    explicit Round(const SyncEngine::Setup &setup) : m_setup(setup) {}
    SyncOutcome run();

private:
    bool fail(const QString &message);
    bool failWith(const DavReply &reply, const QString &doing);
    DavReply stream(DavRequest request, const std::function<void(const DavResponse &)> &take,
                    QString *token = nullptr);
    bool listChanges(const QString &from, QString &token, bool &viaToken);
    bool keepToken(const QString &token);
    bool listByEtags();
    bool fetchWanted();
    void takeGone(const QString &key);
    void takeEntry(const QString &key, const QByteArray &etag, const QByteArray &data);
    bool readLocal();
    bool writeBoxes(const std::map<BoxKey, QString> &texts, const char *why);
    bool settle();
    bool upload(const QList<BoxKey> &boxes);
    bool resolveConflict(const BoxKey &box);
    bool removeAdopted();
    QString localText(const BoxKey &box) const;
    int countWaitingDays();
    QByteArray entryFor(const BoxKey &box, const QString &text) const;

    const SyncEngine::Setup &m_setup;
    SyncOutcome m_outcome;
    SyncState m_state;
    SyncAccount m_account;
    std::unique_ptr<DavClient> m_client;
    CalendarConnection m_weeks;
    QDateTime m_now;

    QHash<QString, KnownEntry> m_known;           // by key
    std::map<BoxKey, QString> m_ownKeys;          // the key of each box known on the server
    std::map<BoxKey, RemoteBox> m_remoteBoxes;    // boxes changed on the server
    QList<Foreign> m_foreign;                     // other programs' entries, new or changed
    std::map<BoxKey, QString> m_local;            // every box with text here, LF breaks
    std::map<BoxKey, QString> m_target;           // what each box is to hold on both sides
    QSet<QDate> m_conflicts;
    QStringList m_wanted;              // changed resources whose entries are still to be read
    bool m_listingIncomplete = false;  // the server left some out: the token stays
};

bool Round::fail(const QString &message)
{
    m_state.abandon();
    if (m_outcome.message.isEmpty())
        m_outcome.message = message;
    return false;
}

bool Round::failWith(const DavReply &reply, const QString &doing)
{
    if (reply.failure == DavReply::Failure::Stopped)
        m_outcome.stopped = true;
    if (reply.failure == DavReply::Failure::Untrusted)
        m_outcome.untrustedCertificate = reply.fingerprint;
    if (!reply.answered())
        return fail(reply.error);
    if (reply.status == 401) {
        m_outcome.passwordRefused = true;
        return fail(tr("The server refused the user name or password."));
    }
    return fail(tr("The server answered %1 while %2.").arg(reply.status).arg(doing));
}

SyncOutcome Round::run()
{
    m_now = m_setup.clock();
    if (!m_state.open(SyncState::pathFor(m_setup.databasePath))) {
        fail(m_state.error());
        return m_outcome;
    }
    m_account = m_state.account();
    if (!m_account.isSet()) {
        fail(tr("No sync account is set up."));
        return m_outcome;
    }
    if (m_account.calendar.scheme() == QLatin1String("http") && !DavClient::isLoopback(m_account.calendar) &&
        !m_account.plainHttpConfirmed) {
        fail(tr("%1 is plain HTTP to another computer, which was not allowed.")
                 .arg(m_account.calendar.toString()));
        return m_outcome;
    }
    DavClient::Settings settings;
    settings.user = m_account.user;
    settings.password = m_setup.password;
    settings.pinnedCertificate = m_account.pinnedCertificate;
    settings.timeoutMs = m_setup.timeoutMs;
    settings.connections = m_setup.connections;
    settings.stop = m_setup.stop;
    m_client = std::make_unique<DavClient>(settings);
    if (!m_weeks.open(m_setup.databasePath)) {
        fail(m_weeks.lastError());
        return m_outcome;
    }
    m_known = m_state.entries();
    for (const KnownEntry &entry : std::as_const(m_known)) {
        if (entry.kind == KnownEntry::Kind::Own)
            m_ownKeys[{entry.day, entry.box}] = entry.href;
    }

    QString token;
    bool viaToken = false;
    const auto read = [this] {
        if (!readLocal())
            return false;
        if (m_setup.afterReading)
            m_setup.afterReading();
        return true;
    };
    // From here on this sync changes things: until it ends, the next compares everything.
    const auto beginChanging = [this] {
        return m_state.unsettled() || m_state.setUnsettled(true) || fail(m_state.error());
    };
    const QString from = m_state.unsettled() ? QString() : m_state.token();
    if (listChanges(from, token, viaToken) && fetchWanted() && read() && beginChanging() &&
        settle()) {
        if (viaToken)
            keepToken(token);
        else if (!m_state.setUnsettled(false))
            fail(m_state.error());
    }
    m_outcome.requests = m_client->requestsMade();
    m_outcome.conflictDays = QList<QDate>(m_conflicts.begin(), m_conflicts.end());
    std::sort(m_outcome.conflictDays.begin(), m_outcome.conflictDays.end());
    std::sort(m_outcome.changedDays.begin(), m_outcome.changedDays.end());
    if (!m_outcome.message.isEmpty()) {
        m_outcome.waitingDays = countWaitingDays();
        m_state.setWaitingDays(m_outcome.waitingDays);
        if (m_outcome.waitingDays > 0 && !m_state.waitingSince().isValid())
            m_state.setWaitingSince(m_now);
        m_outcome.result = SyncOutcome::Result::Failed;
        return m_outcome;
    }
    m_state.setLastSync(m_now);
    m_state.setWaitingSince({});
    m_state.setWaitingDays(0);
    m_state.setConflictDays(m_outcome.conflictDays);
    m_outcome.result = m_conflicts.isEmpty() ? SyncOutcome::Result::Synced
                                             : SyncOutcome::Result::SyncedWithConflicts;
    return m_outcome;
}

// Sends `request` and reads its multistatus answer as it comes, each response handed to `take`
// at once, so that a long answer is never held whole. An answer that is damaged or cut short
// comes back as a network failure: nothing of it moves the token.
DavReply Round::stream(DavRequest request,
                       const std::function<void(const DavResponse &)> &take, QString *token)
{
    MultistatusReader answer;
    request.onData = [&](QByteArrayView bytes) {
        answer.addData(bytes);
        if (answer.error().isEmpty()) {
            for (const DavResponse &response : answer.takeResponses())
                take(response);
        }
    };
    DavReply reply = m_client->send(request);
    if (reply.status != 207)
        return reply;
    if (!answer.error().isEmpty() || !answer.finished()) {
        reply.failure = DavReply::Failure::Network;
        reply.status = 0;
        reply.error = answer.error().isEmpty()
                          ? tr("The server's answer was cut short.")
                          : tr("The server's answer was damaged: %1").arg(answer.error());
    } else if (token) {
        *token = answer.syncToken();
    }
    return reply;
}

// The resources changed since the last sync: by the sync token where the server keeps one,
// else by comparing every ETag with the known ones.
bool Round::listChanges(const QString &from, QString &token, bool &viaToken)
{
    const QString collection = CalDav::hrefKey(m_account.calendar, m_account.calendar.path());
    QSet<QString> present; // from no token: every entry the server holds
    const DavReply reply = stream(
        CalDav::syncCollection(m_account.calendar, from),
        [&](const DavResponse &response) {
            const QString key = CalDav::hrefKey(m_account.calendar, response.href);
            if (key == collection || key.endsWith(u'/'))
                return;
            const auto known = m_known.constFind(key);
            if (response.status == 404) {
                takeGone(key);
                return;
            }
            present.insert(key);
            if (known == m_known.cend() || response.etag.isEmpty() ||
                known->etag != response.etag) {
                if (response.calendarData.isEmpty())
                    m_wanted.append(key);
                else
                    takeEntry(key, response.etag, response.calendarData);
            } // else nothing new: ours as uploaded
        },
        &token);
    if (!reply.answered() || reply.status == 401 || reply.status == 507)
        return failWith(reply, tr("listing the changes"));
    if (reply.status != 207) {
        // No token, or one the server no longer takes: compare everything instead.
        if (!m_state.token().isEmpty() && !m_state.setToken(QString()))
            return fail(m_state.error());
        return listByEtags();
    }
    if (from.isEmpty()) {
        // Everything listed: what is known and not there is gone.
        const QList<QString> keys = m_known.keys();
        for (const QString &key : keys) {
            if (!present.contains(key))
                takeGone(key);
        }
    }
    viaToken = !token.isEmpty();
    return true;
}

// After this sync's own uploads: the token moves past them where the server's list of changes
// since the listing holds nothing else, so that the next listing starts after them. Otherwise
// the listing's token is kept and the next sync compares everything.
bool Round::keepToken(const QString &token)
{
    bool settled = !m_listingIncomplete;
    QString last = token;
    if (settled && m_outcome.sent + m_outcome.removed > 0) {
        const QString collection = CalDav::hrefKey(m_account.calendar, m_account.calendar.path());
        QString after;
        const DavReply reply = stream(
            CalDav::syncCollection(m_account.calendar, token, false),
            [&](const DavResponse &response) {
                const QString key = CalDav::hrefKey(m_account.calendar, response.href);
                if (key == collection || key.endsWith(u'/'))
                    return;
                const auto known = m_known.constFind(key);
                if (response.status == 404 ? known != m_known.cend()
                                           : known == m_known.cend() || known->etag.isEmpty() ||
                                                 known->etag != response.etag)
                    settled = false;
            },
            &after);
        settled = settled && reply.status == 207 && !after.isEmpty();
        if (settled)
            last = after;
    }
    const bool kept = m_state.begin() && m_state.setToken(last) &&
                      m_state.setUnsettled(!settled) && m_state.commit();
    return kept || fail(m_state.error());
}

bool Round::listByEtags()
{
    QSet<QString> present;
    const DavReply reply = stream(
        CalDav::propfind(m_account.calendar, 1,
                         {QStringLiteral("D:getetag"), QStringLiteral("D:resourcetype")}),
        [&](const DavResponse &response) {
            const QString key = CalDav::hrefKey(m_account.calendar, response.href);
            if (response.isCollection || key.endsWith(u'/') || response.status == 404)
                return;
            present.insert(key);
            const auto known = m_known.constFind(key);
            if (known == m_known.cend() || response.etag.isEmpty() || known->etag != response.etag)
                m_wanted.append(key);
        });
    if (reply.status != 207)
        return failWith(reply, tr("listing the entries"));
    const QList<QString> keys = m_known.keys();
    for (const QString &key : keys) {
        if (!present.contains(key))
            takeGone(key);
    }
    return true;
}

// The entries of changed resources that the listing did not carry, a batch per request. One
// the server leaves out is not taken for gone: it is read again next time.
bool Round::fetchWanted()
{
    for (qsizetype first = 0; first < m_wanted.size(); first += kMultigetBatch) {
        const QStringList batch = m_wanted.mid(first, kMultigetBatch);
        QSet<QString> waiting(batch.begin(), batch.end());
        const DavReply reply = stream(
            CalDav::multiget(m_account.calendar, batch), [&](const DavResponse &response) {
                const QString key = CalDav::hrefKey(m_account.calendar, response.href);
                if (!waiting.remove(key))
                    return;
                if (response.status == 404) {
                    if (m_known.contains(key))
                        takeGone(key);
                } else if (!response.calendarData.isEmpty()) {
                    takeEntry(key, response.etag, response.calendarData);
                } else {
                    waiting.insert(key);
                }
            });
        if (reply.status != 207)
            return failWith(reply, tr("reading the entries"));
        if (!waiting.isEmpty())
            m_listingIncomplete = true;
    }
    return true;
}

// A resource known from an earlier sync that the server no longer has.
void Round::takeGone(const QString &key)
{
    const auto known = m_known.constFind(key);
    if (known == m_known.cend())
        return;
    if (known->kind == KnownEntry::Kind::Own)
        m_remoteBoxes[{known->day, known->box}] = {key, {}, {}, m_now};
    else if (m_state.removeEntry(key))
        m_known.remove(key);
}

// A resource new or changed on the server, with its entry.
void Round::takeEntry(const QString &key, const QByteArray &etag, const QByteArray &data)
{
    const JournalEntries::Reading reading = JournalEntries::read(data);
    if (reading.holdsOtherComponents || reading.journals.size() != 1 ||
        !reading.error.isEmpty()) {
        KnownEntry other;
        other.href = key;
        other.etag = etag;
        other.kind = KnownEntry::Kind::Other;
        m_state.putEntry(other);
        return;
    }
    const JournalEntry &entry = reading.journals.first();
    const QString text = SyncMerge::withLfBreaks(entry.description);
    const QDateTime modified = entry.modified.isValid() ? entry.modified : m_now;
    QDate week;
    int box = -1;
    if (!CalDav::boxOfUid(entry.uid, week, box)) {
        m_foreign.append({key, etag, entry.day, text});
        return;
    }
    const BoxKey ours{week, box};
    const auto own = m_ownKeys.find(ours);
    if (own != m_ownKeys.end() && own->second != key)
        return; // a second resource for one box (copied by another program): left as it is
    m_ownKeys[ours] = key;
    m_remoteBoxes[ours] = {key, etag, text, modified};
}

bool Round::readLocal()
{
    StoredWeeks weeks;
    if (!weeks.open(m_setup.databasePath))
        return fail(weeks.error());
    QDate week;
    StoredWeeks::Texts texts;
    while (weeks.next(week, texts)) {
        for (int box = 0; box < kWeekFieldCount; ++box) {
            if (!texts[std::size_t(box)].isEmpty())
                m_local[{week, box}] =
                    SyncMerge::withLfBreaks(QString::fromUtf8(texts[std::size_t(box)]));
        }
    }
    return weeks.error().isEmpty() || fail(weeks.error());
}

// The days whose text here differs from what the server last had, after a sync that did not
// end: what the tray tells as waiting.
int Round::countWaitingDays()
{
    if (m_local.empty() && !readLocal())
        return 0; // the first failure is the one told
    std::map<BoxKey, QString> bases;
    for (const KnownEntry &entry : std::as_const(m_known)) { // as the state holds them
        if (entry.kind == KnownEntry::Kind::Own)
            bases[{entry.day, entry.box}] = entry.base;
    }
    QSet<QDate> days;
    for (const auto &[box, text] : m_local) {
        const auto base = bases.find(box);
        if (base == bases.end() || base->second != text)
            days.insert(dayOfBox(box));
    }
    for (const auto &[box, base] : bases) {
        if (!m_local.count(box))
            days.insert(dayOfBox(box)); // emptied here, still on the server
    }
    return int(days.size());
}

QString Round::localText(const BoxKey &box) const
{
    const auto found = m_local.find(box);
    return found == m_local.end() ? QString() : found->second;
}

// Writes the boxes' new texts into their weeks, each week as it is stored now with only those
// boxes changed, and keeps what each held before.
bool Round::writeBoxes(const std::map<BoxKey, QString> &texts, const char *why)
{
    std::map<QDate, std::map<int, QString>> byWeek;
    for (const auto &[box, text] : texts)
        byWeek[box.first][box.second] = text;
    QList<QDate> weeks;
    for (const auto &[week, boxes] : byWeek)
        weeks.append(week);
    std::map<BoxKey, QString> written;
    bool kept = true;
    const auto change = [&](QDate week,
                            const std::optional<QString> &record) -> std::optional<QByteArray> {
        WeekTexts fields;
        const QStringList stored = record ? decodeWeekRecord(*record) : QStringList();
        for (int box = 0; box < kWeekFieldCount; ++box)
            fields[std::size_t(box)] = stored.value(box);
        QList<HistoryItem> replaced;
        std::map<int, QString> texts;
        for (const auto &[box, wanted] : byWeek[week]) {
            const QString before = SyncMerge::withLfBreaks(fields[std::size_t(box)]);
            // Saved by the window since this sync read it: both kept, never written over.
            const QString read = localText({week, box});
            const QString text =
                before == read ? wanted : SyncMerge::merge(read, before, wanted, m_now).text;
            if (before == text)
                continue;
            if (!before.isEmpty())
                replaced.append({dayOfBox({week, box}), box, m_now, QString::fromLatin1(why),
                                 before});
            texts[box] = text;
        }
        if (texts.empty() || !kept)
            return std::nullopt;
        // What a text was is kept before the week changes: a sync cut short between the two
        // leaves a line too many in the history, never a text lost.
        if (!replaced.isEmpty()) {
            kept = m_state.begin();
            for (const HistoryItem &item : std::as_const(replaced))
                kept = kept && m_state.addHistory(item);
            kept = kept && m_state.commit();
            if (!kept)
                return std::nullopt;
        }
        for (const auto &[box, text] : texts) {
            fields[std::size_t(box)] = text;
            written[{week, box}] = text;
        }
        return encodeWeekRecord(fields);
    };
    if (!m_weeks.updateWeeks(weeks, change))
        return fail(m_weeks.lastError());
    if (!kept)
        return fail(m_state.error());
    for (const auto &[box, text] : written) {
        m_local[box] = text;
        m_outcome.changedDays.append(dayOfBox(box));
    }
    return true;
}

QByteArray Round::entryFor(const BoxKey &box, const QString &text) const
{
    const QString summary =
        box.second == kNotesField
            ? QStringLiteral("Notes for the week of %1").arg(box.first.toString(Qt::ISODate))
            : JournalEntries::summaryOf(text);
    return JournalEntries::build(CalDav::uidOf(box.first, box.second), box.first.addDays(
                                     box.second == kNotesField ? 0 : box.second),
                                 summary, text, m_now);
}

// Works out each box's text from the base, here and the server, writes what changed here,
// then sends what changed there.
bool Round::settle()
{
    std::set<BoxKey> boxes;
    for (const auto &[box, text] : m_local)
        boxes.insert(box);
    for (const auto &[box, key] : m_ownKeys)
        boxes.insert(box);
    for (const auto &[box, remote] : m_remoteBoxes)
        boxes.insert(box);

    // Other programs' entries join their day's text, once.
    std::map<BoxKey, QString> adopted;
    for (const Foreign &entry : std::as_const(m_foreign)) {
        const BoxKey box{firstDayOfWeek(entry.day), weekdayNumber(entry.day) - 1};
        boxes.insert(box);
        QString &text = adopted.try_emplace(box, localText(box)).first->second;
        if (!entry.text.isEmpty() && !text.contains(entry.text))
            text = text.isEmpty() ? entry.text : text + u'\n' + entry.text;
    }
    if (!adopted.empty() && !writeBoxes(adopted, kAdopted))
        return false;
    for (const Foreign &entry : std::as_const(m_foreign)) {
        KnownEntry known;
        known.href = entry.key;
        known.etag = entry.etag;
        known.kind = KnownEntry::Kind::Adopted;
        known.day = entry.day;
        known.base = entry.text;
        if (!m_state.putEntry(known))
            return fail(m_state.error());
        m_known.insert(known.href, known);
    }

    std::map<BoxKey, QString> merged;
    QList<BoxKey> toSend, received;
    for (const BoxKey &box : boxes) {
        const auto knownKey = m_ownKeys.find(box);
        const KnownEntry *known = nullptr;
        if (knownKey != m_ownKeys.end()) {
            const auto found = m_known.constFind(knownKey->second);
            if (found != m_known.cend() && found->kind == KnownEntry::Kind::Own)
                known = &*found;
        }
        const auto remote = m_remoteBoxes.find(box);
        const std::optional<QString> base =
            known ? std::optional<QString>(known->base) : std::nullopt;
        const QString there = remote != m_remoteBoxes.end() ? remote->second.text
                                                            : (known ? known->base : QString());
        const QString here = localText(box);
        const SyncMerge::Result result = SyncMerge::merge(
            base, here, there,
            remote != m_remoteBoxes.end() ? remote->second.modified : m_now);
        if (result.conflict)
            m_conflicts.insert(dayOfBox(box));
        m_target[box] = result.text;
        if (result.text != here)
            merged[box] = result.text;
        const bool onServer = remote != m_remoteBoxes.end() ? !remote->second.text.isEmpty()
                                                            : known != nullptr;
        if (result.text != there || (result.text.isEmpty() ? onServer : !onServer)) {
            toSend.append(box);
        } else if (remote != m_remoteBoxes.end()) {
            received.append(box); // the server's text stands: the new base, once written here
        }
    }
    if (!merged.empty() && !writeBoxes(merged, kChanged))
        return false;
    if (!m_state.begin())
        return fail(m_state.error());
    for (const BoxKey &box : std::as_const(received)) {
        const RemoteBox &remote = m_remoteBoxes.at(box);
        const QString &text = m_target[box];
        if (text.isEmpty()) {
            if (!m_state.removeEntry(remote.key))
                return fail(m_state.error());
            m_known.remove(remote.key);
            m_ownKeys.erase(box);
        } else {
            const KnownEntry entry{remote.key, remote.etag, KnownEntry::Kind::Own, box.first,
                                   box.second, text};
            if (!m_state.putEntry(entry))
                return fail(m_state.error());
            m_known.insert(entry.href, entry);
        }
        ++m_outcome.received;
    }
    if (!m_state.commit())
        return fail(m_state.error());
    return upload(toSend) && removeAdopted();
}

// Sends each box's text to the server, a few at once, each only if the server still holds
// what this side last saw; a box the server changed meanwhile is merged and sent again.
bool Round::upload(const QList<BoxKey> &boxes)
{
    QList<DavRequest> requests;
    for (const BoxKey &box : boxes) {
        const QString &text = m_target[box];
        const auto remote = m_remoteBoxes.find(box);
        const auto keyAt = m_ownKeys.find(box);
        const QString key = keyAt != m_ownKeys.end()
                                ? keyAt->second
                                : CalDav::newEntryKey(m_account.calendar, box.first, box.second);
        const auto known = m_known.constFind(key);
        const bool onServer = remote != m_remoteBoxes.end() ? !remote->second.text.isEmpty()
                                                            : known != m_known.cend();
        const QByteArray etag = remote != m_remoteBoxes.end()
                                    ? remote->second.etag
                                    : (known != m_known.cend() ? known->etag : QByteArray());
        const QUrl url = CalDav::urlOf(m_account.calendar, key);
        if (text.isEmpty())
            requests.append(CalDav::remove(url, etag));
        else
            requests.append(CalDav::put(url, entryFor(box, text), etag, !onServer));
        m_ownKeys[box] = key;
    }
    QList<BoxKey> conflicted;
    bool stopped = false;
    m_client->sendAll(requests, [&](qsizetype index, const DavReply &reply) {
        const BoxKey &box = boxes[index];
        const QString key = m_ownKeys[box];
        const bool removing = requests[index].method == "DELETE";
        if (reply.status == 412 || reply.status == 409 || reply.status == 207) {
            conflicted.append(box);
            return true;
        }
        if (reply.ok() || (removing && reply.status == 404)) {
            if (removing) {
                m_state.removeEntry(key);
                m_known.remove(key);
                m_ownKeys.erase(box);
                ++m_outcome.removed;
            } else {
                const KnownEntry entry{key, reply.etag, KnownEntry::Kind::Own, box.first,
                                       box.second, m_target[box]};
                m_state.putEntry(entry);
                m_known.insert(key, entry);
                ++m_outcome.sent;
            }
            return true;
        }
        failWith(reply, tr("sending the text of %1").arg(dayOfBox(box).toString(Qt::ISODate)));
        stopped = !reply.answered() || reply.status == 401;
        return !stopped;
    });
    if (stopped)
        return false;
    for (const BoxKey &box : std::as_const(conflicted)) {
        if (!resolveConflict(box))
            return false;
    }
    return m_outcome.message.isEmpty();
}

// The server changed the box's entry between the listing and the upload: read it again,
// merge, send again, a few times at the most.
bool Round::resolveConflict(const BoxKey &box)
{
    for (int round = 0; round < kConflictRounds; ++round) {
        const QString key = m_ownKeys[box];
        const QUrl url = CalDav::urlOf(m_account.calendar, key);
        const DavReply current = m_client->send(CalDav::get(url));
        if (!current.answered() || (current.status != 200 && current.status != 404) ||
            current.status == 401)
            return failWith(current, tr("reading an entry again"));
        QString there;
        QDateTime modified = m_now;
        if (current.status == 200) {
            if (!current.body.trimmed().endsWith("END:VCALENDAR"))
                return fail(tr("The entry for %1 came cut short.")
                                .arg(dayOfBox(box).toString(Qt::ISODate)));
            const JournalEntries::Reading reading = JournalEntries::read(current.body);
            if (reading.journals.size() != 1 || reading.holdsOtherComponents)
                return fail(tr("The entry for %1 on the server is not a journal entry.")
                                .arg(dayOfBox(box).toString(Qt::ISODate)));
            there = SyncMerge::withLfBreaks(reading.journals.first().description);
            if (reading.journals.first().modified.isValid())
                modified = reading.journals.first().modified;
        }
        const auto found = m_known.constFind(key);
        const std::optional<QString> base =
            found != m_known.cend() && found->kind == KnownEntry::Kind::Own
                ? std::optional<QString>(found->base)
                : std::nullopt;
        const SyncMerge::Result result = SyncMerge::merge(base, localText(box), there, modified);
        if (result.conflict)
            m_conflicts.insert(dayOfBox(box));
        m_target[box] = result.text;
        if (result.text != localText(box) &&
            !writeBoxes({{box, result.text}}, kChanged))
            return false;
        const QByteArray etag = current.status == 200 ? current.etag : QByteArray();
        if (result.text == there) {
            if (current.status == 404 || result.text.isEmpty()) {
                m_state.removeEntry(key);
                m_known.remove(key);
            } else {
                const KnownEntry entry{key, etag, KnownEntry::Kind::Own, box.first, box.second,
                                       result.text};
                m_state.putEntry(entry);
                m_known.insert(key, entry);
            }
            return true;
        }
        const DavReply sent =
            result.text.isEmpty()
                ? m_client->send(CalDav::remove(url, etag))
                : m_client->send(CalDav::put(url, entryFor(box, result.text), etag,
                                             current.status == 404));
        if (sent.status != 207 && (sent.ok() || (result.text.isEmpty() && sent.status == 404))) {
            if (result.text.isEmpty()) {
                m_state.removeEntry(key);
                m_known.remove(key);
                ++m_outcome.removed;
            } else {
                const KnownEntry entry{key, sent.etag, KnownEntry::Kind::Own, box.first,
                                       box.second, result.text};
                m_state.putEntry(entry);
                m_known.insert(key, entry);
                ++m_outcome.sent;
            }
            return true;
        }
        if (sent.status != 412 && sent.status != 409 && sent.status != 207)
            return failWith(sent, tr("sending the text of %1")
                                      .arg(dayOfBox(box).toString(Qt::ISODate)));
    }
    m_listingIncomplete = true; // changing faster than it can be merged: the next goes on
    return true;
}

// Deletes the other programs' entries whose text the day's own entry now holds on the server.
bool Round::removeAdopted()
{
    QList<KnownEntry> done;
    for (const KnownEntry &entry : std::as_const(m_known)) {
        if (entry.kind != KnownEntry::Kind::Adopted)
            continue;
        const BoxKey box{firstDayOfWeek(entry.day), weekdayNumber(entry.day) - 1};
        const auto own = m_ownKeys.find(box);
        if (own == m_ownKeys.end())
            continue;
        const auto ownEntry = m_known.constFind(own->second);
        if (ownEntry == m_known.cend() || !ownEntry->base.contains(entry.base))
            continue;
        done.append(entry);
    }
    for (const KnownEntry &entry : std::as_const(done)) {
        const DavReply reply =
            m_client->send(CalDav::remove(CalDav::urlOf(m_account.calendar, entry.href), entry.etag));
        if (reply.ok() || reply.status == 404) {
            if (!m_state.removeEntry(entry.href))
                return fail(m_state.error());
            m_known.remove(entry.href);
            ++m_outcome.removed;
        } else if (reply.status != 412) { // changed meanwhile: read again next time
            return failWith(reply, tr("removing an entry taken into a day"));
        }
    }
    return true;
}

} // namespace

namespace SyncEngine {

SyncOutcome run(const Setup &setup)
{
    return Round(setup).run();
}

} // namespace SyncEngine
