#include "chart/Excel1.h"
#include "chart/ChartLayout.h"
#include "chart/ExecuteOperation.h"
#include "files/RunningObjects.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "spreadsheet/SheetPicture.h"
#include "tests/support/ErrorReports.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

using namespace chart;

namespace {

const QString kQuestion = QStringLiteral("Excel may be open. It is recommended that you close Excel first.\r"
                                         "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
                                         "Would you like to proceed anyway?");

class Excel1Test : public ::testing::Test {
protected:
    void SetUp() override { files::setRunningObjectFolder(m_objects.path()); }
    void TearDown() override { files::setRunningObjectFolder(QString()); }

    // A workbook saved with the given cells filled, opened in a new instance.
    std::unique_ptr<automation::Application> openedWith(const std::function<void(automation::Worksheet&)>& fill) {
        const QString path = sandbox.path() + QStringLiteral("/book%1.xls").arg(m_books++);
        {
            auto app = automation::createApplication();
            auto book = app->workbooks().add();
            fill(book->activeSheet());
            book->saveAs(path);
            app->quit();
        }
        return Excel1::openWorkbookInNewExcel(path);
    }
    std::shared_ptr<automation::Workbook> lastBook(automation::Application& app) {
        return app.workbooks().item(app.workbooks().count());
    }

    ShellSandbox sandbox;
    QTemporaryDir m_objects;
    int m_books = 0;
};

void chartOf(automation::Worksheet& sheet, int generations) {
    const ChartLayout layout = BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations));
    for (const auto& op : layout.operations) executeOperation(sheet, layout, op);
}

} // namespace

TEST_F(Excel1Test, OnlyAnInstanceAnsweringExactlyMicrosoftExcelCounts) {
    EXPECT_FALSE(Excel1::isExcelRunning());
    EXPECT_FALSE(Excel1::stopForRunningExcel());
    EXPECT_TRUE(sandbox.messages.shown().empty());
    {
        files::RunningObjectEntry other(QStringLiteral("Excel.Application"), QStringLiteral("microsoft excel"));
        EXPECT_FALSE(Excel1::isExcelRunning());
    }
    auto running = automation::createApplication(); // an engine instance answers like Excel
    EXPECT_TRUE(Excel1::isExcelRunning());
}

TEST_F(Excel1Test, TheQuestionLetsTheUserGoOnOrStop) {
    auto running = automation::createApplication();
    sandbox.messages.setNextAnswer(shell::vbYes);
    EXPECT_FALSE(Excel1::stopForRunningExcel());
    sandbox.messages.setNextAnswer(shell::vbNo);
    EXPECT_TRUE(Excel1::stopForRunningExcel());
    ASSERT_EQ(sandbox.messages.shown().size(), 2u);
    EXPECT_EQ(sandbox.messages.shown()[0].text, kQuestion);
    EXPECT_EQ(sandbox.messages.shown()[0].caption, QStringLiteral("Kinloom"));
    EXPECT_EQ(sandbox.messages.shown()[0].style, shell::vbYesNo);
}

TEST_F(Excel1Test, OpenedWorkbookIsTheNewInstancesLastAndItsPictureIsWritten) {
    auto app = openedWith([](automation::Worksheet& sheet) { chartOf(sheet, 3); });
    EXPECT_EQ(app->workbooks().count(), 1);
    const QString picture = sandbox.appFile(QStringLiteral("temp.bmp"));
    sandbox.writeAppFile(QStringLiteral("temp.bmp"), "an older picture"); // overwritten
    Excel1::saveCellsActivesheet(lastBook(*app).get(), picture);
    EXPECT_TRUE(sandbox.messages.shown().empty());
    const spreadsheet::VectorPicture written = spreadsheet::readPictureFile(picture);
    EXPECT_EQ(written.size(), QSize(5 * 173 + 1, 34 + 19 + 8 * 17 + 1)); // B2:F11
}

TEST_F(Excel1Test, UsedRangesEndingInRowOrColumnOneGiveNoPicture) {
    const QString picture = sandbox.appFile(QStringLiteral("temp.bmp"));
    for (auto fill : std::vector<std::function<void(automation::Worksheet&)>>{
             [](automation::Worksheet&) {}, // empty: A1
             [](automation::Worksheet& s) { s.setValue(s.range(QStringLiteral("C1")), QStringLiteral("x")); },
             [](automation::Worksheet& s) { s.setInteriorColorIndex(s.cell(9, 1), kBoxColorIndex); }}) {
        sandbox.writeAppFile(QStringLiteral("temp.bmp"), "keep");
        auto app = openedWith(fill);
        Excel1::saveCellsActivesheet(lastBook(*app).get(), picture);
        QFile file(picture);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("keep"));
    }
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

TEST_F(Excel1Test, AUsedRangeAwayFromA1IsDrawnFromItsOwnCorner) {
    auto app = openedWith(
        [](automation::Worksheet& s) { s.setInteriorColorIndex(s.range(QStringLiteral("C3:D4")), kBoxColorIndex); });
    const QString picture = sandbox.appFile(QStringLiteral("temp.bmp"));
    Excel1::saveCellsActivesheet(lastBook(*app).get(), picture);
    const QImage written = spreadsheet::readPictureFile(picture).toImage();
    EXPECT_EQ(written.size(), QSize(2 * 64 + 1, 2 * 17 + 1)); // two default columns, two rows
    EXPECT_EQ(written.pixel(10, 10), qRgb(153, 204, 0));
}

TEST_F(Excel1Test, EveryStepReportsItsOwnNumberAndTheNextStepsRun) {
    auto app = openedWith([](automation::Worksheet& sheet) { chartOf(sheet, 2); });
    const QString picture = sandbox.appFile(QStringLiteral("temp.bmp"));
    struct Case {
        int step;
        std::initializer_list<int> reports;
        bool pictureWritten;
    };
    // A failed sheet makes the row and column fail too, and a row or column
    // left at 0 ends the picture; a failed copy leaves the clipboard empty.
    for (const Case& c : {Case{100, {100, 102, 104}, false}, Case{102, {102}, false}, Case{104, {104}, false},
                          Case{106, {106}, true}, Case{110, {110, 112}, false}, Case{112, {112}, false}}) {
        SCOPED_TRACE(c.step);
        sandbox.messages.clear();
        QFile::remove(picture);
        const shell::ScopedFaultInjection failing(shell::ProcedurePath::Excel1_saveCellsActivesheet, c.step,
                                                  "Sheet lost");
        Excel1::saveCellsActivesheet(lastBook(*app).get(), picture);
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Excel1.saveCellsActivesheet", c.reports));
        EXPECT_TRUE(sandbox.messages.shown()[0].text.startsWith(QStringLiteral("Sheet lost\r\n")));
        EXPECT_EQ(QFile::exists(picture), c.pictureWritten);
    }
    sandbox.messages.clear();
    Excel1::saveCellsActivesheet(nullptr, picture); // the caller's workbook step failed
    EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Excel1.saveCellsActivesheet", {100, 102, 104}));
}

TEST_F(Excel1Test, TheClipboardHoldsWhatItHeldBefore) {
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's own text"));
    auto app = openedWith([](automation::Worksheet& sheet) { chartOf(sheet, 2); });
    Excel1::saveCellsActivesheet(lastBook(*app).get(), sandbox.appFile(QStringLiteral("temp.bmp")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own text"));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
}

TEST_F(Excel1Test, AFileThatCannotBeOpenedGoesToTheCaller) {
    sandbox.writeAppFile(QStringLiteral("not-a-workbook.xls"), "plain text");
    try {
        Excel1::openWorkbookInNewExcel(sandbox.appFile(QStringLiteral("not-a-workbook.xls")));
        ADD_FAILURE() << "opened";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("not an Excel 97-2003 workbook"), std::string::npos) << e.what();
    }
}
