#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the process signals the program answers into Qt signals on the event loop: SIGTERM
// (logout, shutdown), SIGINT (Ctrl+C) and SIGHUP (the terminal going away), so that the
// program can end through its close sequence, and SIGUSR1, which a second start on the same
// database sends to bring this one forward.
// A signal handler may only do async-signal-safe work: it writes the signal's number to a
// socket pair and the event loop reads it (the self-pipe pattern of Qt's documentation).
// One instance at a time. Once it is destroyed, as the program ends, these signals are ignored.
class ProcessSignals : public QObject
{
    Q_OBJECT
public:
    explicit ProcessSignals(QObject *parent = nullptr);
    ~ProcessSignals() override;

    // Catches the signals from now on, before the application object and the event loop
    // exist: one that comes meanwhile is reported once an instance is made and the loop runs,
    // instead of killing the program during its start.
    static bool catchFromNow();

    // Asks the process `pid` (another Orvanta) to come forward. False when it cannot be asked.
    static bool askToComeForward(qint64 pid);

signals:
    void terminationRequested(int signalNumber);
    void comeForwardRequested();

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
