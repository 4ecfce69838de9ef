#include "files/RunningObjects.h"
#include "spreadsheet/Application.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
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
