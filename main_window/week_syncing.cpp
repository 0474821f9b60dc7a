#include "week_syncing.h"

#include "desktop/alerts.h"
#include "desktop/clock.h"
#include "schedule/calendar_connection.h"
#include "schedule/week.h"
#include "sync/merge.h"
#include "sync/sync_state.h"
#include "sync_window/sync_dialog.h"
#include "sync_window/sync_runner.h"
#include "sync_window/sync_status.h"
#include "week_page.h"

#include <algorithm>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>

namespace {

// Whether the sync changed a day of the week that starts on `week` (its notes count as its
// Sunday).
bool touches(const QList<QDate> &changed, QDate week)
{
    return std::any_of(changed.begin(), changed.end(), [week](QDate day) {
        return day >= week && day < week.addDays(kDaysPerWeek);
    });
}

// A box's text as the window wrote it while the sync ran (`after`, from `before`), and as the
// sync left it (`there`): the words of both.
QString keptBoth(const QString &before, const QString &after, const QString &there,
                 const QDateTime &now)
{
    if (there == after || there.contains(after))
        return there; // the sync read the window's text, or left it alone
    return SyncMerge::merge(before, after, there, now).text;
}

// Puts `text` in the box as one step the user can undo, keeping the cursor, the selection and
// the scrolled place where the text still reaches them.
void replaceText(QPlainTextEdit *box, const QString &text)
{
    QTextCursor cursor = box->textCursor();
    const int position = cursor.position();
    const int anchor = cursor.anchor();
    const int scrolled = box->verticalScrollBar()->value();
    QTextCursor all(box->document());
    all.beginEditBlock();
    all.select(QTextCursor::Document);
    all.insertText(text);
    all.endEditBlock();
    const int end = box->document()->characterCount() - 1;
    cursor.setPosition(std::min(anchor, end));
    cursor.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->verticalScrollBar()->setValue(scrolled);
}

} // namespace

WeekSyncing::WeekSyncing(Window window, QObject *parent)
    : QObject(parent), m_window(std::move(window))
{
    m_tipClock.setInterval(kTipInterval);
    connect(&m_tipClock, &QTimer::timeout, this, &WeekSyncing::showStatus);
    m_window.page->setWritten([this](QDate week, const WeekTexts &before, const WeekTexts &after) {
        weekWritten(week, before, after);
    });
}

// The window's week page is gone by now (the window's members go before its children).
WeekSyncing::~WeekSyncing() = default;

void WeekSyncing::start()
{
    if (m_runner)
        return;
    // Only a look for the file where sync was never set up.
    const QString statePath = SyncState::pathFor(m_window.databasePath);
    if (!QFileInfo::exists(statePath))
        return;
    SyncState state;
    if (!state.open(statePath) || !state.account().isSet())
        return;
    makeRunner();
    m_runner->start();
    showStatus();
}

void WeekSyncing::makeRunner()
{
    m_runner = new SyncRunner(m_window.databasePath, this);
    const Clock *clock = m_window.clock;
    m_runner->setClock([clock] { return clock->now(); });
    m_runner->setBeforeRun([this] { return beforeRun(); });
    connect(m_runner, &SyncRunner::finished, this, &WeekSyncing::finished);
    connect(m_runner, &SyncRunner::passwordNeeded, this, &WeekSyncing::askForPassword);
    if (m_prepareRunner)
        m_prepareRunner(*m_runner);
    m_tipClock.start();
}

void WeekSyncing::dropRunner()
{
    delete std::exchange(m_runner, nullptr); // a sync under way is stopped
    m_writtenDuringRun.clear();
    m_tipClock.stop();
    m_window.setTrayTip(SyncStatus::tip(QString()));
}

SyncDialog &WeekSyncing::dialog()
{
    if (m_dialog)
        return *m_dialog;
    m_dialog = new SyncDialog(m_window.databasePath, m_window.main);
    connect(m_dialog, &SyncDialog::connected, this, [this](const QString &password) {
        const bool first = !m_runner;
        if (first)
            makeRunner();
        m_passwordAsked = false;
        m_runner->setPassword(password);
        if (first)
            m_runner->start();
        m_onDemand = true; // what it comes to is worth telling
        m_runner->stop();  // one under way syncs with what the account was: the next one follows
        m_runner->runNow();
        showStatus();
    });
    connect(m_dialog, &SyncDialog::forgotten, this, &WeekSyncing::dropRunner);
    if (m_prepareDialog)
        m_prepareDialog(*m_dialog);
    return *m_dialog;
}

void WeekSyncing::openDialog(const QString &why)
{
    dialog().ask(why);
}

void WeekSyncing::syncNow()
{
    if (!m_runner) {
        openDialog(tr("Sync is not set up yet: type your CalDAV server's address, your user "
                      "name and your password, then press Connect."));
        return;
    }
    m_onDemand = true;
    m_passwordAsked = false; // asked for by the user: asked again where it must be
    m_runner->runNow();
}

void WeekSyncing::finishAtClose()
{
    m_closing = true;
    if (m_runner)
        m_runner->finishWithin(kLastSyncLimit);
}

// The sync reads the week as saved: what is typed goes with it.
bool WeekSyncing::beforeRun()
{
    m_savingForSync = true;
    const bool saved = m_window.saveShownWeek();
    m_savingForSync = false;
    return saved;
}

void WeekSyncing::weekWritten(QDate week, const WeekTexts &before, const WeekTexts &after)
{
    if (!m_runner)
        return;
    if (m_runner->isRunning()) {
        const auto written = m_writtenDuringRun.find(week);
        if (written == m_writtenDuringRun.end())
            m_writtenDuringRun.insert(week, {before, after});
        else
            written->after = after;
    }
    if (!m_savingForSync)
        m_runner->runSoon();
}

void WeekSyncing::finished(const SyncOutcome &outcome)
{
    showStatus();
    const QMap<QDate, Written> written = std::exchange(m_writtenDuringRun, {});
    const bool onDemand = std::exchange(m_onDemand, false);
    if (m_closing)
        return; // the close has saved; what the sync wrote is in the database
    QList<QDate> conflictDays = outcome.conflictDays;
    if (!outcome.changedDays.isEmpty()) {
        const QDate shown = m_window.page->weekStart();
        for (auto week = written.begin(); week != written.end(); ++week) {
            if (week.key() != shown && touches(outcome.changedDays, week.key()))
                keepBothInStored(week.key(), week.value());
        }
        if (touches(outcome.changedDays, shown)) {
            const auto during = written.constFind(shown);
            for (const QDate day : takeIntoShownWeek(
                     during == written.cend() ? std::nullopt : std::optional<Written>(*during))) {
                if (!conflictDays.contains(day))
                    conflictDays.append(day);
            }
        }
        if (m_window.storedWeeksChanged)
            m_window.storedWeeksChanged();
    }
    std::sort(conflictDays.begin(), conflictDays.end());
    tell(outcome, conflictDays, onDemand);
    emit synced(outcome);
}

void WeekSyncing::tell(const SyncOutcome &outcome, QList<QDate> conflictDays, bool onDemand)
{
    if (!conflictDays.isEmpty()) {
        const QLocale locale;
        QStringList days;
        for (const QDate day : conflictDays)
            days.append(locale.toString(day, QLocale::LongFormat));
        m_window.alerts->notice(
            tr("%n day(s) changed both here and on another device; each such box now holds "
               "both texts, one after the other: %1.", nullptr, int(days.size()))
                .arg(locale.createSeparatedList(days)));
    } else if (!outcome.untrustedCertificate.isEmpty()) {
        m_window.alerts->notice(tr("The server's certificate is no longer the one you trusted, "
                                   "so sync has stopped. Open Sync… to check it."));
    } else if (outcome.result == SyncOutcome::Result::Failed && onDemand &&
               !outcome.passwordRefused) {
        m_window.alerts->notice(tr("Sync failed: %1").arg(outcome.message));
    }
}

// The shown week as the sync left its row: a box the user has not changed since the save
// before the sync shows the new text; a box changed meanwhile gets both texts, and is saved.
QList<QDate> WeekSyncing::takeIntoShownWeek(const std::optional<Written> &during)
{
    WeekPage &page = *m_window.page;
    const std::optional<WeekTexts> stored = page.readStored();
    if (!stored) {
        m_window.alerts->error(page.errorText());
        return {};
    }
    const WeekTexts base = page.storedTexts();
    const WeekTexts here = page.texts();
    const QDateTime now = m_window.clock->now();
    bool changed = false;
    QList<QDate> conflictDays;
    for (int k = 0; k < kWeekFieldCount; ++k) {
        QString there = (*stored)[k];
        if (there == base[k])
            continue; // the sync left this box alone: nothing of it is touched
        changed = true;
        if (during)
            there = keptBoth(during->before[k], during->after[k], there, now);
        if (here[k] == base[k]) {
            replaceText(m_window.boxes[k], there);
            continue;
        }
        const SyncMerge::Result merged = SyncMerge::merge(base[k], here[k], there, now);
        if (merged.text != here[k])
            replaceText(m_window.boxes[k], merged.text);
        if (merged.conflict)
            conflictDays.append(page.weekStart().addDays(k % kDaysPerWeek));
    }
    if (!changed)
        return {};
    page.takeStored(*stored);
    m_window.saveShownWeek(); // where a box differs from the row: both texts, on to the server
    return conflictDays;
}

// A week the window wrote while the sync ran, and the sync wrote after it: its row gets the
// words of both.
void WeekSyncing::keepBothInStored(QDate week, const Written &written)
{
    CalendarConnection &connection = *m_window.connection;
    std::optional<QString> record;
    if (!connection.loadWeekData(week, record))
        return m_window.alerts->error(connection.lastError());
    const QStringList fields = record ? decodeWeekRecord(*record) : QStringList();
    WeekTexts texts;
    bool changed = false;
    const QDateTime now = m_window.clock->now();
    for (int k = 0; k < kWeekFieldCount; ++k) {
        const QString there = SyncMerge::withLfBreaks(fields.value(k));
        texts[k] = keptBoth(written.before[k], written.after[k], there, now);
        changed = changed || texts[k] != there;
    }
    if (!changed)
        return;
    if (!connection.saveWeekData(week, encodeWeekRecord(texts)))
        return m_window.alerts->error(connection.lastError());
    m_runner->runSoon();
}

void WeekSyncing::askForPassword()
{
    showStatus();
    if (m_closing || std::exchange(m_passwordAsked, true))
        return;
    openDialog(tr("The server refused the password, or none is kept for this account: type it "
                  "and press Connect."));
}

void WeekSyncing::showStatus()
{
    if (m_runner)
        m_window.setTrayTip(SyncStatus::tip(SyncStatus::line(m_runner->facts())));
}
