#pragma once

#include "desktop/alerts.h"
#include "desktop/clock.h"

#include <QDateTime>
#include <QStringList>

// A clock stopped on 1 January 2026, 10:00.
class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return m_now; }
    QDateTime m_now{QDate(2026, 1, 1), QTime(10, 0)};
};

// Keeps every message as "kind: text"; a question gets `answer`.
class RecordingAlerts final : public Alerts
{
public:
    void information(const QString &text) override
    {
        messages.append(QStringLiteral("information: ") + text);
    }
    void warning(const QString &text) override { messages.append(QStringLiteral("warning: ") + text); }
    void error(const QString &text) override { messages.append(QStringLiteral("error: ") + text); }
    bool question(const QString &text) override
    {
        messages.append(QStringLiteral("question: ") + text);
        return answer;
    }
    QStringList messages;
    bool answer = false;
};
