#include "week_draft.h"

#include "files/small_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray kHeader = QByteArrayLiteral("Orvanta draft 1\n");

} // namespace

namespace WeekDraft {

QString pathFor(const QString &databasePath)
{
    return databasePath + QStringLiteral(".draft");
}

bool write(const QString &path, QDate firstDay, const WeekTexts &texts)
{
    QSaveFile file(path); // a temporary file, synced and renamed over the old one on commit
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(kHeader + firstDay.toString(Qt::ISODate).toLatin1() + '\n');
    file.write(encodeWeekRecord(texts));
    return file.commit();
}

std::optional<Draft> read(const QString &path, QString *error)
{
    if (const QFileInfo there(path); !there.exists() && !there.isSymLink())
        return std::nullopt;
    const SmallFile file = SmallFile::read(path, kMaxBytes);
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!file.ok())
        return fail(file.problem == SmallFile::TooLarge ? QCoreApplication::translate("WeekDraft", "it is too large")
                    : file.problem == SmallFile::NotARegularFile
                        ? QCoreApplication::translate("WeekDraft", "it is not a file")
                        : file.systemError);
    const qsizetype dayEnd = file.bytes.indexOf('\n', kHeader.size());
    const QDate firstDay =
        dayEnd < 0 ? QDate()
                   : QDate::fromString(QString::fromLatin1(
                                           file.bytes.mid(kHeader.size(), dayEnd - kHeader.size())),
                                       Qt::ISODate);
    if (!file.bytes.startsWith(kHeader) || !firstDay.isValid())
        return fail(QCoreApplication::translate("WeekDraft", "it is not an Orvanta draft"));
    return Draft{firstDay, file.bytes.mid(dayEnd + 1)};
}

} // namespace WeekDraft

DraftKeeper::DraftKeeper(QString path) : m_path(std::move(path)) {}

DraftKeeper::~DraftKeeper()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void DraftKeeper::keep(QDate firstDay, WeekTexts texts)
{
    {
        std::lock_guard lock(m_mutex);
        m_pending.emplace(firstDay, std::move(texts));
        if (!m_thread.joinable()) // started with the first draft, not with the program
            m_thread = std::thread([this] { run(); });
    }
    m_changed.notify_all();
}

void DraftKeeper::discard()
{
    std::unique_lock lock(m_mutex);
    m_pending.reset();
    m_changed.wait(lock, [this] { return !m_writing; });
    if (m_written) // most saves had no draft to remove
        m_written = !QFile::remove(m_path);
}

void DraftKeeper::waitUntilWritten()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_writing; });
}

void DraftKeeper::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_stopping || m_pending; });
        if (!m_pending)
            return; // stopping, with nothing left to write
        const auto [firstDay, texts] = std::move(*m_pending);
        m_pending.reset();
        m_writing = true;
        lock.unlock();
        // A folder that takes no file leaves the week without a draft; saving it still works
        // or tells the user.
        const bool written = WeekDraft::write(m_path, firstDay, texts);
        lock.lock();
        m_written = m_written || written;
        m_writing = false;
        m_changed.notify_all();
    }
}
