// Saves against what other users and the system do meanwhile: another user
// who opens the new file at once or plants a link in a shared folder, a kill
// at any point of a save of two files, the hidden files of earlier saves,
// and the table of holds as another session of the same user sees it.
#include "core/Error.h"
#include "files/FileHold.h"
#include "files/FileReplacement.h"
#include "files/RunningObjects.h"
#include "tests/support/FileContents.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/Replacing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace files;

namespace {

constexpr uid_t kNobody = 65534;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs the work in a child process as "nobody"; its exit status, or -1 when
// the child cannot become nobody (not root).
int asNobody(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::setgroups(0, nullptr);
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(99);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 99 ? WEXITSTATUS(status) : -1;
}

// The holds of these tests are kept apart from those of real Kinlooms.
class Saves : public ::testing::Test {
protected:
    void SetUp() override { setRunningObjectFolder(m_holds.path()); }
    void TearDown() override { setRunningObjectFolder(QString()); }
    QTemporaryDir m_holds;
    QTemporaryDir m_dir;
    QString at(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
};

} // namespace

// Another user who opens the new file the moment it exists must find it no
// more open to them than the old file was, whatever the umask.
TEST_F(Saves, TheNewFileIsNeverReadableByMoreUsersThanTheOldOne) {
    const mode_t umask = ::umask(022);
    for (const mode_t old : {0600u, 0640u, 0604u, 0644u}) {
        SCOPED_TRACE(old);
        writeFile(at("chart.xls"), "old");
        ASSERT_EQ(::chmod(QFile::encodeName(at("chart.xls")).constData(), old), 0);
        mode_t widest = 0;
        {
            // Looked at before each operation, the first after the new file is made included.
            ScopedFileOperationFailure watch([&](int) {
                for (const QString& name : entries(m_dir.path()))
                    if (name.startsWith(u'.')) {
                        struct stat status {};
                        ::stat(QFile::encodeName(m_dir.filePath(name)).constData(), &status);
                        widest |= status.st_mode & 0777;
                    }
                return 0;
            });
            EXPECT_EQ(replacing(at("chart.xls"), "new"), QString());
        }
        EXPECT_EQ(widest & ~old, 0u);
        struct stat status {};
        ::stat(QFile::encodeName(at("chart.xls")).constData(), &status);
        EXPECT_EQ(status.st_mode & 0777, old);
    }
    ::umask(umask);
}

// In a folder that is sticky and writable by everyone, a link another user
// made is not followed, whether it is the file named or a folder on the way
// (as the kernel's protected-links rule has it); the user's own is.
TEST_F(Saves, AnotherUsersLinkInASharedFolderIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "a second user's link needs root to make";
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("shared")));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("private")));
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(at("shared")).constData(), 01777), 0);
    writeFile(at("private/chart.xls"), "victim's");
    ASSERT_EQ(asNobody([&] {
                  return QFile::link(at("private/chart.xls"), at("shared/chart.xls"))
                      && QFile::link(at("private"), at("shared/folder"));
              }),
              0);
    for (const char* named : {"shared/chart.xls", "shared/folder/chart.xls"}) {
        SCOPED_TRACE(named);
        EXPECT_TRUE(replacing(at(named), "root's").contains(QStringLiteral("a link that another user made")));
        EXPECT_EQ(contentOf(at("private/chart.xls")), QByteArray("victim's"));
    }
    ASSERT_TRUE(QFile::link(at("private/chart.xls"), at("shared/own.xls")));
    EXPECT_EQ(replacing(at("shared/own.xls"), "root's"), QString());
    EXPECT_EQ(contentOf(at("private/chart.xls")), QByteArray("root's"));
}

// A workbook and its picture saved as one, the process killed after any one
// file operation of the save: the next save to either file finds both old or
// both new, and no hidden file beside them.
TEST_F(Saves, AKillAtAnyPointOfATwoFileSaveIsPutRightByTheNextSave) {
    for (const bool pictureExisted : {true, false}) {
        int points = 0;
        for (int point = 1;; ++point) {
            SCOPED_TRACE(testing::Message() << pictureExisted << " " << point);
            ASSERT_LT(point, 100);
            for (const QString& name : entries(m_dir.path())) QFile::remove(m_dir.filePath(name));
            writeFile(at("chart.xls"), "old chart");
            if (pictureExisted) writeFile(at("chart.png"), "old picture");
            const pid_t child = ::fork();
            if (child == 0) {
                ScopedFileOperationFailure killed([point](int operation) {
                    if (operation == point) ::_exit(9);
                    return 0;
                });
                FileReplacement book(at("chart.xls"), "new chart"), picture(at("chart.png"), "new picture");
                commitTogether({&book, &picture});
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFEXITED(status));
            repairInterruptedSave(QFile::encodeName(at("chart.xls")));
            repairInterruptedSave(QFile::encodeName(at("chart.png")));
            const bool isNew = contentOf(at("chart.xls")) == "new chart";
            EXPECT_EQ(contentOf(at("chart.xls")), isNew ? "new chart" : "old chart");
            EXPECT_EQ(QFile::exists(at("chart.png")) ? contentOf(at("chart.png")) : QByteArray(),
                      isNew                ? "new picture"
                          : pictureExisted ? "old picture"
                                           : "");
            EXPECT_EQ(entries(m_dir.path()).filter(QStringLiteral("^\\.")), QStringList());
            if (WEXITSTATUS(status) == 0) break;
            ++points;
        }
        EXPECT_GE(points, 8);
    }
}

// What earlier saves left beside a target goes with the next save to it:
// the user's own hidden files that no live Kinloom holds, and nothing else.
TEST_F(Saves, HiddenFilesOfEarlierSavesGoWithTheNextSave) {
    writeFile(at("chart.xls"), "old");
    writeFile(at(".chart.xls.abcdef"), "left by a killed save");
    writeFile(at(".chart.xls.ghijkl"), "a live save's");
    writeFile(at(".chart.xls.notours"), "another name");
    writeFile(at(".other.xls.abcdef"), "another target's");
    const FileHold live(at(".chart.xls.ghijkl"));
    QStringList kept{QStringLiteral(".chart.xls.ghijkl"), QStringLiteral(".chart.xls.notours"),
                     QStringLiteral(".other.xls.abcdef"), QStringLiteral("chart.xls")};
    if (::geteuid() == 0) {
        writeFile(at(".chart.xls.mnopqr"), "another user's");
        ASSERT_EQ(::chown(QFile::encodeName(at(".chart.xls.mnopqr")).constData(), kNobody, kNobody), 0);
        kept.insert(1, QStringLiteral(".chart.xls.mnopqr"));
    }
    EXPECT_EQ(replacing(at("chart.xls"), "new"), QString());
    EXPECT_EQ(entries(m_dir.path()), kept);
}

// Two sessions of one user (a desktop and su, sudo or ssh) see different
// runtime and temporary folders, yet each sees the other's holds; and no
// other user can take the table's place first.
TEST(RunningObjectTable, IsFoundByUserWhateverTheEnvironment) {
    setRunningObjectFolder(QString());
    QTemporaryDir a, b;
    const auto session = [](const QTemporaryDir& dir) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
    };
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), temporary = qgetenv("TMPDIR");
    if (::geteuid() == 0) { // where the second session's table would once have been, made first by another user
        ::chmod(QFile::encodeName(b.path()).constData(), 01777);
        asNobody([&] { return QDir().mkpath(b.filePath(QStringLiteral("kinloom-running-objects"))); });
    }
    session(a);
    const FileHold hold(a.filePath(QStringLiteral("halvar12345678.xls")));
    session(b);
    EXPECT_TRUE(runningObjectTableIsUsable());
    EXPECT_TRUE(heldFiles().contains(heldName(a.filePath(QStringLiteral("halvar12345678.xls")))));
    runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", runtime);
    temporary.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", temporary);
}
