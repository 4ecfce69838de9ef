#include "files/RunningObjects.h"
#include "spreadsheet/Application.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace spreadsheet;
using namespace files;

class RunningObjects : public ::testing::Test {
protected:
    void SetUp() override { setRunningObjectFolder(m_folder.path()); }
    void TearDown() override { setRunningObjectFolder(QString()); }
    QTemporaryDir m_folder;
};

TEST_F(RunningObjects, AnInstanceIsFoundWhileItLivesAndNotAfterItQuits) {
    EXPECT_FALSE(runningObjectDefaultMember(Application::className()));
    {
        Application app;
        EXPECT_EQ(runningObjectDefaultMember(QStringLiteral("Excel.Application")), QStringLiteral("Microsoft Excel"));
        EXPECT_FALSE(runningObjectDefaultMember(QStringLiteral("Word.Application")));
        app.quit();
        EXPECT_FALSE(runningObjectDefaultMember(Application::className()));
    }
    {
        Application app; // ended without quit
    }
    EXPECT_FALSE(runningObjectDefaultMember(Application::className()));
    EXPECT_TRUE(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(RunningObjects, OtherAnswersAndStaleEntries) {
    RunningObjectEntry impostor(QStringLiteral("Excel.Application"), QStringLiteral("Microsoft Excel 2016"));
    EXPECT_EQ(runningObjectDefaultMember(QStringLiteral("Excel.Application")), QStringLiteral("Microsoft Excel 2016"));

    // An entry left by a process that died holds no lock: it is not an instance.
    const QString stale = m_folder.path() + QStringLiteral("/Word.Application.999999.0");
    QFile file(stale);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Microsoft Word");
    file.close();
    EXPECT_FALSE(runningObjectDefaultMember(QStringLiteral("Word.Application")));
    EXPECT_FALSE(QFile::exists(stale)); // and it is cleared away
}

// The table is kept only in a folder of the user's own, made readable by the
// user alone; in one another user made first, or behind a link, or where a
// file stands, no entry is made and none is believed.
TEST(RunningObjectTable, IsKeptOnlyInAFolderOfTheUsersOwn) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    QDir().mkdir(at("real"));
    QFile::link(at("real"), at("link"));
    QFile(at("file")).open(QIODevice::WriteOnly);
    QDir().mkdir(at("others"));
    const bool othersMade = ::chown(QFile::encodeName(at("others")).constData(), 65534, 65534) == 0;
    const struct {
        const char* folder;
        bool kept;
    } cases[] = {{"new/table", true}, {"real", true}, {"link", false}, {"file", false}, {"others", !othersMade}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        setRunningObjectFolder(at(c.folder));
        {
            const RunningObjectEntry entry(QStringLiteral("Kinloom.Test"), QStringLiteral("member"));
            EXPECT_EQ(entry.isRegistered(), c.kept);
            EXPECT_EQ(runningObjectDefaultMember(QStringLiteral("Kinloom.Test")).has_value(), c.kept);
        }
        struct stat status {};
        if (c.kept && ::stat(QFile::encodeName(at(c.folder)).constData(), &status) == 0) {
            EXPECT_EQ(status.st_mode & 0777, 0700u);
        }
    }
    setRunningObjectFolder(QString());
}
