#include "chart/TemporaryFiles.h"
#include "files/FileReplacement.h"
#include "files/RunningObjects.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/FileContents.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <unistd.h>

using namespace chart;

namespace {

// What a Kinloom that died leaves in the table: its hold, which nobody locks.
void writeDeadHold(const QString& heldPath) {
    writeFile(files::runningObjectFolder() + QStringLiteral("/Kinloom.TemporaryFile.999999.0"), heldPath.toUtf8());
}

class TemporaryFilesTest : public ::testing::Test {
protected:
    QString temp(const QString& name) const { return QDir(build.tempFolder()).filePath(name); }
    QString app(const QString& name) const { return QDir(appFolder.path()).filePath(name); }
    QStringList tempFiles() const {
        return QDir(build.tempFolder()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    BuildSandbox build;
    QTemporaryDir appFolder;
};

} // namespace

TEST_F(TemporaryFilesTest, LeftoversOfRunsThatDiedGoAtTheNextStartAndNothingElse) {
    const QStringList kept = {QStringLiteral("halvar1234567.xls"),
                              QStringLiteral("halvar02345678.xls"),
                              QStringLiteral("halvar12345678.xlsx"),
                              QStringLiteral("my-halvar12345678.xls"),
                              QStringLiteral("notes.txt"),
                              QStringLiteral("kinloom-picture-abc.bmp"),
                              QStringLiteral(".halvar12345678.xls.abc"),
                              QStringLiteral(".notes.txt.abcdef"),
                              QStringLiteral(".temp.bmp.abcdef")}; // temp.bmp is never made here
    for (const QString& name : kept) writeFile(temp(name), "left behind");
    // Left by runs that were killed: the files, and the hidden ones of saves cut short.
    for (const char* name : {"halvar11111111.xls", "kinloom-picture-abcdefgh.bmp", ".halvar11111111.xls.qwerty",
                             ".kinloom-picture-abcdefgh.bmp.zxcvbn"})
        writeFile(temp(QString::fromLatin1(name)), "left behind");
    writeFile(temp(QStringLiteral("halvar22222222.xls")), "left behind");
    writeDeadHold(temp(QStringLiteral("halvar22222222.xls"))); // held by a process that died
    ASSERT_TRUE(QFile::link(temp(QStringLiteral("notes.txt")), temp(QStringLiteral("halvar33333333.xls"))));
    QStringList othersFiles;
    if (::geteuid() == 0) { // only root can give a file to another user
        writeFile(temp(QStringLiteral("halvar55555555.xls")), "left behind");
        ASSERT_EQ(::chown(QFile::encodeName(temp(QStringLiteral("halvar55555555.xls"))).constData(), 65534, 65534), 0);
        othersFiles << QStringLiteral("halvar55555555.xls");
    }
    const auto live = claimTemporaryFile(temp(QStringLiteral("halvar44444444.xls"))); // a preview still shows it
    ASSERT_TRUE(live);
    const files::FileReplacement saving(temp(QStringLiteral("halvar44444444.xls")), "being saved"); // not yet in place
    const QStringList savingBeside = tempFiles().filter(QStringLiteral(".halvar44444444.xls."));
    ASSERT_EQ(savingBeside.size(), 1);
    for (const char* name : {".temp.bmp.qwerty", "temp.bmp", ".old.xls.abcdef"})
        writeFile(app(QString::fromLatin1(name)), "left behind");

    removeAbandonedTemporaryFiles(build.tempFolder(), appFolder.path());
    QStringList expected = kept;
    expected << QStringLiteral("halvar33333333.xls") << QStringLiteral("halvar44444444.xls") << savingBeside
             << othersFiles;
    expected.sort();
    EXPECT_EQ(tempFiles(), expected);
    EXPECT_EQ(QDir(appFolder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral(".old.xls.abcdef"), QStringLiteral("temp.bmp")}));
}

TEST_F(TemporaryFilesTest, ATempBmpNoLiveKinloomHoldsIsTakenOver) {
    writeFile(app(QStringLiteral("temp.bmp")), "left behind"); // left by a run that died
    {
        const TemporaryFile picture = claimPictureFile(appFolder.path(), build.tempFolder());
        EXPECT_EQ(picture.path(), app(QStringLiteral("temp.bmp")));
        // While this run holds it, another run takes a file of its own.
        const TemporaryFile other = claimPictureFile(appFolder.path(), build.tempFolder());
        EXPECT_TRUE(other.path().startsWith(temp(QStringLiteral("kinloom-picture-")))) << other.path().toStdString();
    }
    EXPECT_TRUE(tempFiles().isEmpty()); // each claim went with its run
    EXPECT_FALSE(QFile::exists(app(QStringLiteral("temp.bmp"))));
}

// What lies at temp.bmp beside the program is taken over only when it is a
// file of the user's own that no live Kinloom holds; anything else stays as
// it is and the picture goes to a file of its own in the temporary folder.
TEST_F(TemporaryFilesTest, OnlyAnAbandonedFileOfTheUsersOwnIsTakenOverAsTempBmp) {
    const QString fixed = app(QStringLiteral("temp.bmp"));
    writeFile(app(QStringLiteral("target.bmp")), "someone's picture");
    const struct {
        const char* what;
        std::function<bool()> leave; // false where the case cannot be made here
        bool takenOver;
    } cases[] = {
        {"held by a run that died",
         [&] {
             writeFile(fixed, "left");
             writeDeadHold(fixed);
             return true;
         },
         true},
        {"a link to another file", [&] { return QFile::link(app(QStringLiteral("target.bmp")), fixed); }, false},
        {"a folder", [&] { return QDir().mkdir(fixed); }, false},
        {"another user's file", // only root can give a file away
         [&] {
             writeFile(fixed, "left");
             return ::chown(QFile::encodeName(fixed).constData(), 65534, 65534) == 0;
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.leave()) continue;
        {
            const TemporaryFile picture = claimPictureFile(appFolder.path(), build.tempFolder());
            EXPECT_EQ(picture.path() == fixed, c.takenOver) << picture.path().toStdString();
        }
        EXPECT_EQ(QFileInfo(fixed).exists() || QFileInfo(fixed).isSymLink(), !c.takenOver);
        EXPECT_EQ(contentOf(app(QStringLiteral("target.bmp"))), QByteArray("someone's picture"));
        EXPECT_TRUE(tempFiles().isEmpty());
        QFile::remove(fixed);
        QDir().rmdir(fixed);
    }
}

// Without a table of running objects that can be trusted nobody can tell a
// file left behind from one in use: nothing is cleared away or taken over.
TEST_F(TemporaryFilesTest, WithoutATrustedTableNothingIsClearedAwayOrTakenOver) {
    QTemporaryDir objects;
    const QString notAFolder = objects.filePath(QStringLiteral("table"));
    writeFile(notAFolder, "");
    files::setRunningObjectFolder(notAFolder);
    writeFile(temp(QStringLiteral("halvar11111111.xls")), "left behind");
    writeFile(app(QStringLiteral("temp.bmp")), "left behind");
    removeAbandonedTemporaryFiles(build.tempFolder(), appFolder.path());
    EXPECT_EQ(tempFiles(), QStringList{QStringLiteral("halvar11111111.xls")});
    {
        const TemporaryFile picture = claimPictureFile(appFolder.path(), build.tempFolder());
        EXPECT_NE(picture.path(), app(QStringLiteral("temp.bmp")));
    }
    EXPECT_EQ(contentOf(app(QStringLiteral("temp.bmp"))), QByteArray("left behind"));
}

// A picture file a run claims in the temporary folder is named as the
// clean-up knows Kinloom's files: left by a run that died, it goes at the
// next start.
TEST_F(TemporaryFilesTest, APictureFileLeftByARunThatDiedGoesAtTheNextStart) {
    writeFile(app(QStringLiteral("temp.bmp")), "another run's");
    const files::FileHold otherRun(app(QStringLiteral("temp.bmp")));
    for (int run = 0; run < 3; ++run) {
        TemporaryFile picture = claimPictureFile(appFolder.path(), build.tempFolder());
        ASSERT_TRUE(picture.path().startsWith(build.tempFolder()));
        picture.handOver(); // the run dies: its file stays, its hold goes
    }
    ASSERT_EQ(tempFiles().size(), 3);
    removeAbandonedTemporaryFiles(build.tempFolder(), appFolder.path());
    EXPECT_TRUE(tempFiles().isEmpty()) << tempFiles().join(u' ').toStdString();
    EXPECT_EQ(contentOf(app(QStringLiteral("temp.bmp"))), QByteArray("another run's"));
}
