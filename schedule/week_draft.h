#pragma once

#include "week_record.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <QDate>
#include <thread>

// The shown week's texts kept beside the database while the user types, so that a crash, a
// kill -9 or a power cut loses at most the last seconds of typing: "dbCalendar.mdb.draft",
// the week's first day and its record as the database would hold it. The file is only ever
// replaced whole (written to a temporary file, synced to disk, renamed over the old one).
namespace WeekDraft {

struct Draft
{
    QDate firstDay;
    QByteArray record; // as encodeWeekRecord gives it
};

// A draft larger than this is no week the window could have held.
inline constexpr qint64 kMaxBytes = qint64(256) << 20;

QString pathFor(const QString &databasePath);
// Replaces the draft at `path` with the week of `firstDay` holding `texts`. False when the
// folder takes no file.
bool write(const QString &path, QDate firstDay, const WeekTexts &texts);
// The draft at `path`; nothing when there is none. A file that is there but is no draft gives
// nothing and says why in `error`.
std::optional<Draft> read(const QString &path, QString *error);

} // namespace WeekDraft

// Writes drafts on a thread of its own, so that a large week never holds up the window. Only the
// newest draft asked for is written; one asked for while another is being written waits for it.
class DraftKeeper
{
public:
    explicit DraftKeeper(QString path);
    ~DraftKeeper(); // finishes a write under way
    DraftKeeper(const DraftKeeper &) = delete;
    DraftKeeper &operator=(const DraftKeeper &) = delete;

    QString path() const { return m_path; }
    void keep(QDate firstDay, WeekTexts texts);
    // The week is in the database: drops a draft not yet written, waits for one being written,
    // and removes the file.
    void discard();
    // Waits until every draft asked for is on disk (for tests and benchmarks).
    void waitUntilWritten();

private:
    void run();

    const QString m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<std::pair<QDate, WeekTexts>> m_pending;
    bool m_writing = false;
    bool m_written = false; // a draft of this run may be on disk
    bool m_stopping = false;
    std::thread m_thread;
};
