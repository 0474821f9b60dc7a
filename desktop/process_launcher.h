#pragma once

#include <QStringList>

// Starts other programs without waiting for them: behind an interface so that no test ever
// opens a browser.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;
    // False when the program could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
};

class DetachedProcessLauncher final : public ProcessLauncher
{
public:
    bool startDetached(const QString &program, const QStringList &arguments) override;
};
