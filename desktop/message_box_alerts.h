#pragma once

#include "alerts.h"

// Message boxes; each message goes to standard error as well, where a log or a terminal keeps it.
class MessageBoxAlerts final : public Alerts
{
public:
    void information(const QString &text) override;
    void notice(const QString &text) override;
    void warning(const QString &text) override;
    void error(const QString &text) override;
    bool question(const QString &text) override;
    bool offer(const QString &text) override;
};
