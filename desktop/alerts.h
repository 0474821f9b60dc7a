#pragma once

#include <QString>

// Messages for the user, each titled with the application's name and closed with OK.
// Behind an interface so that no test ever blocks on a dialog.
class Alerts
{
public:
    virtual ~Alerts() = default;
    // Something is missing that the user can put right (warning icon).
    virtual void warning(const QString &text) = 0;
    // An error that ends the program (error icon).
    virtual void error(const QString &text) = 0;
};
