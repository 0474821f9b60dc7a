#pragma once

#include "alerts.h"

class MessageBoxAlerts final : public Alerts
{
public:
    void warning(const QString &text) override;
    void error(const QString &text) override;
};
