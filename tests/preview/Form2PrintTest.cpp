#include "chart/PictureExport.h"
#include "shell/shared/PrintDialog.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"

#include "PreviewWindow.h"
#include "PrintedCharts.h"
#include "tests/support/ErrorReports.h"
#include "tests/support/FileContents.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>

using namespace shell;
using preview::Form2;

namespace {

QString firstMediaBox(const QByteArray& pdf) {
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]"));
    return box.match(QString::fromLatin1(pdf)).captured(1).simplified();
}

// Prints to a PDF file, as a user choosing "Print to File" would.
PrintDialogTestSeam::Answer toFile(const QString& path) {
    return [path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
}

class Form2PrintTest : public ::testing::Test {
protected:
    void press() { QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier); }
    QString file(const char* name) const { return sandbox.path() + QLatin1Char('/') + QLatin1String(name); }

    ShellSandbox sandbox;
    PrintDialogTestSeam printDialogs;
    Form2 form;
};

} // namespace

TEST_F(Form2PrintTest, CtrlPAndTheMenuOpenThePrintDialogOnTheChartsPageAndACancelChangesNothing) {
    handOver(form, QSize(2000, 3000));
    clickButton(form, "PushButton1"); // zoomed in and scrolled: a cancelled print keeps it so
    barOf(form, "VScroll1")->setValue(3);
    const QRect canvas = canvasOf(form)->geometry();

    press();
    QAction* print = nullptr;
    for (QAction* action : form.findChild<QMenu*>("PictureMenu")->actions())
        if (action->text() == QStringLiteral("Print…")) print = action;
    ASSERT_TRUE(print);
    EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
    print->trigger();

    ASSERT_EQ(printDialogs.shown().size(), 2u);
    for (const ShownPrintDialog& shown : printDialogs.shown()) {
        EXPECT_TRUE(shown.pageLayout.isEquivalentTo(chart::chartPageLayout()));
        EXPECT_EQ(shown.pageLayout.pageSize().id(), QPageSize::A4);
        EXPECT_EQ(shown.pageLayout.orientation(), QPageLayout::Landscape);
    }
    EXPECT_EQ(form.zoom(), 1.25f);
    EXPECT_EQ(barOf(form, "VScroll1")->value(), 3);
    EXPECT_EQ(canvasOf(form)->geometry(), canvas);
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

// Printing and the PDF share their layout: the same pages, the same paper.
TEST_F(Form2PrintTest, ThePrintedPagesAreThePdfsPages) {
    const spreadsheet::VectorPicture picture = chartOf("7");
    form.setPicture(picture);
    form.Show();
    QApplication::setActiveWindow(&form);
    printDialogs.setNextAnswer(toFile(file("printed.pdf")));
    press();
    const QByteArray printed = contentOf(file("printed.pdf"));
    const QByteArray exported = chart::exportedPictureBytes(picture, chart::PictureFileKind::Pdf);
    EXPECT_GT(pageCount(exported), 1);
    EXPECT_EQ(pageCount(printed), pageCount(exported));
    EXPECT_EQ(firstMediaBox(printed), firstMediaBox(exported));
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

TEST_F(Form2PrintTest, EveryPrintStepReportsItsOwnNumberAndTheNextRuns) {
    handOver(form, QSize(400, 300));
    struct Case {
        int step;
        bool printed;
    };
    for (const Case& c : {Case{100, true}, Case{102, false}, Case{104, false}}) {
        SCOPED_TRACE(c.step);
        sandbox.messages.clear();
        const QString path = file("step.pdf");
        QFile::remove(path);
        if (c.step != 102) printDialogs.setNextAnswer(toFile(path)); // no dialog to answer
        {
            const ScopedFaultInjection fault(ProcedurePath::Form2_mnuPrint_Click, c.step, "Out of memory");
            press();
        }
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.mnuPrint_Click", {c.step}));
        EXPECT_EQ(QFile::exists(path), c.printed);
    }
    // A printer that cannot take the pages is a failure of the printing step.
    sandbox.messages.clear();
    printDialogs.setNextAnswer(toFile(file("no/such/folder/chart.pdf")));
    press();
    EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.mnuPrint_Click", {104}));
}
