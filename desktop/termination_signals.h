#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM (logout, shutdown), SIGINT (Ctrl+C) and SIGHUP (the terminal going away) into
// a Qt signal on the event loop, so that the program can end through its close sequence.
// A signal handler may only do async-signal-safe work: it writes the signal's number to a
// socket pair and the event loop reads it (the self-pipe pattern of Qt's documentation).
// One instance at a time. Once it is destroyed, as the program ends, these signals are ignored.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Catches the signals from now on, before the application object and the event loop
    // exist: one that comes meanwhile is reported once an instance is made and the loop runs,
    // instead of killing the program during its start.
    static bool catchFromNow();

signals:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
