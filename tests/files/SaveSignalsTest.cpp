#include "files/SaveSignals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// How a child that defers the ending signals ends after sending itself one:
// with a save under way or not, and with the save over before it ends.
struct Ending {
    bool signalled;
    int code;         // the exit code, or the signal that ended it
    bool wentOn = false; // it ran on after the signal
};

Ending endingOf(int signal, bool duringSave) {
    int pipe[2];
    if (::pipe(pipe) != 0) return {false, -1};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        // As a program started from a terminal has them (a background job of a script ignores SIGINT).
        for (const int ending : {SIGINT, SIGTERM, SIGHUP}) std::signal(ending, SIG_DFL);
        files::deferEndingSignalsDuringSaves();
        {
            std::optional<files::SaveUnderWay> save;
            if (duringSave) save.emplace();
            ::kill(::getpid(), signal);
            if (!duringSave) ::_exit(3); // the signal was not taken at once
            // The save goes on to its end, and the program ends with it.
            (void)!::write(pipe[1], "s", 1);
        }
        ::_exit(4);
    }
    ::close(pipe[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    char byte = 0;
    const bool wentOn = ::read(pipe[0], &byte, 1) == 1;
    ::close(pipe[0]);
    return WIFSIGNALED(status) ? Ending{true, WTERMSIG(status), wentOn} : Ending{false, WEXITSTATUS(status), wentOn};
}

} // namespace

// An ending signal ends the program at once, as the system would; during a
// save it waits for the save's end and then ends the program the same way.
TEST(SaveSignals, AnEndingSignalEndsAtOnceOrAtTheSavesEnd) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        for (const bool duringSave : {false, true}) {
            const Ending ending = endingOf(signal, duringSave);
            EXPECT_TRUE(ending.signalled) << signal << " " << duringSave << ": exit " << ending.code;
            EXPECT_EQ(ending.code, signal) << duringSave;
            EXPECT_EQ(ending.wentOn, duringSave) << signal;
        }
}
