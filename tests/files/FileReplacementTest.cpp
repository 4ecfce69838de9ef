#include "files/FileReplacement.h"
#include "core/Error.h"
#include "tests/support/FileContents.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/Replacing.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace files;

namespace {

struct stat statusOf(const QString& path) {
    struct stat status {};
    ::lstat(QFile::encodeName(path).constData(), &status);
    return status;
}

QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Beside: the folder takes new files. In place: the folder refuses them (the
// seam's first operation, creating the new file, fails as in a folder the
// user cannot write), but the file itself may be written.
enum class Mode {
    Beside,
    InPlace
};

const char* nameOf(Mode mode) { return mode == Mode::InPlace ? "InPlace" : "Beside"; }
void PrintTo(Mode mode, std::ostream* out) { *out << nameOf(mode); }

class FullDisk : public ::testing::TestWithParam<Mode> {};

} // namespace

TEST_P(FullDisk, AtEveryPointOfASaveTheOldFileStaysAndTheReasonIsGiven) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("old.xls"));
    const QByteArray old(600 * 1024, 'o');
    QByteArray replacement(300 * 1024 + 7, 'n');
    replacement[0] = 'N';
    writeFile(target, old);
    const int firstPoint = GetParam() == Mode::InPlace ? 2 : 1;
    int points = 0;
    for (int point = firstPoint;; ++point) {
        SCOPED_TRACE(point);
        ScopedFileOperationFailure full([&](int operation) {
            if (GetParam() == Mode::InPlace && operation == 1) return EACCES;
            return operation == point ? ENOSPC : 0;
        });
        const QString failure = replacing(target, replacement);
        if (failure.isEmpty()) {
            EXPECT_LT(full.operationsSeen(), point); // every operation ran
            break;
        }
        ++points;
        EXPECT_EQ(failure, QStringLiteral("Cannot save '%1': No space left on device.").arg(target));
        ASSERT_EQ(contentOf(target), old);
        ASSERT_EQ(entries(dir), QStringList{QStringLiteral("old.xls")});
        ASSERT_LT(point, 100);
    }
    EXPECT_EQ(contentOf(target), replacement);
    EXPECT_EQ(entries(dir), QStringList{QStringLiteral("old.xls")});
    std::printf("[ figures  ] %s: %d failure points, old file unchanged at each\n",
                GetParam() == Mode::InPlace ? "written in place" : "written beside", points);
    EXPECT_GE(points, 8); // opening, five pieces, flushing, closing or renaming at least
}

INSTANTIATE_TEST_SUITE_P(FileReplacement, FullDisk, ::testing::Values(Mode::Beside, Mode::InPlace),
                         [](const auto& info) { return nameOf(info.param); });

TEST(FileReplacement, AFileInAFolderThatRefusesNewFilesIsWrittenInPlaceAndReadBack) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("shared.xls"));
    writeFile(target, QByteArray(5000, 'o'));
    const ino_t before = statusOf(target).st_ino;
    {
        ScopedFileOperationFailure noNewFiles(1, EACCES);
        EXPECT_EQ(replacing(target, "shorter"), QString());
    }
    EXPECT_EQ(contentOf(target), QByteArray("shorter"));
    EXPECT_EQ(statusOf(target).st_ino, before);
    // Without a file to write in place, the folder's refusal is the reason.
    ScopedFileOperationFailure noNewFiles(1, EACCES);
    EXPECT_EQ(replacing(dir.filePath(QStringLiteral("new.xls")), "x"),
              QStringLiteral("Cannot save '%1': Permission denied.").arg(dir.filePath(QStringLiteral("new.xls"))));
}

TEST(FileReplacement, WhatIsNoRegularFileIsRefusedBeforeAnythingIsWritten) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe.xls")).constData(), 0600), 0);
    // A device of the test's own where it may make one: a fault here must
    // never reach the system's /dev/null, which root could replace.
    const bool ownDevice = ::mknod(QFile::encodeName(at("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    ASSERT_TRUE(ownDevice || ::geteuid() != 0) << "root cannot make a device node here";
    ASSERT_TRUE(QFile::link(ownDevice ? at("null") : QStringLiteral("/dev/null"), at("device.xls")));
    ASSERT_TRUE(QFile::link(at("loop-b.xls"), at("loop-a.xls")));
    ASSERT_TRUE(QFile::link(at("loop-a.xls"), at("loop-b.xls")));
    ASSERT_TRUE(QFile::link(at("missing.xls"), at("dangling.xls")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.xls")));
    const QStringList before = entries(dir);
    struct Case {
        const char* name;
        const char* reason;
    };
    for (const Case& c : {Case{"pipe.xls", "it is a named pipe"}, Case{"device.xls", "it is a device"},
                          Case{"loop-a.xls", "it is a link that leads to no file (Too many levels of symbolic links)"},
                          Case{"dangling.xls", "it is a link that leads to no file (No such file or directory)"},
                          Case{"folder.xls", "it is a folder"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(
            replacing(at(c.name), "chart")
                .startsWith(QStringLiteral("Cannot save '%1': %2").arg(at(c.name), QString::fromLatin1(c.reason))));
    }
    EXPECT_EQ(entries(dir), before);
    EXPECT_TRUE(S_ISFIFO(statusOf(at("pipe.xls")).st_mode));
    for (const char* link : {"device.xls", "loop-a.xls", "dangling.xls"})
        EXPECT_TRUE(S_ISLNK(statusOf(at(link)).st_mode));

    // A link to a regular file writes the file it leads to; the link stays.
    writeFile(at("real.xls"), "old");
    ASSERT_TRUE(QFile::link(at("real.xls"), at("link.xls")));
    EXPECT_EQ(replacing(at("link.xls"), "new"), QString());
    EXPECT_EQ(contentOf(at("real.xls")), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(at("link.xls")).isSymLink());
}

TEST(FileReplacement, TheReplacedFileKeepsItsPermissions) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("chart.xls"));
    writeFile(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    EXPECT_EQ(replacing(target, "new"), QString());
    EXPECT_EQ(statusOf(target).st_mode & 07777, 0640u);
}

namespace {

// How a replacement goes in: beside its target, or written in place because
// the folder refuses new files (the seam's first operation fails as it would).
std::unique_ptr<FileReplacement> prepared(const QString& target, const QByteArray& bytes, Mode mode) {
    if (mode == Mode::Beside) return std::make_unique<FileReplacement>(target, bytes);
    ScopedFileOperationFailure noNewFiles(1, EACCES);
    return std::make_unique<FileReplacement>(target, bytes);
}

} // namespace

// kinloom-chart's workbook and picture: a failure at any point of putting
// them in place leaves both as they were, whichever way each is written and
// whether or not the second existed.
TEST(FileReplacement, TwoFilesGoInPlaceAsOneOrNotAtAll) {
    struct Case {
        Mode first;
        Mode second;
        bool secondExists;
    };
    for (const Case& c : {Case{Mode::Beside, Mode::Beside, true}, Case{Mode::Beside, Mode::Beside, false},
                          Case{Mode::Beside, Mode::InPlace, true}, Case{Mode::InPlace, Mode::Beside, true},
                          Case{Mode::InPlace, Mode::Beside, false}, Case{Mode::InPlace, Mode::InPlace, true}}) {
        SCOPED_TRACE(testing::Message() << int(c.first) << int(c.second) << c.secondExists);
        QTemporaryDir dir;
        const QString book = dir.filePath(QStringLiteral("old.xls")), picture = dir.filePath(QStringLiteral("p.png"));
        const QStringList held = c.secondExists ? QStringList{QStringLiteral("old.xls"), QStringLiteral("p.png")}
                                                : QStringList{QStringLiteral("old.xls")};
        int failures = 0;
        for (int point = 1;; ++point) {
            SCOPED_TRACE(point);
            ASSERT_LT(point, 100);
            writeFile(book, "old chart");
            QFile::remove(picture);
            if (c.secondExists) writeFile(picture, "old picture");
            std::optional<ScopedFileOperationFailure> failing;
            QString failure;
            {
                const auto first = prepared(book, "new chart", c.first);
                const auto second = prepared(picture, "new picture", c.second);
                failing.emplace(point, EIO);
                try {
                    commitTogether({first.get(), second.get()});
                } catch (const core::Error& e) {
                    failure = e.description();
                }
            }
            if (failure.isEmpty()) {
                EXPECT_EQ(contentOf(book), QByteArray("new chart"));
                EXPECT_EQ(contentOf(picture), QByteArray("new picture"));
            } else {
                ++failures;
                EXPECT_TRUE(failure.endsWith(QStringLiteral(": Input/output error."))) << failure.toStdString();
                EXPECT_EQ(contentOf(book), QByteArray("old chart"));
                EXPECT_EQ(c.secondExists ? contentOf(picture) : QByteArray(QFile::exists(picture) ? "made" : ""),
                          c.secondExists ? QByteArray("old picture") : QByteArray());
                EXPECT_EQ(entries(dir), held); // nothing hidden left beside them
            }
            if (failing->operationsSeen() < point) break; // every operation has failed once
        }
        EXPECT_GE(failures, 2); // the first rename or write, and the second
    }
}

// A file system that cannot reserve room (ext2, some network file systems)
// has it counted instead: a file written in place that would not fit is
// refused before it is touched.
TEST(FileReplacement, WhereRoomCannotBeReservedAFileThatWouldNotFitIsLeftUntouched) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    if (::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here: " << std::strerror(errno);
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH); });
    const QString target = dir.filePath(QStringLiteral("old.png"));
    writeFile(target, QByteArray(64 * 1024, 'o'));
    ScopedFileOperationFailure noReservations([](int operation) {
        if (operation == 1) return EACCES;      // no new files: written in place
        return operation == 4 ? EOPNOTSUPP : 0; // opened in place, the old content read: the reservation
    });
    try {
        FileReplacement replacement(target, QByteArray(512 * 1024, 'n'));
        ADD_FAILURE() << "made ready without the room for it";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.description(), QStringLiteral("Cannot save '%1': No space left on device.").arg(target));
    }
    EXPECT_EQ(contentOf(target), QByteArray(64 * 1024, 'o'));
}

// What cannot be seen in the file afterwards: the new bytes are on the
// device before they take the old ones' place, and what is written in place
// is read back whole, not only counted.
TEST(FileReplacement, NewBytesAreFlushedBeforeTheyReplaceAndReadBackWhole) {
    using enum FileOperation;
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("old.xls"));
    writeFile(target, "old");
    struct Case {
        Mode mode;
        std::vector<FileOperation> operations;
    };
    for (const Case& c : {Case{Mode::Beside, {Create, Permissions, Write, Flush, Close, Rename}},
                          Case{Mode::InPlace, {Create, Open, Read, Reserve, Write, Truncate, Flush, Read}}}) {
        ScopedFileOperationFailure seen(
            [&](int operation) { return c.mode == Mode::InPlace && operation == 1 ? EACCES : 0; });
        EXPECT_EQ(replacing(target, "new"), QString());
        EXPECT_EQ(seen.operationKinds(), c.operations);
    }
    // A device that keeps other bytes than it was given: the old content goes back.
    ScopedFileOperationFailure lossy([](int operation) {
        if (operation == 1) return EACCES;
        return operation == 8 ? ScopedFileOperationFailure::kReadsOtherBytes : 0;
    });
    EXPECT_EQ(replacing(target, "other"), QStringLiteral("Cannot save '%1': Input/output error.").arg(target));
    EXPECT_EQ(contentOf(target), QByteArray("new"));
}

// Root may write any file: the refusal of a read-only file is seen only by an
// ordinary user, in a folder that user may write (where the file could
// otherwise be replaced by a rename).
TEST(FileReplacement, AFileTheUserMayNotWriteIsNeverReplaced) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("read-only.xls"));
    writeFile(target, "keep me");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(dir.path()).constData(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(QFile::encodeName(target).constData(), kNobody, kNobody), 0);
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
        ::_exit(replacing(target, "new").endsWith(QStringLiteral(": Permission denied.")) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 2) << "cannot become an ordinary user here";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contentOf(target), QByteArray("keep me"));
}
