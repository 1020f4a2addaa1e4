#include "app/endingsignals.h"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {

constexpr int endingSignals[] = {SIGTERM, SIGHUP, SIGINT};
// The write end of the pipe the handler tells through; -1 while no EndingSignals lives.
volatile std::sig_atomic_t writeEnd = -1;
int pipeEnds[2] = {-1, -1};

extern "C" void tellEventLoop(int)
{
    const int saved = errno;
    const char byte = 1;
    // Nothing else is safe in a handler; a full pipe already says enough.
    [[maybe_unused]] const auto written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

EndingSignals::EndingSignals(std::function<void()> action, QObject *parent)
    : QObject(parent), m_action(std::move(action))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return;
    writeEnd = pipeEnds[0];
    m_notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(pipeEnds[1], bytes, sizeof bytes) > 0) {
        }
        if (m_action)
            m_action();
    });
    struct sigaction handler = {};
    handler.sa_handler = tellEventLoop;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    for (const int signal : endingSignals)
        ::sigaction(signal, &handler, nullptr);
}

EndingSignals::~EndingSignals()
{
    if (!m_notifier)
        return;
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    for (const int signal : endingSignals)
        ::sigaction(signal, &standard, nullptr);
    writeEnd = -1;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}
