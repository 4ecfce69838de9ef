#include "shell/shared/EndOnSignals.h"
#include "shell/shared/TrappedHandler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <csignal>

// SIGTERM, SIGINT and SIGHUP end the program as closing its window does:
// the windows hidden, the event loop left with success. Signals that came
// together end it once, and leave nothing that ends a later loop.
TEST(EndOnSignals, EachSignalToEndLeavesTheEventLoopWithSuccess) {
    shell::endApplicationOnSignals();
    const auto loop = [](int exitAfterMs) {
        QObject guard;
        QTimer::singleShot(exitAfterMs, &guard, [] { QCoreApplication::exit(7); });
        return QCoreApplication::exec();
    };
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        QWidget window;
        window.show();
        QTimer::singleShot(0, [signal] {
            std::raise(signal);
            std::raise(signal);
        });
        EXPECT_EQ(loop(5000), 0);
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(shell::TrappedHandler::applicationEnded());
        shell::TrappedHandler::setApplicationEnded(false);
        EXPECT_EQ(loop(100), 7); // no signal: the loop runs until it is left
    }
}
