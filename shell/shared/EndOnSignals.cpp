#include "EndOnSignals.h"

#include "ApplicationEnd.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace shell {

namespace {

// A signal may come at any instruction: its handler only writes a byte, and
// the event loop reads it and ends the application in its own time.
int signalled[2] = {-1, -1};

void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(signalled[0], &byte, 1);
    errno = saved;
}

} // namespace

void endApplicationOnSignals() {
    if (signalled[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalled) != 0) return;
    auto* notifier = new QSocketNotifier(signalled[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[16];
        while (::read(signalled[1], bytes, sizeof bytes) > 0) {}
        endApplication();
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

} // namespace shell
