#include "app/TerminationSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace vaduvizu {

namespace {

// The signal handler may only write to the pipe; everything else happens in the event loop.
int g_pipe[2] = {-1, -1};
struct sigaction g_previousTerm {};
struct sigaction g_previousInt {};

extern "C" void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (g_pipe[0] != -1)
        throw std::logic_error("termination signals are handled already");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        throw std::runtime_error("cannot create the signal pipe");
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &g_previousTerm);
    ::sigaction(SIGINT, &action, &g_previousInt);
}

TerminationSignals::~TerminationSignals() {
    ::sigaction(SIGTERM, &g_previousTerm, nullptr);
    ::sigaction(SIGINT, &g_previousInt, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::readPipe() {
    char bytes[16];
    bool any = false;
    while (::read(g_pipe[1], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        emit received();
}

} // namespace vaduvizu
