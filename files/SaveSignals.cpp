#include "SaveSignals.h"

#include <atomic>
#include <csignal>
#include <mutex>

namespace files {

namespace {

std::atomic<int> savesUnderWay{0};
std::atomic<int> waitingSignal{0};

void endWithDefault(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Async-signal-safe: atomics, signal() and raise() only.
void onEndingSignal(int signal) {
    if (savesUnderWay.load() == 0)
        endWithDefault(signal);
    else
        waitingSignal.store(signal);
}

} // namespace

void deferEndingSignalsDuringSaves() {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction deferring {};
        deferring.sa_handler = onEndingSignal;
        sigemptyset(&deferring.sa_mask);
        deferring.sa_flags = SA_RESTART;
        ::sigaction(signal, &deferring, nullptr);
    }
}

SaveUnderWay::SaveUnderWay() noexcept { ++savesUnderWay; }

SaveUnderWay::~SaveUnderWay() {
    if (--savesUnderWay == 0)
        if (const int signal = waitingSignal.exchange(0)) endWithDefault(signal);
}

void failWritesBeyondTheSizeLimit() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction current {};
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            std::signal(SIGXFSZ, SIG_IGN);
    });
}

} // namespace files
