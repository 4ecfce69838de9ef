#include "shell/shared/FileRoutines.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using shell::DeleteFileQuietly;
using shell::FileExists;

TEST(FileRoutines, FileExistsAnswersMinusOneOnlyForAFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.xls"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(FileExists(file), -1);
    EXPECT_EQ(FileExists(QString()), 0);
    EXPECT_EQ(FileExists(dir.filePath(QStringLiteral("missing/a.xls"))), 0);
    EXPECT_EQ(FileExists(dir.path() + QDir::separator()), 0);
    EXPECT_EQ(FileExists(dir.path()), 0);
    EXPECT_EQ(FileExists(dir.path() + QStringLiteral("/a") + QChar(u'\0') + QStringLiteral("b")), 0);
}

TEST(FileRoutines, DeleteFileQuietlyDeletesOrLeavesAlone) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.xls"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    DeleteFileQuietly(file);
    EXPECT_EQ(FileExists(file), 0);
    DeleteFileQuietly(file);       // already gone
    DeleteFileQuietly(QString());  // nothing named
    DeleteFileQuietly(dir.path()); // a folder is not deleted
    EXPECT_TRUE(QDir(dir.path()).exists());
}
