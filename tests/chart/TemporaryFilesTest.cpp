#include "chart/TemporaryFiles.h"
#include "spreadsheet/RunningObjects.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/FileContents.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

using namespace chart;

namespace {

// What a Kinloom that died leaves in the table: its hold, which nobody locks.
void writeDeadHold(const QString& heldPath) {
    writeFile(spreadsheet::runningObjectFolder() + QStringLiteral("/Kinloom.TemporaryFile.999999.0"),
              heldPath.toUtf8());
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
    const QStringList kept = {QStringLiteral("halvar1234567.xls"),   QStringLiteral("halvar02345678.xls"),
                              QStringLiteral("halvar12345678.xlsx"), QStringLiteral("my-halvar12345678.xls"),
                              QStringLiteral("notes.txt"),           QStringLiteral("kinloom-picture-abc.bmp")};
    for (const QString& name : kept) writeFile(temp(name), "left behind");
    writeFile(temp(QStringLiteral("halvar11111111.xls")), "left behind");           // its run was killed
    writeFile(temp(QStringLiteral("kinloom-picture-abcdefgh.bmp")), "left behind"); // likewise
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

    removeAbandonedTemporaryFiles(build.tempFolder());
    QStringList expected = kept;
    expected << QStringLiteral("halvar33333333.xls") << QStringLiteral("halvar44444444.xls") << othersFiles;
    expected.sort();
    EXPECT_EQ(tempFiles(), expected);
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
