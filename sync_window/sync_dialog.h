#pragma once

#include "sync/calendar_discovery.h"
#include "sync/sync_state.h"

#include <functional>
#include <memory>
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QThread;

// "Sync…": the server's address, the user name, the password and, optionally, the calendar's
// name. Connect finds the journal calendar on a thread of its own, asking first about plain
// HTTP to another computer and, where the certificate does not verify, whether to trust it by
// its fingerprint; then it keeps the account beside the database and the password in the
// desktop's password store, or for this run only where there is none. The calendars found are
// offered to choose from. Stop syncing forgets the account.
class SyncDialog : public QDialog
{
    Q_OBJECT
public:
    // A yes-or-no question; No is the default answer.
    using Ask = std::function<bool(QWidget *parent, const QString &question)>;
    using WritePassword = std::function<bool(const SyncAccount &account, const QString &password)>;
    using ForgetPassword = std::function<void(const SyncAccount &account)>;

    explicit SyncDialog(QString databasePath, QWidget *parent = nullptr);
    ~SyncDialog() override; // a connection under way is stopped

    void setAsk(Ask ask) { m_ask = std::move(ask); }
    void setWritePassword(WritePassword write) { m_writePassword = std::move(write); }
    void setForgetPassword(ForgetPassword forget) { m_forgetPassword = std::move(forget); }
    void setTimeout(int ms) { m_timeoutMs = ms; }

    // Shows the account as kept, the password empty, and `why` it opens where there is a
    // reason (a password refused); the focus in the first field to fill.
    void ask(const QString &why = {});

    QLineEdit *serverField() const { return m_server; }
    QLineEdit *userField() const { return m_user; }
    QLineEdit *passwordField() const { return m_password; }
    QLineEdit *calendarField() const { return m_calendarName; }
    QComboBox *calendarList() const { return m_calendars; }
    QPushButton *connectButton() const { return m_connect; }
    QPushButton *stopSyncingButton() const { return m_stopSyncing; }
    QString statusText() const;
    bool isConnecting() const { return m_thread != nullptr; }

signals:
    // The account is kept: syncs may start, with `password` for this run.
    void connected(const QString &password);
    void forgotten();
    // A Connect has come to an end, whichever it was.
    void connectEnded(bool ok);

protected:
    void done(int result) override;

private:
    struct Attempt;
    void connectToServer();
    void discover();
    void discovered();
    void keep(const CalendarDiscovery::Result &found);
    void chooseCalendar(int index);
    void stopSyncing();
    void say(const QString &text);
    void setBusy(bool busy);
    void showAccount();
    SyncAccount storedAccount() const;

    QString m_databasePath;
    Ask m_ask;
    WritePassword m_writePassword;
    ForgetPassword m_forgetPassword;
    int m_timeoutMs = 30000;
    QLineEdit *m_server = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_calendarName = nullptr;
    QLabel *m_calendarsLabel = nullptr;
    QComboBox *m_calendars = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_connect = nullptr;
    QPushButton *m_stopSyncing = nullptr;
    std::shared_ptr<Attempt> m_attempt;
    QThread *m_thread = nullptr;
};
