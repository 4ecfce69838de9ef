// The programs against signals at random moments: kill -9 and Ctrl+C while
// kinloom-chart writes a workbook and its picture, SIGTERM while the windows'
// start-up shows a message.
#include "files/FileReplacement.h"
#include "tests/support/FileContents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Two charts, each a workbook and a PNG picture; the runs alternate between them.
const char* const kRoots[2] = {"Halvarsen", "Olsen"};

pid_t startChart(const QString& folder, int variant) {
    const QByteArray book = QFile::encodeName(folder + QStringLiteral("/chart.xls"));
    const QByteArray picture = QFile::encodeName(folder + QStringLiteral("/chart.png"));
    const char* arguments[] = {KINLOOM_CHART, "--root",         kRoots[variant], "--generations",     "3",
                               "--output",    book.constData(), "--picture",     picture.constData(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int failed =
        posix_spawn(&child, KINLOOM_CHART, &actions, nullptr, const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed || child <= 0) std::abort(); // never kill(-1) nor wait for another's child
    return child;
}

int finish(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

QStringList hiddenIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(QRegularExpression("^\\."));
}

struct Pair {
    QByteArray book;
    QByteArray picture;
    bool operator==(const Pair&) const = default;
};

Pair pairIn(const QString& folder) {
    return {contentOf(folder + QStringLiteral("/chart.xls")), contentOf(folder + QStringLiteral("/chart.png"))};
}

} // namespace

// Every kill (SIGKILL, or SIGINT as Ctrl+C sends it) at a random moment of a
// run leaves the workbook and the picture both old or both new, once the next
// save to them has put right what a SIGKILL cut short; SIGINT waits for the
// files and leaves nothing to put right. Four folders are killed in turn in
// parallel; the seed (KINLOOM_KILL_SEED) repeats the moments.
TEST(Signals, KillsAtRandomMomentsOfATwoFileSaveLeaveBothOldOrBothNew) {
    constexpr int kWorkers = 4;
    constexpr int kKillsEach = 75;
    const unsigned seed = qEnvironmentVariableIsSet("KINLOOM_KILL_SEED")
        ? qEnvironmentVariableIntValue("KINLOOM_KILL_SEED")
        : std::random_device{}();
    std::printf("[ seed     ] KINLOOM_KILL_SEED=%u\n", seed);
    std::vector<QTemporaryDir> folders(kWorkers);
    Pair charts[2];
    for (int variant = 0; variant < 2; ++variant) {
        ASSERT_EQ(finish(startChart(folders[0].path(), variant)), 0);
        charts[variant] = pairIn(folders[0].path());
    }
    std::atomic<int> faults{0}, killedInSave{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back([&, w] {
            const QString folder = folders[w].path();
            std::mt19937 random(seed + w);
            QElapsedTimer clock;
            clock.start();
            int state = w % 2;
            finish(startChart(folder, state)); // the old pair, and how long a run takes
            const int runMs = std::max<int>(50, static_cast<int>(clock.elapsed()));
            for (int kill = 0; kill < kKillsEach; ++kill) {
                const int next = 1 - state;
                const int signal = random() % 2 ? SIGKILL : SIGINT;
                const int delayMs = static_cast<int>(random() % (runMs * 11 / 10));
                const auto fault = [&](const char* what) {
                    ++faults;
                    std::printf("%s after %d ms: %s (%s)\n", signal == SIGINT ? "SIGINT" : "SIGKILL", delayMs, what,
                                qPrintable(QDir(folder).entryList(QDir::Files | QDir::Hidden).join(u' ')));
                };
                const pid_t child = startChart(folder, next);
                std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
                ::kill(child, signal);
                if (WIFSIGNALED(finish(child)) && pairIn(folder) == charts[next]) ++killedInSave;
                if (signal == SIGINT && !hiddenIn(folder).isEmpty())
                    fault("a hidden file left"); // nothing to put right
                for (const char* name : {"/chart.xls", "/chart.png"})
                    files::repairInterruptedSave(QFile::encodeName(folder + QString::fromLatin1(name)));
                const Pair now = pairIn(folder);
                if (now == charts[next])
                    state = next;
                else if (!(now == charts[state]))
                    fault("one file old, the other new");
                if (!hiddenIn(folder).isEmpty()) fault("a hidden file left after the next save's repair");
            }
            // A whole run afterwards: what any kill left is gone.
            finish(startChart(folder, 1 - state));
            if (!(pairIn(folder) == charts[1 - state]) || !hiddenIn(folder).isEmpty()) ++faults;
        });
    for (std::thread& worker : workers) worker.join();
    std::printf("[ figures  ] %d kills, %d of them while the files went in place or after\n", kWorkers * kKillsEach,
                killedInSave.load());
    EXPECT_EQ(faults.load(), 0);
}

// SIGTERM while the start-up shows a message (here: a settings store that
// cannot be read) ends the program, rather than close the message only.
TEST(Signals, SigtermDuringAStartUpMessageEndsTheProgram) {
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("config/Brenvik.ini"))); // a folder: cannot be read
    QProcess kinloom;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("HOME"), home.path());
    kinloom.setProcessEnvironment(environment);
    kinloom.setWorkingDirectory(home.path());
    kinloom.start(QStringLiteral(KINLOOM), {});
    ASSERT_TRUE(kinloom.waitForStarted());
    std::this_thread::sleep_for(std::chrono::milliseconds(1500)); // the message shows
    ::kill(static_cast<pid_t>(kinloom.processId()), SIGTERM);
    const bool ended = kinloom.waitForFinished(10000);
    if (!ended) kinloom.kill();
    EXPECT_TRUE(ended);
    kinloom.waitForFinished();
}
