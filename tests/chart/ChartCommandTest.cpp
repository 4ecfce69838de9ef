#include "chart/ChartCommand.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace chart;

namespace {

struct CommandRun {
    int status;
    QString out;
    QString err;
};

CommandRun run(QStringList arguments) {
    arguments.prepend(QStringLiteral("kinloom-chart"));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runChartCommand(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {status, out, err};
}

} // namespace

TEST(ChartCommand, RefusedCountsExitWithTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("chart.xls"));
    struct Case {
        const char* count;
        const char* message;
    };
    for (const Case& c : {Case{"abc", "Number of generations must be numeric.\n"},
                          Case{"", "Number of generations must be numeric.\n"},
                          Case{"16", "Number of generations must be 15 or less.\n"}}) {
        const CommandRun r = run({QStringLiteral("--generations"), QString::fromLatin1(c.count), QStringLiteral("--output"), output});
        EXPECT_EQ(r.status, kExitBadInput) << c.count;
        EXPECT_EQ(r.err, QString::fromLatin1(c.message));
    }
    EXPECT_EQ(run({}).status, kExitBadInput);  // no --output
    EXPECT_EQ(run({QStringLiteral("--output"), output, QStringLiteral("--picture"), dir.filePath(QStringLiteral("p.xyz"))}).status,
              kExitBadInput);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(ChartCommand, AFailedSaveExitsWithOneAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const CommandRun missingFolder = run({QStringLiteral("--output"), dir.filePath(QStringLiteral("no/such/chart.xls"))});
    EXPECT_EQ(missingFolder.status, kExitFailure);
    EXPECT_TRUE(missingFolder.err.startsWith(QStringLiteral("Cannot save '"))) << missingFolder.err.toStdString();

    const QString existing = dir.filePath(QStringLiteral("chart.xls"));
    QFile old(existing);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old chart");
    old.close();
    // A picture that cannot be written stops the run before the workbook is replaced.
    const CommandRun badPicture = run({QStringLiteral("--output"), existing, QStringLiteral("--picture"),
                                dir.filePath(QStringLiteral("no/such/chart.png"))});
    EXPECT_EQ(badPicture.status, kExitFailure);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old chart"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("chart.xls")});

    const CommandRun saved = run({QStringLiteral("--output"), existing});
    EXPECT_EQ(saved.status, kExitSuccess) << saved.err.toStdString();
    old.close();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.read(4), QByteArray::fromHex("D0CF11E0"));
}

TEST(ChartCommand, AFailedRunLeavesNoFileAndOneFileForBothIsRefused) {
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.xls"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    struct Case {
        QString output;
        int status;
        QString message;
    };
    for (const Case& c :
         {Case{dir.filePath(QStringLiteral("missing-folder/x.xls")), kExitFailure,
               QStringLiteral("No such file or directory")},
          Case{pipe, kExitFailure, QStringLiteral("it is a named pipe")},
          Case{dir.filePath(QStringLiteral("./p.png")), kExitBadInput, QStringLiteral("cannot be the same file")}}) {
        SCOPED_TRACE(c.output.toStdString());
        const CommandRun r = run({QStringLiteral("--output"), c.output, QStringLiteral("--picture"), picture});
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden),
                  QStringList{QStringLiteral("pipe.xls")});
    }
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(ChartCommand, HelpNamesEveryOption) {
    const CommandRun help = run({QStringLiteral("--help")});
    EXPECT_EQ(help.status, kExitSuccess);
    for (const char* option : {"--root", "--generations", "--output", "--picture", "--version", "Exit status"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;
}
