#pragma once

#include <QString>

// Messages for the user, each titled with the application's name. Behind an interface so that
// no test ever blocks on a dialog.
class Alerts
{
public:
    virtual ~Alerts() = default;
    // Something the user should know that went well (information icon, OK).
    virtual void information(const QString &text) = 0;
    // Something is missing or wrong that the user can put right (warning icon, OK).
    virtual void warning(const QString &text) = 0;
    // Something went wrong (error icon, OK).
    virtual void error(const QString &text) = 0;
    // A yes-or-no question about something that cannot be undone; No is the default answer.
    virtual bool question(const QString &text) = 0;
    // Something worth knowing that need not stop the user's typing: it waits beside the
    // window for them, without taking the keyboard.
    virtual void notice(const QString &text) { information(text); }
    // A yes-or-no offer of something that keeps everything as it was; Yes is the default.
    virtual bool offer(const QString &text) { return question(text); }
};
