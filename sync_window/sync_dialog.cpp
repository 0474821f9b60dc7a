#include "sync_dialog.h"

#include "sync/dav_client.h"
#include "sync/password_store.h"

#include <atomic>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <utility>

namespace {

bool askInABox(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QStringLiteral("Orvanta"), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// A stop that still leaves the thread running after this long is left to end on its own.
constexpr int kStopWait = 5000; // ms

} // namespace

// One Connect: what the discovery's thread reads and writes, shared with it.
struct SyncDialog::Attempt
{
    SyncAccount account;
    QString password;
    QString name;
    std::atomic<bool> stop = false;
    CalendarDiscovery::Result found;
};

SyncDialog::SyncDialog(QString databasePath, QWidget *parent)
    : QDialog(parent), m_databasePath(std::move(databasePath)), m_ask(&askInABox),
      m_writePassword([](const SyncAccount &account, const QString &password) {
          return PasswordStore::write(account.server.toString(), account.user, password);
      }),
      m_forgetPassword([](const SyncAccount &account) {
          PasswordStore::forget(account.server.toString(), account.user);
      })
{
    setObjectName(QStringLiteral("SyncDialog"));
    setWindowTitle(tr("Sync"));

    m_server = new QLineEdit(this);
    m_server->setObjectName(QStringLiteral("server"));
    m_server->setAccessibleName(tr("Server address"));
    m_server->setPlaceholderText(tr("https://example.org/dav/"));
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("user"));
    m_user->setAccessibleName(tr("User name"));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setAccessibleName(tr("Password"));
    m_password->setEchoMode(QLineEdit::Password);
    m_calendarName = new QLineEdit(this);
    m_calendarName->setObjectName(QStringLiteral("calendarName"));
    m_calendarName->setAccessibleName(tr("Calendar name"));
    m_calendarName->setPlaceholderText(tr("Optional"));
    m_calendars = new QComboBox(this);
    m_calendars->setObjectName(QStringLiteral("calendars"));
    m_calendars->setAccessibleName(tr("Journal calendars found"));

    auto *form = new QFormLayout;
    const auto row = [&](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field); // its mnemonic reaches the field, and names it for a screen reader
        form->addRow(label, field);
        return label;
    };
    row(tr("&Server address:"), m_server);
    row(tr("&User name:"), m_user);
    row(tr("&Password:"), m_password);
    row(tr("Ca&lendar name:"), m_calendarName);
    m_calendarsLabel = row(tr("Calendars &found:"), m_calendars);
    m_calendarsLabel->hide();
    m_calendars->hide();

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse); // a fingerprint to copy

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_connect = buttons->addButton(tr("C&onnect"), QDialogButtonBox::ActionRole);
    m_connect->setObjectName(QStringLiteral("connect"));
    m_stopSyncing = buttons->addButton(tr("S&top syncing"), QDialogButtonBox::DestructiveRole);
    m_stopSyncing->setObjectName(QStringLiteral("stopSyncing"));
    // Enter anywhere in the dialog connects; Escape and Close close it.
    m_connect->setDefault(true);
    connect(m_connect, &QPushButton::clicked, this, &SyncDialog::connectToServer);
    connect(m_stopSyncing, &QPushButton::clicked, this, &SyncDialog::stopSyncing);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_calendars, &QComboBox::activated, this, &SyncDialog::chooseCalendar);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

SyncDialog::~SyncDialog()
{
    if (!m_thread)
        return;
    m_attempt->stop = true;
    m_thread->disconnect(this);
    if (m_thread->wait(QDeadlineTimer(kStopWait)))
        delete m_thread;
}

QString SyncDialog::statusText() const
{
    return m_status->text();
}

SyncAccount SyncDialog::storedAccount() const
{
    const QString path = SyncState::pathFor(m_databasePath);
    SyncState state;
    if (!QFileInfo::exists(path) || !state.open(path))
        return {};
    return state.account();
}

void SyncDialog::ask(const QString &why)
{
    showAccount();
    say(why);
    QLineEdit *first = m_server->text().isEmpty() ? m_server
                       : m_user->text().isEmpty() ? m_user
                                                  : m_password;
    show();
    raise();
    activateWindow();
    first->setFocus();
}

void SyncDialog::showAccount()
{
    const SyncAccount account = storedAccount();
    m_stopSyncing->setEnabled(account.isSet());
    m_password->clear();
    if (!account.isSet())
        return;
    m_server->setText(account.server.toString());
    m_user->setText(account.user);
}

void SyncDialog::say(const QString &text)
{
    m_status->setText(text);
}

void SyncDialog::setBusy(bool busy)
{
    for (QWidget *field : {static_cast<QWidget *>(m_server), static_cast<QWidget *>(m_user),
                           static_cast<QWidget *>(m_password),
                           static_cast<QWidget *>(m_calendarName),
                           static_cast<QWidget *>(m_calendars),
                           static_cast<QWidget *>(m_connect),
                           static_cast<QWidget *>(m_stopSyncing)})
        field->setEnabled(!busy);
    if (!busy)
        m_stopSyncing->setEnabled(storedAccount().isSet());
}

void SyncDialog::connectToServer()
{
    if (m_thread)
        return;
    const QString given = m_server->text().trimmed();
    const QUrl server = QUrl::fromUserInput(given);
    if (given.isEmpty() || !server.isValid() || server.host().isEmpty() ||
        (server.scheme() != QLatin1String("https") && server.scheme() != QLatin1String("http"))) {
        say(tr("Type the address of your CalDAV server, such as https://example.org/dav/."));
        m_server->setFocus();
        return;
    }
    if (m_user->text().trimmed().isEmpty()) {
        say(tr("Type your user name on the server."));
        m_user->setFocus();
        return;
    }
    const SyncAccount before = storedAccount();
    auto attempt = std::make_shared<Attempt>();
    attempt->account.server = server;
    attempt->account.user = m_user->text().trimmed();
    attempt->password = m_password->text();
    attempt->name = m_calendarName->text().trimmed();
    if (before.server == server) // trusted before: not asked again
        attempt->account.pinnedCertificate = before.pinnedCertificate;
    if (server.scheme() == QLatin1String("http") && !DavClient::isLoopback(server)) {
        if (!m_ask(this, tr("%1 is plain HTTP: anyone on the way can read your weeks and your "
                            "password. Connect without encryption all the same?")
                             .arg(server.toString()))) {
            say(tr("Not connected. Use an https address where the server has one."));
            emit connectEnded(false);
            return;
        }
        attempt->account.plainHttpConfirmed = true;
    }
    m_attempt = attempt;
    discover();
}

void SyncDialog::discover()
{
    say(tr("Connecting to %1…").arg(m_attempt->account.server.host()));
    setBusy(true);
    DavClient::Settings settings;
    settings.user = m_attempt->account.user;
    settings.password = m_attempt->password;
    settings.pinnedCertificate = m_attempt->account.pinnedCertificate;
    settings.timeoutMs = m_timeoutMs;
    settings.stop = &m_attempt->stop;
    // The client lives and runs its requests on the thread: the window stays responsive.
    m_thread = QThread::create([attempt = m_attempt, settings] {
        DavClient client(settings);
        attempt->found = CalendarDiscovery::find(client, attempt->account.server, attempt->name);
    });
    m_thread->setObjectName(QStringLiteral("SyncConnect"));
    connect(m_thread, &QThread::finished, this, &SyncDialog::discovered);
    m_thread->start();
}

void SyncDialog::discovered()
{
    if (!m_thread || m_thread->isRunning())
        return;
    delete std::exchange(m_thread, nullptr);
    setBusy(false);
    const CalendarDiscovery::Result found = m_attempt->found;
    if (m_attempt->stop) {
        say(QString());
        emit connectEnded(false);
        return;
    }
    if (!found.ok && !found.untrustedCertificate.isEmpty() &&
        found.untrustedCertificate != m_attempt->account.pinnedCertificate) {
        const QString fingerprint = DavClient::displayedFingerprint(found.untrustedCertificate);
        say(tr("The server's certificate does not verify. Its fingerprint (SHA-256) is:\n%1")
                .arg(fingerprint));
        if (m_ask(this, tr("The certificate of %1 does not verify: it may not be your server's. "
                           "Compare its fingerprint (SHA-256) with the one your server's owner "
                           "gives:\n\n%2\n\nTrust this certificate?")
                            .arg(m_attempt->account.server.host(), fingerprint))) {
            m_attempt->account.pinnedCertificate = found.untrustedCertificate;
            discover();
            return;
        }
        say(tr("Not connected: the certificate was not trusted."));
        emit connectEnded(false);
        return;
    }
    if (!found.ok) {
        say(found.passwordRefused
                ? tr("The server refused the user name or password.")
                : tr("Not connected: %1").arg(found.message));
        (found.passwordRefused ? m_password : m_server)->setFocus();
        emit connectEnded(false);
        return;
    }
    keep(found);
}

// Keeps the account beside the database and the password in the store, and offers the journal
// calendars found.
void SyncDialog::keep(const CalendarDiscovery::Result &found)
{
    SyncAccount account = m_attempt->account;
    account.calendar = found.calendar;
    SyncState state;
    const SyncAccount before = storedAccount();
    if (!state.open(SyncState::pathFor(m_databasePath)) ||
        (before.calendar != account.calendar && !state.forgetEntries()) ||
        !state.setAccount(account)) {
        say(tr("The account could not be kept: %1").arg(state.error()));
        emit connectEnded(false);
        return;
    }
    m_calendars->clear();
    QString name = account.calendar.toString();
    for (const CalendarDiscovery::Calendar &calendar : found.found) {
        if (!calendar.takesJournals && calendar.url != found.calendar)
            continue;
        const QString shown = calendar.name.isEmpty() ? calendar.url.path() : calendar.name;
        m_calendars->addItem(shown, calendar.url);
        if (calendar.url == found.calendar) {
            m_calendars->setCurrentIndex(m_calendars->count() - 1);
            name = shown;
        }
    }
    if (m_calendars->findData(found.calendar) < 0) { // made just now, after the listing
        m_calendars->addItem(name, found.calendar);
        m_calendars->setCurrentIndex(m_calendars->count() - 1);
    }
    m_calendarsLabel->setVisible(m_calendars->count() > 1);
    m_calendars->setVisible(m_calendars->count() > 1);
    m_stopSyncing->setEnabled(true);

    QString told = found.created ? tr("Connected: made the calendar %1 for your weeks.").arg(name)
                                 : tr("Connected: your weeks sync with the calendar %1.").arg(name);
    if (m_writePassword(account, m_attempt->password))
        told += u'\n' + tr("The password is kept in your desktop's password store.");
    else
        told += u'\n' + tr("No password store answered: Orvanta keeps the password until it "
                           "ends, and asks for it again at its next start.");
    say(told);
    emit connected(m_attempt->password);
    emit connectEnded(true);
}

void SyncDialog::chooseCalendar(int index)
{
    const QUrl chosen = m_calendars->itemData(index).toUrl();
    SyncState state;
    if (!state.open(SyncState::pathFor(m_databasePath)))
        return say(state.error());
    SyncAccount account = state.account();
    if (!account.isSet() || account.calendar == chosen)
        return;
    account.calendar = chosen;
    if (!state.forgetEntries() || !state.setAccount(account))
        return say(tr("The account could not be kept: %1").arg(state.error()));
    say(tr("Your weeks now sync with the calendar %1.").arg(m_calendars->itemText(index)));
    if (m_attempt)
        emit connected(m_attempt->password);
}

void SyncDialog::stopSyncing()
{
    const SyncAccount account = storedAccount();
    if (!account.isSet())
        return;
    if (!m_ask(this, tr("Stop syncing your weeks with %1? They stay as they are, here and on "
                        "the server.")
                         .arg(account.server.host())))
        return;
    SyncState state;
    if (!state.open(SyncState::pathFor(m_databasePath)) || !state.forgetEntries() ||
        !state.setAccount({})) {
        say(tr("The account could not be forgotten: %1").arg(state.error()));
        return;
    }
    m_forgetPassword(account);
    m_calendars->clear();
    m_calendarsLabel->hide();
    m_calendars->hide();
    m_stopSyncing->setEnabled(false);
    say(tr("Your weeks no longer sync."));
    emit forgotten();
}

void SyncDialog::done(int result)
{
    // Closed while connecting: the attempt stops, and keeps nothing.
    if (m_attempt && m_thread)
        m_attempt->stop = true;
    QDialog::done(result);
}
