#include "sync_status.h"

#include "translations/app_language.h"

namespace SyncStatus {

namespace {

// The context of the texts below.
struct SyncStatusText
{
    Q_DECLARE_TR_FUNCTIONS(SyncStatus)
};

constexpr qint64 kMinute = 60, kHour = 60 * kMinute, kDay = 24 * kHour;

// Whole sentences for each unit, so that each language can say the count its own way.
QString synced(qint64 seconds)
{
    using AppLanguage::pluralCount;
    if (seconds < kMinute)
        return SyncStatusText::tr("Synced just now");
    if (seconds < kHour)
        return SyncStatusText::tr("Synced %n minute(s) ago", nullptr, pluralCount(seconds / kMinute));
    if (seconds < kDay)
        return SyncStatusText::tr("Synced %n hour(s) ago", nullptr, pluralCount(seconds / kHour));
    return SyncStatusText::tr("Synced %n day(s) ago", nullptr, pluralCount(seconds / kDay));
}

QString waiting(qint64 seconds)
{
    using AppLanguage::pluralCount;
    if (seconds < kMinute)
        return SyncStatusText::tr("Offline: changes waiting");
    if (seconds < kHour)
        return SyncStatusText::tr("Offline: %n minute(s) waiting", nullptr,
                                  pluralCount(seconds / kMinute));
    if (seconds < kDay)
        return SyncStatusText::tr("Offline: %n hour(s) waiting", nullptr,
                                  pluralCount(seconds / kHour));
    return SyncStatusText::tr("Offline: %n day(s) waiting", nullptr, pluralCount(seconds / kDay));
}

// A clock set back shows "just now" rather than a negative age.
qint64 secondsSince(const QDateTime &then, const QDateTime &now)
{
    return std::max<qint64>(0, then.secsTo(now));
}

} // namespace

QString line(const Facts &facts)
{
    if (facts.passwordRefused)
        return SyncStatusText::tr("Sync stopped: the server refused the password");
    if (facts.certificateRefused)
        return SyncStatusText::tr("Sync stopped: the server's certificate changed");
    if (facts.lastFailed)
        return facts.waitingSince.isValid()
                   ? waiting(secondsSince(facts.waitingSince, facts.now))
                   : SyncStatusText::tr("Offline");
    if (facts.conflictDays > 0)
        return SyncStatusText::tr("%n day(s) changed on both sides", nullptr, facts.conflictDays);
    if (facts.lastSync.isValid())
        return synced(secondsSince(facts.lastSync, facts.now));
    return SyncStatusText::tr("Not synced yet");
}

QString tip(const QString &line)
{
    const QString name = QStringLiteral("Orvanta");
    return line.isEmpty() ? name : name + u'\n' + line;
}

} // namespace SyncStatus
