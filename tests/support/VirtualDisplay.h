#pragma once

// An X server of the test's own (Xvfb), on a display it chooses itself
// (-displayfd), so that test runs side by side never meet. Stopped when the
// object goes.
#include <QByteArray>
#include <QString>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

class VirtualDisplay {
public:
    VirtualDisplay() {
        int ready[2];
        if (::pipe(ready) != 0) {
            m_failure = QStringLiteral("no pipe for Xvfb");
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            // It ends with the test, however the test ends.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            ::close(ready[0]);
            // Its notes on displays other runs hold are of no interest here.
            const int quiet = ::open("/dev/null", O_WRONLY);
            if (quiet >= 0) ::dup2(quiet, 2);
            const QByteArray fd = QByteArray::number(ready[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-nolisten", "tcp", "-screen", "0", "800x600x24",
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ready[1]);
        // Xvfb writes its display number once it takes connections.
        QByteArray number;
        pollfd wait{ready[0], POLLIN, 0};
        char c = 0;
        while (m_pid > 0 && ::poll(&wait, 1, 20000) == 1 && ::read(ready[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(ready[0]);
        if (number.isEmpty()) {
            m_failure = QStringLiteral("Xvfb did not start (is the package xvfb installed?)");
            return;
        }
        m_name = ":" + number;
    }
    ~VirtualDisplay() {
        if (m_pid <= 0) return;
        ::kill(m_pid, SIGTERM);
        ::waitpid(m_pid, nullptr, 0);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // ":N", or empty when Xvfb could not start (failure() says why).
    const QByteArray& name() const { return m_name; }
    const QString& failure() const { return m_failure; }

private:
    pid_t m_pid = -1;
    QByteArray m_name;
    QString m_failure;
};
