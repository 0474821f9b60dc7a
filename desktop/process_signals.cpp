#include "process_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_fds[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP, SIGUSR1};
constexpr int kComeForward = SIGUSR1;

} // namespace

bool ProcessSignals::catchFromNow()
{
    if (g_fds[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0) {
        qWarning("Orvanta: no socket pair for termination signals: %s", strerror(errno));
        return false;
    }
    // A full buffer must never block the handler: one pending byte already ends the run.
    ::fcntl(g_fds[0], F_SETFL, ::fcntl(g_fds[0], F_GETFL) | O_NONBLOCK);

    struct sigaction action = {};
    action.sa_handler = &ProcessSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals)
        ::sigaction(signalNumber, &action, nullptr);
    return true;
}

ProcessSignals::ProcessSignals(QObject *parent) : QObject(parent)
{
    if (!catchFromNow())
        return;
    // A signal caught before this point waits in the socket and is read now.
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ProcessSignals::readSignal);
}

ProcessSignals::~ProcessSignals()
{
    // Destroyed as the program ends, after the close sequence has saved: a signal arriving
    // now must neither kill the process nor change the exit status that the sequence chose.
    for (int signalNumber : kSignals)
        ::signal(signalNumber, SIG_IGN);
    delete m_notifier;
    for (int &fd : g_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void ProcessSignals::handle(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_fds[0], &byte, 1);
    errno = savedErrno;
}

void ProcessSignals::readSignal()
{
    char byte = 0;
    if (::read(g_fds[1], &byte, 1) != 1)
        return;
    if (byte == kComeForward)
        emit comeForwardRequested();
    else
        emit terminationRequested(byte);
}

bool ProcessSignals::askToComeForward(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), kComeForward) == 0;
}
