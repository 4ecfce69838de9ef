#include "files/FileReplacement.h"
#include "tests/support/FileContents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace files;

namespace {

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Whether the save went through (the error's text otherwise).
std::optional<std::string> saving(const QString& target, const QByteArray& bytes) {
    try {
        replaceFile(target, bytes);
    } catch (const std::exception& e) {
        return e.what();
    }
    return std::nullopt;
}

} // namespace

// A name as long as a file system takes, in letters of one, two or three
// bytes, saves as a short one does: the hidden file beside it has a name of
// its own that fits, counted in bytes.
TEST(SaveLimits, ANameAsLongAsTheFileSystemTakesIsSaved) {
    QTemporaryDir dir;
    for (const QString& letter : {QStringLiteral("a"), QStringLiteral("ø"), QStringLiteral("ᚠ")}) {
        const int width = static_cast<int>(letter.toUtf8().size());
        QString name = letter.repeated((NAME_MAX - 4) / width);
        name += QString(QLatin1Char('x')).repeated(NAME_MAX - 4 - static_cast<int>(name.toUtf8().size()));
        name += QStringLiteral(".xls");
        ASSERT_EQ(QFile::encodeName(name).size(), NAME_MAX);
        const QString target = dir.filePath(name);
        for (const QByteArray& bytes : {QByteArray("first"), QByteArray("second")}) {
            EXPECT_EQ(saving(target, bytes), std::nullopt) << width << "-byte letters";
            EXPECT_EQ(contentOf(target), bytes);
        }
        EXPECT_EQ(entries(dir.path()), QStringList{name});
        QFile::remove(target);
    }
}

// Where room cannot be reserved it is counted: a file written in place takes
// exactly the room it had and what the file system has free, and not one
// block more. Counted on a small file system of the test's own.
TEST(SaveLimits, AFileWrittenInPlaceMayTakeExactlyTheRoomThereIs) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here: " << std::strerror(errno);
    const auto unmount = qScopeGuard([&] { ::umount2(folder.constData(), MNT_DETACH); });
    const QString target = dir.filePath(QStringLiteral("old.png"));
    const QString filler = dir.filePath(QStringLiteral("filler"));
    const QByteArray old(64 * 1024, 'o');
    // The room a file may grow by: what the file system has free.
    const auto freeBytes = [&] {
        struct statvfs volume {};
        EXPECT_EQ(::statvfs(folder.constData(), &volume), 0);
        return static_cast<qsizetype>(volume.f_bfree * volume.f_frsize);
    };
    const struct {
        const char* what;
        bool full; // the rest of the file system filled by another file
        qsizetype beyondRoom;
        bool fits;
    } cases[] = {
        {"all the room there is", false, 0, true},
        {"a byte beyond it", false, 1, false},
        {"on a full file system, the file's own room", true, 0, true},
        {"on a full file system, a byte more", true, 1, false},
        {"on a full file system, less than it had", true, -1000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(filler);
        writeFile(target, old);
        if (c.full) writeFile(filler, QByteArray(freeBytes(), 'f'));
        ASSERT_TRUE(!c.full || freeBytes() == 0);
        const QByteArray bytes(old.size() + freeBytes() + c.beyondRoom, 'n');
        std::optional<std::string> failure;
        {
            ScopedFileOperationFailure noReservations([](int operation) {
                if (operation == 1) return EACCES;      // no new files: written in place
                return operation == 4 ? EOPNOTSUPP : 0; // opened, the old content read: the reservation
            });
            failure = saving(target, bytes);
        }
        if (c.fits) {
            EXPECT_EQ(failure, std::nullopt);
            EXPECT_EQ(contentOf(target), bytes);
        } else {
            ASSERT_TRUE(failure);
            EXPECT_NE(failure->find("No space left on device"), std::string::npos) << *failure;
            EXPECT_EQ(contentOf(target), old);
        }
    }
}
