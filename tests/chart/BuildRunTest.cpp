#include "chart/BuildRun.h"
#include "chart/ChartDrawing.h"
#include "chart/ChartLayout.h"
#include "chart/GedcomPedigree.h"
#include "chart/TemporaryFiles.h"
#include "files/FileReplacement.h"
#include "files/RunningObjects.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/ErrorReports.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <optional>

#include <sys/stat.h>

#include <tuple>

using namespace chart;

namespace {

const char* const kRunPath = shell::ProcedurePath::Form1_PushButton1_Click;
const char kRun[] = "Form1.PushButton1_Click";
const char kSnapshot[] = "Excel1.saveCellsActivesheet";

struct FakePreview : PreviewWindow {
    void setPicture(const spreadsheet::VectorPicture& p) override { picture = p, ++pictures; }
    void setExcelFile(const QString& path) override { excelFile = path; }
    void Show() override { shown = true; }
    void openOn(const QRect& cells) override { openingCells = cells; }
    spreadsheet::VectorPicture picture;
    std::optional<QRect> openingCells;
    int pictures = 0;
    QString excelFile;
    bool shown = false;
};

struct FakeWindows : BuildRunWindows {
    QString rootName() const override { return root; }
    QString generationCountText() const override { return count; }
    void setMousePointer(int shape) override {
        pointers.push_back(shape);
        if (pointers.size() == 4 && afterPicture) afterPicture(); // step 244, between taking and loading
    }
    void focusGenerationCount() override { ++countFocused; }
    PreviewWindow& previewWindow() override { return preview; }
    void Hide() override { hidden = true; }
    QString root = QStringLiteral("Halvarsen");
    QString count = QStringLiteral("4");
    std::vector<int> pointers;
    int countFocused = 0;
    bool hidden = false;
    FakePreview preview;
    std::function<void()> afterPicture;
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The chart drawn straight, as kinloom-chart draws it, saved as an .xls.
QByteArray straightChart(const ChartRequest& request, const QString& path) {
    StraightStatements straight;
    const DrawnChart drawn = drawChart(request, straight);
    drawn.workbook->saveAs(path);
    drawn.workbook->close();
    drawn.application->quit();
    return bytesOf(path);
}

class BuildRunTest : public ::testing::Test {
protected:
    void TearDown() override { setWorkbookFractionDraw({}); }
    QStringList tempFiles() const { return QDir(build.tempFolder()).entryList(QDir::Files | QDir::Hidden); }

    ShellSandbox sandbox;
    BuildSandbox build;
};

} // namespace

TEST_F(BuildRunTest, RefusedCountsStartNothingAndPutTheFocusBack) {
    struct Case {
        const char* count;
        const char* message;
    };
    for (const Case& c :
         {Case{"", "Number of generations must be numeric."}, Case{"four", "Number of generations must be numeric."},
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
    EXPECT_EQ(status.st_mode & 0777, 0600u);                                              // the owner's alone
    EXPECT_EQ(windows.preview.picture.size(), QSize(5 * 173 + 1, 34 + 19 + 16 * 17 + 1)); // B2:F19
    EXPECT_TRUE(windows.preview.shown);
    EXPECT_FALSE(windows.preview.openingCells) << "a blank chart opens at its top left";
    EXPECT_TRUE(windows.hidden);
    EXPECT_EQ(windows.pointers,
              (std::vector<int>{shell::vbHourglass, shell::vbDefault, shell::vbHourglass, shell::vbDefault}));
    EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));

    // The workbook kinloom-chart's straight drawing makes of the same inputs, print settings included.
    QTemporaryDir commandFolder;
    GenerationCount count;
    ASSERT_EQ(readGenerationCount(windows.count, count), GenerationCountCheck::Accepted);
    EXPECT_EQ(bytesOf(workbook), straightChart({windows.root, count, {}}, commandFolder.filePath("chart.xls")));
}

// A chart filled from a family file: the run draws it with the same steps and
// writes the workbook kinloom-chart's straight drawing makes for the person,
// their labels and numbers included.
TEST_F(BuildRunTest, AFilledChartIsTheOneTheCommandWrites) {
    struct FilledWindows : FakeWindows {
        BoxLabels boxLabels() const override { return labels; }
        BoxLabels labels;
    } windows;
    const QString family = QStringLiteral(GEDCOM_FILES "/pedigree.ged");
    windows.root = QStringLiteral("Anna Hansdotter");
    windows.labels = {true, readFilledPedigree(family, QStringLiteral("@I1@"), kMaxGenerations).labelByNumber};
    runChartBuild(windows);
    EXPECT_TRUE(sandbox.messages.shown().empty());
    ASSERT_TRUE(windows.preview.shown);
    // The root's box, E12, in the picture of B2 on.
    EXPECT_EQ(windows.preview.openingCells, QRect(3, 10, 1, 1));

    QTemporaryDir commandFolder;
    GenerationCount count;
    ASSERT_EQ(readGenerationCount(windows.count, count), GenerationCountCheck::Accepted);
    EXPECT_EQ(bytesOf(windows.preview.excelFile),
              straightChart({windows.root, count, windows.labels}, commandFolder.filePath("chart.xls")));
}

TEST_F(BuildRunTest, ATakenNameIsDrawnAgain) {
    int draws = 0;
    setWorkbookFractionDraw([&] { return draws++ < 8 ? 0.0 : 0.12; }); // digits 1, then 2
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
    {
        // The empty picture file goes at 246 already, not only with the picture at 254.
        const shell::ScopedFaultInjection keep(kRunPath, 254, "Busy");
        runChartBuild(windows);
    }
    EXPECT_EQ(errorReports(sandbox.messages),
              reportsOf(kRun, {214, 216, 230, 234}) + reportsOf(kSnapshot, {100, 102, 104})
                  + reportsOf(kRun, {238, 240, 242, 246, 254}));
    EXPECT_TRUE(sandbox.messages.shown()[sandbox.messages.shown().size() - 2].text.startsWith(
        QStringLiteral("The picture file holds no picture: no picture of the sheet was taken.\r\n")));
    EXPECT_TRUE(windows.preview.shown);
    EXPECT_EQ(windows.preview.pictures, 0);
    EXPECT_TRUE(windows.hidden);
    EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));
}

TEST_F(BuildRunTest, AFullTempFolderIsReportedAtTheSaveWithItsReasonAndLeavesNothing) {
    FakeWindows windows;
    {
        const files::ScopedFileOperationFailure full([](int) { return ENOSPC; });
        runChartBuild(windows);
    }
    ASSERT_FALSE(errorReports(sandbox.messages).isEmpty());
    EXPECT_EQ(errorReports(sandbox.messages).first(), reportsOf(kRun, {216}).first());
    EXPECT_TRUE(sandbox.messages.shown()[0].text.contains(QStringLiteral(".xls': No space left on device.\r\n")))
        << sandbox.messages.shown()[0].text.toStdString();
    for (const auto& m : sandbox.messages.shown())
        EXPECT_FALSE(m.text.contains(QStringLiteral("not an Excel 97-2003 workbook"))) << m.text.toStdString();
    EXPECT_TRUE(tempFiles().isEmpty());
    EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));
}

TEST_F(BuildRunTest, ATestOfTheCountThatFailsRefusesTheCountAsNotNumeric) {
    for (const auto& [step, count, focused] : {std::tuple{100, "2", 1}, {102, "x", 1}, {104, "x", 0}}) {
        SCOPED_TRACE(step);
        sandbox.messages.clear();
        const shell::ScopedFaultInjection fault(kRunPath, step, "Out of memory");
        FakeWindows windows;
        windows.count = QString::fromLatin1(count);
        runChartBuild(windows);
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf(kRun, {step}));
        QStringList refusals;
        for (const auto& m : sandbox.messages.shown())
            if (m.caption == QStringLiteral("Numerical Value")) refusals << m.text;
        EXPECT_EQ(refusals,
                  step == 102 ? QStringList() : QStringList{QStringLiteral("Number of generations must be numeric.")});
        EXPECT_EQ(windows.countFocused, focused);
        EXPECT_FALSE(windows.preview.shown);
        EXPECT_TRUE(tempFiles().isEmpty());
    }
}

TEST_F(BuildRunTest, EveryStepReportsItsOwnNumberAndTheRunGoesOn) {
    // A two-generation chart's 35 operations, in the order they run.
    const std::initializer_list<int> chart = {116, 118, 120, 122, 124, 126, 128, 130, 132, 134, 136, 138,
                                              140, 142, 144, 146, 148, 170, 172, 174, 176, 178, 184, 184,
                                              184, 170, 172, 174, 176, 178, 170, 172, 174, 176, 178};
    const QStringList noSheet = reportsOf(kSnapshot, {100, 102, 104});
    const QStringList noWorkbook = reportsOf(kRun, {230, 234}) + noSheet + reportsOf(kRun, {238, 240, 242, 246});
    struct Case {
        int step;
        QStringList reports;
        bool picture;
        const char* workbookName = "^halvar[1-9]{8}\\.xls$";
    };
    std::vector<Case> cases = {
        {106, reportsOf(kRun, {106}), true},
        {108, reportsOf(kRun, {108}), true},
        {110,
         reportsOf(kRun, {110, 112, 114}) + reportsOf(kRun, chart) + reportsOf(kRun, {216, 218, 220, 222}) + noWorkbook,
         false},
        {112, reportsOf(kRun, {112}) + reportsOf(kRun, chart) + reportsOf(kRun, {216, 220}) + noWorkbook, false},
        {184, reportsOf(kRun, {184, 184, 184}), true},
        {200, reportsOf(kRun, {200}), true, "^[1-9]{8}\\.xls$"},
        {204, reportsOf(kRun, {204, 204, 204, 204, 204, 204, 204, 204}), true, "^halvar11111111\\.xls$"},
        {206, reportsOf(kRun, {206, 206, 206, 206, 206, 206, 206, 206}), true, "^halvar00000000\\.xls$"},
        {208, reportsOf(kRun, {208, 208, 208, 208, 208, 208, 208, 208}), true, "^halvar\\.xls$"},
        {210, reportsOf(kRun, {210}), true, "^halvar[1-9]\\.xls$"},
        {212, reportsOf(kRun, {212, 214, 216}) + noWorkbook, false, "^$"},
        {214, reportsOf(kRun, {214, 216}) + noWorkbook, false, "^$"},
        {216, reportsOf(kRun, {216}) + noWorkbook, false},
        {230, noWorkbook, false},
        {234, reportsOf(kRun, {234}) + noSheet + reportsOf(kRun, {240, 246}), false},
        {236, reportsOf(kRun, {236, 246}), false},
        {246, reportsOf(kRun, {246}), false},
        {248, reportsOf(kRun, {248}), true, "^$"},
    };
    for (const int boxStep : {170, 172, 174, 176, 178}) // once for each of the three boxes
        cases.push_back({boxStep, reportsOf(kRun, {boxStep, boxStep, boxStep}), true});

    // The box loop's own statements. Their effect is lost: column B becomes
    // column 0 (150), row 0 (166), which the sheet has not; a failing test
    // holds (180); a failing Next leaves its loop (186, 190, 196).
    const QStringList columnZero = reportsOf(kRun, {170, 172, 174, 176, 178, 184, 184, 184, 170, 172, 174, 176, 178});
    cases.push_back({150, reportsOf(kRun, {150}) + columnZero, true});
    cases.push_back({166, reportsOf(kRun, {166, 170, 172, 174, 176, 178, 184, 166}), true});
    // Step and how often it runs in a two-generation chart.
    const std::pair<int, int> loopSteps[] = {{152, 1}, {154, 1}, {156, 1}, {158, 1}, {160, 2}, {162, 2},
                                             {164, 2}, {168, 2}, {180, 3}, {182, 1}, {186, 1}, {188, 3},
                                             {190, 2}, {192, 2}, {194, 2}, {196, 1}};
    for (const auto& [step, times] : loopSteps) {
        QStringList repeated;
        for (int i = 0; i < times; ++i) repeated += reportsOf(kRun, {step});
        cases.push_back({step, repeated, true});
    }
    for (const int step : {114, 116, 118, 120, 122, 124, 126, 128, 130, 132, 134, 136, 138, 140, 142, 144,
                           146, 148, 198, 202, 218, 220, 222, 224, 232, 238, 240, 242, 244, 250, 252, 254})
        cases.push_back({step, reportsOf(kRun, {step}), true});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        sandbox.messages.clear();
        for (const QString& file : tempFiles()) QFile::remove(QDir(build.tempFolder()).filePath(file));
        const shell::ScopedFaultInjection fault(kRunPath, c.step, "Out of memory");
        FakeWindows windows;
        windows.count = QStringLiteral("2");
        runChartBuild(windows);
        EXPECT_EQ(errorReports(sandbox.messages), c.reports);
        EXPECT_EQ(windows.preview.pictures, c.picture ? 1 : 0);
        EXPECT_EQ(windows.preview.shown, c.step != 250);
        EXPECT_EQ(windows.hidden, c.step != 252);
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(c.workbookName))
                        .match(QFileInfo(windows.preview.excelFile).fileName())
                        .hasMatch())
            << windows.preview.excelFile.toStdString();
        // The picture file is gone, also when its deletion was the step that
        // failed: it goes with the run.
        EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));
    }
}

TEST_F(BuildRunTest, NoToTheRunningInstanceQuestionEndsTheRunBeforeAnythingStarts) {
    files::RunningObjectEntry running(QStringLiteral("Excel.Application"), QStringLiteral("Microsoft Excel"));
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

TEST_F(BuildRunTest, ADamagedPictureFileIsReportedAtItsLoadingAndThePreviewStillShows) {
    for (const QByteArray& damage : {QByteArray(), QByteArray("BM not a sheet picture"), QByteArray("KNLMPICT\x01")}) {
        sandbox.messages.clear();
        FakeWindows windows;
        windows.afterPicture = [&] { sandbox.writeAppFile(QStringLiteral("temp.bmp"), damage); };
        runChartBuild(windows);
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf(kRun, {246}));
        EXPECT_EQ(windows.preview.pictures, 0);
        EXPECT_TRUE(windows.preview.shown);
        EXPECT_FALSE(QFile::exists(sandbox.appFile(QStringLiteral("temp.bmp"))));
        QFile::remove(windows.preview.excelFile);
    }
}
