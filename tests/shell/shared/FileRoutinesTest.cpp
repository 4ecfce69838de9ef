#include "shell/shared/FileRoutines.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <pwd.h>
#include <unistd.h>

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

// Deleting needs only the folder to be writable here: a read-only file in a
// folder the user may write must still stay. Root may write any file, so as
// root the deletion runs as "nobody", who owns both files and the folder.
TEST(FileRoutines, DeleteFileQuietlyLeavesAReadOnlyFileAsAnOrdinaryUser) {
    QTemporaryDir dir;
    const QString readOnly = dir.filePath(QStringLiteral("read-only.xls"));
    const QString writable = dir.filePath(QStringLiteral("writable.xls"));
    for (const QString& path : {readOnly, writable}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("chart");
    }
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QStringList asUser;
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody) GTEST_SKIP() << "there is no user 'nobody' to delete as";
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "setpriv is missing: the deletion cannot run as 'nobody'";
        for (const QString& path : {dir.path(), readOnly, writable})
            ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid), 0);
        asUser = {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                  QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups")};
    }
    for (const QString& path : {readOnly, writable}) {
        QProcess deletion;
        const QStringList command = asUser + QStringList{QStringLiteral(KINLOOM_DELETE_QUIETLY), path};
        deletion.start(command.first(), command.mid(1));
        ASSERT_TRUE(deletion.waitForFinished(30000));
        ASSERT_EQ(deletion.exitCode(), 0) << deletion.readAllStandardError().toStdString();
    }
    EXPECT_EQ(FileExists(readOnly), -1);
    EXPECT_EQ(FileExists(writable), 0); // the same user deletes a file it may write
}
