#include "chart/BuildRun.h"
#include "chart/ChartCommand.h"
#include "chart/TemporaryFiles.h"
#include "shell/shared/PointerShape.h"
#include "spreadsheet/RunningObjects.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace chart;

namespace {

struct FakePreview : PreviewWindow {
    void setPicture(const QImage& p) override { picture = p, ++pictures; }
    void setExcelFile(const QString& path) override { excelFile = path; }
    void Show() override { shown = true; }
    QImage picture;
    int pictures = 0;
    QString excelFile;
    bool shown = false;
};

struct FakeWindows : BuildRunWindows {
    QString rootName() const override { return root; }
    QString generationCountText() const override { return count; }
    void setMousePointer(int shape) override { pointers.push_back(shape); }
    void focusGenerationCount() override { ++countFocused; }
    PreviewWindow& previewWindow() override { return preview; }
    void Hide() override { hidden = true; }
    QString root = QStringLiteral("Halvarsen");
    QString count = QStringLiteral("4");
    std::vector<int> pointers;
    int countFocused = 0;
    bool hidden = false;
    FakePreview preview;
};

class BuildRunTest : public ::testing::Test {
protected:
    void TearDown() override { setWorkbookDigitDraw({}); }
    QStringList tempFiles() const { return QDir(build.tempFolder()).entryList(QDir::Files | QDir::Hidden); }
    std::vector<int> reportedSteps() const {
        std::vector<int> steps;
        static const QRegularExpression line(QStringLiteral("PushButton1_Click at line (\\d+)\r"));
        for (const auto& m : sandbox.messages.shown())
            if (auto match = line.match(m.text); match.hasMatch()) steps.push_back(match.captured(1).toInt());
        return steps;
    }

    ShellSandbox sandbox;
    BuildSandbox build;
};

} // namespace

TEST_F(BuildRunTest, RefusedCountsStartNothingAndPutTheFocusBack) {
    struct Case {
        const char* count;
        const char* message;
    };
    for (const Case& c : {Case{"", "Number of generations must be numeric."},
                          Case{"four", "Number of generations must be numeric."},
                          Case{"16", "Number of generations must be 15 or less."},
                          Case{"1e308", "Number of generations must be 15 or less."}}) {
        SCOPED_TRACE(c.count);
        sandbox.messages.clear();
        FakeWindows windows;
        windows.count = QString::fromLatin1(c.count);
        runChartBuild(windows);
        ASSERT_EQ(sandbox.messages.shown().size(), 1u);
        EXPECT_EQ(sandbox.messages.shown()[0].text, QString::fromLatin1(c.message));
        EXPECT_EQ(sandbox.messages.shown()[0].caption, QStringLiteral("Numerical Value"));
        EXPECT_EQ(sandbox.messages.shown()[0].style, shell::vbExclamation);
        EXPECT_EQ(windows.countFocused, 1);
        EXPECT_TRUE(windows.pointers.empty());
        EXPECT_FALSE(windows.preview.shown);
        EXPECT_TRUE(tempFiles().isEmpty());
    }
}

TEST_F(BuildRunTest, ARunLeavesTheWorkbookForThePreviewAndNoPicture) {
    FakeWindows windows;
    runChartBuild(windows);
    EXPECT_TRUE(sandbox.messages.shown().empty()) << sandbox.messages.shown()[0].text.toStdString();
    ASSERT_EQ(tempFiles().size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^halvar[1-9]{8}\\.xls$")).match(tempFiles()[0]).hasMatch())
        << tempFiles()[0].toStdString();
    const QString workbook = QDir(build.tempFolder()).filePath(tempFiles()[0]);
    EXPECT_EQ(windows.preview.excelFile, workbook);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(workbook).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);  // the owner's alone
    EXPECT_EQ(windows.preview.picture.size(), QSize(5 * 173 + 1, 34 + 19 + 16 * 17 + 1));  // B2:F19
    EXPECT_TRUE(windows.preview.shown);
    EXPECT_TRUE(windows.hidden);
    EXPECT_EQ(windows.pointers, (std::vector<int>{shell::vbHourglass, shell::vbDefault, shell::vbHourglass,
                                                  shell::vbDefault}));
    EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));

    // The workbook kinloom-chart writes for the same inputs, print settings included.
    QTemporaryDir commandFolder;
    const QString commandChart = commandFolder.filePath(QStringLiteral("chart.xls"));
    QString out;
    QTextStream outStream(&out);
    ASSERT_EQ(runChartCommand({QStringLiteral("kinloom-chart"), QStringLiteral("--generations"), windows.count,
                               QStringLiteral("--output"), commandChart},
                              outStream, outStream),
              kExitSuccess);
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(bytes(workbook), bytes(commandChart));
}

TEST_F(BuildRunTest, ATakenNameIsDrawnAgain) {
    int draws = 0;
    setWorkbookDigitDraw([&] { return draws++ < 8 ? 1 : 2; });
    QFile taken(QDir(build.tempFolder()).filePath(QStringLiteral("halvar11111111.xls")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("someone else's");
    taken.close();
    FakeWindows windows;
    runChartBuild(windows);
    EXPECT_EQ(QFileInfo(windows.preview.excelFile).fileName(), QStringLiteral("halvar22222222.xls"));
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), QByteArray("someone else's"));
}

TEST_F(BuildRunTest, AnUnwritableTempFolderIsReportedStepByStepAndStillShowsThePreview) {
    const QString plainFile = QDir(build.tempFolder()).filePath(QStringLiteral("not-a-folder"));
    QFile(plainFile).open(QIODevice::WriteOnly);
    build.setTempFolder(plainFile);
    FakeWindows windows;
    runChartBuild(windows);
    EXPECT_EQ(reportedSteps(), (std::vector<int>{212, 216, 230, 234, 236, 238, 240, 242, 246}));
    EXPECT_TRUE(windows.preview.shown);
    EXPECT_EQ(windows.preview.pictures, 0);
    EXPECT_TRUE(windows.hidden);
    EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));
}

TEST_F(BuildRunTest, NoToTheRunningInstanceQuestionEndsTheRunBeforeAnythingStarts) {
    spreadsheet::RunningObjectEntry running(QStringLiteral("Excel.Application"), QStringLiteral("Microsoft Excel"));
    sandbox.messages.setNextAnswer(shell::vbNo);
    FakeWindows windows;
    runChartBuild(windows);
    EXPECT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_TRUE(windows.pointers.empty());
    EXPECT_TRUE(tempFiles().isEmpty());
    sandbox.messages.setNextAnswer(shell::vbYes);
    runChartBuild(windows);
    EXPECT_TRUE(windows.preview.shown);
}
