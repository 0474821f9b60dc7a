#include "sync_command.h"

#include "desktop/instance_lock.h"
#include "schedule/week_record.h"
#include "sync/calendar_discovery.h"
#include "sync/dav_client.h"
#include "sync/password_store.h"
#include "sync/sync_engine.h"
#include "sync/sync_state.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QLocale>
#include <string>

namespace {

constexpr int kSynced = 0, kConflicts = 1, kError = 2;

// The context of the texts below.
struct SyncCommand
{
    Q_DECLARE_TR_FUNCTIONS(SyncCommand)
};

int fail(const QString &message)
{
    std::fprintf(stderr, "orvanta-cli: %s\n", qPrintable(message));
    return kError;
}

void out(const QString &text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

struct Options
{
    QString setup, user, calendar, trust, history;
    bool passwordStdin = false, allowHttp = false, status = false;
    int timeoutSeconds = 30;
};

// The options after "sync"; false, with `problem`, on one it cannot use.
bool parse(const QStringList &arguments, Options &options, QString &problem)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const auto value = [&](QString &into) {
            if (i + 1 >= arguments.size()) {
                problem = SyncCommand::tr("%1 takes a value.").arg(argument);
                return false;
            }
            into = arguments[++i];
            return true;
        };
        QString timeout;
        if (argument == QLatin1String("--setup")) {
            if (!value(options.setup))
                return false;
        } else if (argument == QLatin1String("--user")) {
            if (!value(options.user))
                return false;
        } else if (argument == QLatin1String("--calendar")) {
            if (!value(options.calendar))
                return false;
        } else if (argument == QLatin1String("--trust")) {
            if (!value(options.trust))
                return false;
        } else if (argument == QLatin1String("--history")) {
            if (!value(options.history))
                return false;
        } else if (argument == QLatin1String("--timeout")) {
            if (!value(timeout))
                return false;
            bool ok = false;
            options.timeoutSeconds = timeout.toInt(&ok);
            if (!ok || options.timeoutSeconds < 1) {
                problem = SyncCommand::tr("--timeout takes a number of seconds.");
                return false;
            }
        } else if (argument == QLatin1String("--password-stdin")) {
            options.passwordStdin = true;
        } else if (argument == QLatin1String("--allow-http")) {
            options.allowHttp = true;
        } else if (argument == QLatin1String("--status")) {
            options.status = true;
        } else {
            problem = SyncCommand::tr("sync has no option %1.").arg(argument);
            return false;
        }
    }
    return true;
}

std::optional<QString> passwordFromStdin()
{
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

// The password for this run: from standard input where asked, else the secret store's.
std::optional<QString> password(const Options &options, const SyncAccount &account)
{
    if (options.passwordStdin)
        return passwordFromStdin();
    return PasswordStore::read(account.server.toString(), account.user);
}

QString when(const QDateTime &moment)
{
    return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                            : SyncCommand::tr("never");
}

QString days(const QList<QDate> &list)
{
    QStringList text;
    for (const QDate day : list)
        text.append(day.toString(Qt::ISODate));
    return text.join(QStringLiteral(", "));
}

int status(const QString &database)
{
    const QString path = SyncState::pathFor(database);
    SyncState state;
    if (!QFileInfo(path).isFile()) {
        out(SyncCommand::tr("Sync is not set up: orvanta-cli sync --setup URL --user NAME --password-stdin"));
        return kSynced;
    }
    if (!state.open(path))
        return fail(state.error());
    const SyncAccount account = state.account();
    out(SyncCommand::tr("Server: %1").arg(account.server.toString()));
    out(SyncCommand::tr("User: %1").arg(account.user));
    out(SyncCommand::tr("Calendar: %1").arg(account.calendar.toString()));
    out(SyncCommand::tr("Last sync: %1").arg(when(state.lastSync())));
    if (state.waitingDays() > 0)
        out(SyncCommand::tr("Days waiting for the server: %1, since %2")
                .arg(state.waitingDays())
                .arg(when(state.waitingSince())));
    const QList<QDate> conflicts = state.conflictDays();
    if (!conflicts.isEmpty())
        out(SyncCommand::tr("Changed on both sides in the last sync: %1").arg(days(conflicts)));
    return kSynced;
}

int history(const QString &database, const QString &dayText)
{
    const QDate day = QDate::fromString(dayText, Qt::ISODate);
    if (!day.isValid())
        return fail(SyncCommand::tr("--history takes a day as yyyy-MM-dd."));
    SyncState state;
    const QString path = SyncState::pathFor(database);
    if (!QFileInfo(path).isFile() || !state.open(path))
        return fail(SyncCommand::tr("Sync is not set up."));
    const QList<HistoryItem> items = state.history(day);
    if (items.isEmpty())
        out(SyncCommand::tr("No text of %1 was replaced by a sync.").arg(day.toString(Qt::ISODate)));
    for (const HistoryItem &item : items) {
        const QString box = item.box == kNotesField ? SyncCommand::tr("the week's notes")
                                                    : QLocale().dayName(day.dayOfWeek());
        out(QStringLiteral("%1\t%2\t%3")
                .arg(when(item.at), box,
                     QCoreApplication::translate("SyncEngine", item.why.toUtf8().constData())));
        for (const QString &line : item.before.split(u'\n'))
            out(QStringLiteral("    ") + line);
    }
    return kSynced;
}

int setup(const QString &database, const Options &options)
{
    QUrl server = QUrl::fromUserInput(options.setup);
    if (!server.isValid() || server.host().isEmpty() ||
        (server.scheme() != QLatin1String("https") && server.scheme() != QLatin1String("http")))
        return fail(SyncCommand::tr("%1 is no server address.").arg(options.setup));
    if (server.scheme() == QLatin1String("http") && !DavClient::isLoopback(server) && !options.allowHttp)
        return fail(SyncCommand::tr("%1 is plain HTTP, which anyone on the way can read; use https, or "
                       "--allow-http where that is what you want.")
                        .arg(server.toString()));
    if (!options.passwordStdin)
        return fail(SyncCommand::tr("give the password on standard input with --password-stdin."));
    const std::optional<QString> given = passwordFromStdin();
    if (!given)
        return fail(SyncCommand::tr("no password on standard input."));
    DavClient::Settings settings;
    settings.user = options.user;
    settings.password = *given;
    settings.timeoutMs = options.timeoutSeconds * 1000;
    settings.pinnedCertificate = options.trust.toLatin1().toLower().replace(':', "");
    DavClient client(settings);
    const CalendarDiscovery::Result found =
        CalendarDiscovery::find(client, server, options.calendar);
    if (!found.ok) {
        if (!found.untrustedCertificate.isEmpty())
            return fail(found.message + u' ' +
                        SyncCommand::tr("If it is your server's, run the setup again with --trust %1.")
                            .arg(DavClient::displayedFingerprint(found.untrustedCertificate)));
        return fail(found.message);
    }
    SyncState state;
    if (!state.open(SyncState::pathFor(database)))
        return fail(state.error());
    const SyncAccount before = state.account();
    SyncAccount account;
    account.server = server;
    account.user = options.user;
    account.calendar = found.calendar;
    account.pinnedCertificate = settings.pinnedCertificate;
    account.plainHttpConfirmed = options.allowHttp;
    if (before.calendar != account.calendar && !state.forgetEntries())
        return fail(state.error());
    if (!state.setAccount(account))
        return fail(state.error());
    if (found.created)
        out(SyncCommand::tr("Made the journal calendar %1.").arg(found.calendar.toString()));
    out(SyncCommand::tr("Sync is set up with %1.").arg(found.calendar.toString()));
    return kSynced;
}

int sync(const QString &database, const Options &options)
{
    SyncState state;
    const QString path = SyncState::pathFor(database);
    if (!QFileInfo(path).isFile() || !state.open(path) || !state.account().isSet())
        return fail(SyncCommand::tr("Sync is not set up: orvanta-cli sync --setup URL --user NAME "
                       "--password-stdin"));
    const std::optional<QString> given = password(options, state.account());
    if (!given)
        return fail(SyncCommand::tr("no password: give it on standard input with --password-stdin."));
    SyncEngine::Setup setup;
    setup.databasePath = database;
    setup.password = *given;
    setup.timeoutMs = options.timeoutSeconds * 1000;
    const SyncOutcome outcome = SyncEngine::run(setup);
    if (outcome.result == SyncOutcome::Result::Failed) {
        if (!outcome.untrustedCertificate.isEmpty())
            return fail(outcome.message + u' ' +
                        SyncCommand::tr("If it is your server's, set up again with --trust %1.")
                            .arg(DavClient::displayedFingerprint(outcome.untrustedCertificate)));
        return fail(outcome.message);
    }
    out(SyncCommand::tr("Synced: %1 sent, %2 received, %3 removed, in %4 requests.")
            .arg(outcome.sent)
            .arg(outcome.received)
            .arg(outcome.removed)
            .arg(outcome.requests));
    if (outcome.result == SyncOutcome::Result::SyncedWithConflicts) {
        out(SyncCommand::tr("Changed on both sides, both texts kept: %1").arg(days(outcome.conflictDays)));
        return kConflicts;
    }
    return kSynced;
}

} // namespace

int syncCommand(const QString &database, const QStringList &arguments)
{
    Options options;
    QString problem;
    if (!parse(arguments, options, problem))
        return fail(problem);
    if (options.status)
        return status(database);
    if (!options.history.isEmpty())
        return history(database, options.history);
    if (!QFileInfo(database).isFile())
        return fail(SyncCommand::tr("%1 not found.").arg(database));
    // Sync writes weeks: never beside an open window, which syncs them itself.
    InstanceLock lock;
    switch (lock.lock(database)) {
    case InstanceLock::Outcome::Ours:
        break;
    case InstanceLock::Outcome::HeldHere:
        return fail(SyncCommand::tr("%1 is open in Orvanta, which syncs it itself (Sync now).")
                        .arg(QDir::toNativeSeparators(database)));
    case InstanceLock::Outcome::HeldElsewhere:
        return fail(SyncCommand::tr("%1 is open in Orvanta on the computer %2.")
                        .arg(QDir::toNativeSeparators(database), lock.holderHost()));
    }
    if (!options.setup.isEmpty()) {
        if (options.user.isEmpty())
            return fail(SyncCommand::tr("--setup takes --user NAME too."));
        return setup(database, options);
    }
    return sync(database, options);
}
