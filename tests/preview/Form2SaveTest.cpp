#include "chart/Automation.h"
#include "chart/ChartLayout.h"
#include "chart/ExecuteOperation.h"
#include "files/FileReplacement.h"
#include "preview/Form2.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/SaveFileDialog.h"

#include "PreviewWindow.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "tests/support/ErrorReports.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

using namespace shell;
using preview::Form2;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Form2SaveTest : public ::testing::Test {
protected:
    Form2SaveTest() {
        QDir(sandbox.path()).mkpath(QStringLiteral("out"));
        writeFile(sandbox.path() + QStringLiteral("/halvar12345678.xls"), workbook);
        form.setExcelFile(sandbox.path() + QStringLiteral("/halvar12345678.xls"));
    }

    QString target(const QString& name) const { return sandbox.path() + QStringLiteral("/out/") + name; }
    QStringList outFolder() const {
        return QDir(sandbox.path() + QStringLiteral("/out")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    void save() { clickButton(form, "PushButton6"); }

    QStringList texts() const {
        QStringList shown;
        for (const ShownMessage& m : sandbox.messages.shown()) shown << m.text.section(QLatin1Char('\r'), 0, 0);
        return shown;
    }

    const QByteArray workbook = QByteArray("\xD0\xCF\x11\xE0 chart workbook", 20);
    ShellSandbox sandbox;
    SaveFileDialogTestSeam dialogs;
    Form2 form;
};

} // namespace

TEST_F(Form2SaveTest, CancelWritesNothingAndSaysDone) {
    save();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Save File"));
    // The Excel file stays the first filter, and the one selected; the other ways out follow it.
    EXPECT_EQ(dialogs.shown()[0].filter,
              QStringLiteral("Excel Files (*.xls);;Excel Workbook (*.xlsx);;OpenDocument Spreadsheet (*.ods);;"
                             "PDF Document (*.pdf);;SVG Picture (*.svg);;PNG Picture (*.png)"));
    EXPECT_EQ(dialogs.shown()[0].filterIndex, 1);
    EXPECT_EQ(dialogs.shown()[0].fileName, QString());
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    const ShownMessage& done = sandbox.messages.shown()[0];
    EXPECT_EQ(done.text, QStringLiteral("Done."));
    EXPECT_EQ(done.caption, QStringLiteral("Kinloom"));
    EXPECT_EQ(done.style, vbOKOnly);
    EXPECT_TRUE(outFolder().isEmpty());
}

TEST_F(Form2SaveTest, ANameTypedWithoutExtensionIsSavedAsXlsAndTheQuestionNamesThatFile) {
    dialogs.setNextAnswer(target(QStringLiteral("ingrid")));
    save();
    EXPECT_EQ(outFolder(), QStringList{QStringLiteral("ingrid.xls")});
    EXPECT_EQ(readAll(target(QStringLiteral("ingrid.xls"))), workbook);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("Done.")}); // a new file: no question
    EXPECT_EQ(readAll(form.mExcelFile), workbook);            // the preview can save again

    sandbox.messages.clear();
    dialogs.setNextAnswer(target(QStringLiteral("ingrid")));
    sandbox.messages.setNextAnswer(vbNo);
    save();
    EXPECT_EQ(texts().first(),
              QStringLiteral("Are you sure you wish to overwrite ") + target(QStringLiteral("ingrid.xls"))
                  + QStringLiteral(" ?"));
}

TEST_F(Form2SaveTest, ExistingFileIsReplacedOnlyOnYes) {
    const QString existing = target(QStringLiteral("tree.xls"));
    writeFile(existing, "the user's own file");

    dialogs.setNextAnswer(existing);
    sandbox.messages.setNextAnswer(vbNo);
    save();
    ASSERT_EQ(sandbox.messages.shown().size(), 2u);
    const ShownMessage& question = sandbox.messages.shown()[0];
    EXPECT_EQ(question.text, QStringLiteral("Are you sure you wish to overwrite ") + existing + QStringLiteral(" ?"));
    EXPECT_EQ(question.style, vbYesNo);
    EXPECT_EQ(question.caption, QStringLiteral("Kinloom"));
    EXPECT_EQ(sandbox.messages.shown()[1].text, QStringLiteral("Done."));
    EXPECT_EQ(readAll(existing), QByteArray("the user's own file"));

    sandbox.messages.clear();
    dialogs.setNextAnswer(existing);
    sandbox.messages.setNextAnswer(vbYes);
    save();
    EXPECT_EQ(texts().last(), QStringLiteral("Done."));
    EXPECT_EQ(readAll(existing), workbook);
    EXPECT_EQ(outFolder(), QStringList{QStringLiteral("tree.xls")}); // nothing left beside it
}

TEST_F(Form2SaveTest, TheTemporaryWorkbookChosenAsTargetIsRefusedAndLeftUntouched) {
    const QDateTime yesterday = QDateTime::currentDateTime().addDays(-1);
    {
        QFile file(form.mExcelFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(yesterday, QFileDevice::FileModificationTime));
    }
    dialogs.setNextAnswer(sandbox.path() + QStringLiteral("/out/../halvar12345678.xls"));
    sandbox.messages.setNextAnswer(vbYes);
    save();
    EXPECT_EQ(readAll(form.mExcelFile), workbook);
    EXPECT_EQ(QFileInfo(form.mExcelFile).lastModified().toSecsSinceEpoch(), yesterday.toSecsSinceEpoch());
    // Back or closing would delete it: a failure at 130, not "Done.".
    ASSERT_EQ(texts().size(), 2);
    EXPECT_TRUE(texts()[1].contains(QStringLiteral("is Kinloom's temporary workbook"))) << texts()[1].toStdString();
    EXPECT_TRUE(sandbox.messages.shown()[1].text.contains(QStringLiteral("PushButton6_Click at line 130")));
}

TEST_F(Form2SaveTest, FailedCopyIsReportedAt130AndNotCalledDone) {
    // A folder that is a plain file cannot take the copy.
    writeFile(target(QStringLiteral("blocked")), "not a folder");
    dialogs.setNextAnswer(target(QStringLiteral("blocked/tree.xls")));
    save();
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_EQ(sandbox.messages.shown()[0].caption, QStringLiteral("Application Error"));
    EXPECT_TRUE(sandbox.messages.shown()[0].text.contains(QStringLiteral("Form2.PushButton6_Click at line 130")));

    // Nor can a path that is a folder.
    sandbox.messages.clear();
    QDir().mkpath(target(QStringLiteral("folder.xls")));
    dialogs.setNextAnswer(target(QStringLiteral("folder.xls")));
    save();
    EXPECT_EQ(texts().size(), 1);
    EXPECT_FALSE(texts().contains(QStringLiteral("Done.")));

    // A copy that fails keeps the file it was to replace.
    sandbox.messages.clear();
    const QString existing = target(QStringLiteral("tree.xls"));
    writeFile(existing, "the user's own file");
    QFile::remove(form.mExcelFile);
    dialogs.setNextAnswer(existing);
    sandbox.messages.setNextAnswer(vbYes);
    save();
    EXPECT_EQ(readAll(existing), QByteArray("the user's own file"));
    ASSERT_EQ(texts().size(), 2);
    EXPECT_TRUE(sandbox.messages.shown()[1].text.contains(QStringLiteral("at line 130")));

    // So does a disk that is full when the copy is flushed.
    sandbox.messages.clear();
    writeFile(form.mExcelFile, workbook);
    dialogs.setNextAnswer(existing);
    sandbox.messages.setNextAnswer(vbYes);
    {
        const files::ScopedFileOperationFailure full([](int operation) { return operation >= 3 ? ENOSPC : 0; });
        save();
    }
    EXPECT_EQ(readAll(existing), QByteArray("the user's own file"));
    EXPECT_EQ(texts(),
              (QStringList{QStringLiteral("Are you sure you wish to overwrite ") + existing + QStringLiteral(" ?"),
                           QStringLiteral("Cannot save '%1': No space left on device.").arg(existing)}));
    EXPECT_EQ(outFolder(),
              (QStringList{QStringLiteral("blocked"), QStringLiteral("folder.xls"), QStringLiteral("tree.xls")}));
}

TEST_F(Form2SaveTest, BackDeletesTheWorkbookShowsTheMainWindowAndHides) {
    handOver(form, QSize(200, 100));
    int shownMain = 0;
    form.setShowMainWindow([&] { ++shownMain; });
    clickButton(form, "PushButton8");
    EXPECT_FALSE(QFile::exists(form.mExcelFile));
    EXPECT_EQ(shownMain, 1);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

TEST_F(Form2SaveTest, ClosingDeletesTheWorkbookAndEndsTheApplication) {
    form.show();
    QTimer::singleShot(0, &form, &QWidget::close);
    const QObject guard;
    QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); }); // the close did not end it
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(QFile::exists(form.mExcelFile));
}

TEST_F(Form2SaveTest, EverySaveStepReportsItsOwnNumberAndTheSaveGoesOn) {
    struct Case {
        int step;
        bool targetExists;
        bool asked; // the overwrite question
        bool copied;
        bool done;
    };
    // A failed test counts as holding: 116 goes on as if cancelled, 118 as if
    // the file were new, 122 and 128 as if the answer were Yes.
    for (const Case& c :
         {Case{106, true, true, true, true}, Case{108, true, true, true, true}, Case{110, true, true, true, true},
          Case{112, true, false, false, true}, Case{114, true, false, false, true}, Case{116, true, false, false, true},
          Case{118, true, false, true, true}, Case{120, true, false, false, true}, Case{122, true, true, true, true},
          Case{124, true, true, true, true}, Case{126, false, false, false, true}, Case{128, true, true, true, true},
          Case{130, true, true, false, false}, Case{132, true, true, true, false}}) {
        SCOPED_TRACE(c.step);
        sandbox.messages.clear();
        const QString chosen = target(QStringLiteral("tree%1.xls").arg(c.step));
        if (c.targetExists) writeFile(chosen, "the user's own file");
        SaveFileDialogTestSeam answers;
        answers.setNextAnswer(chosen);
        {
            const ScopedFaultInjection fault(ProcedurePath::Form2_PushButton6_Click, c.step, "Out of memory");
            save();
        }
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.PushButton6_Click", {c.step}));
        EXPECT_EQ(
            texts().contains(QStringLiteral("Are you sure you wish to overwrite ") + chosen + QStringLiteral(" ?")),
            c.asked);
        EXPECT_EQ(readAll(chosen) == workbook, c.copied);
        EXPECT_EQ(texts().contains(QStringLiteral("Done.")), c.done);
    }
}

TEST_F(Form2SaveTest, EveryBackStepReportsItsOwnNumberAndTheNextRuns) {
    for (const int step : {102, 104, 106}) {
        SCOPED_TRACE(step);
        sandbox.messages.clear();
        writeFile(form.mExcelFile, workbook);
        handOver(form, QSize(200, 100));
        int shownMain = 0;
        form.setShowMainWindow([&] { ++shownMain; });
        const ScopedFaultInjection fault(ProcedurePath::Form2_PushButton8_Click, step, "Out of memory");
        clickButton(form, "PushButton8");
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.PushButton8_Click", {step}));
        EXPECT_EQ(QFile::exists(form.mExcelFile), step == 102);
        EXPECT_EQ(shownMain, step == 104 ? 0 : 1);
        EXPECT_EQ(form.isVisible(), step == 106);
    }
}

// Enter (and the keypad's Enter) on a focused button clicks it once, as Space does.
TEST_F(Form2SaveTest, EnterClicksTheFocusedButton) {
    handOver(form, QSize(200, 100));
    int shownMain = 0;
    form.setShowMainWindow([&] { ++shownMain; });
    for (const auto& [button, key] : {std::pair{"PushButton1", Qt::Key_Return}, std::pair{"PushButton2", Qt::Key_Enter},
                                      std::pair{"PushButton1", Qt::Key_Enter}, std::pair{"PushButton6", Qt::Key_Return},
                                      std::pair{"PushButton8", Qt::Key_Enter}}) {
        form.findChild<QWidget*>(button)->setFocus();
        QTest::keyClick(form.findChild<QWidget*>(button), key,
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    EXPECT_EQ(form.zoom(), 1.25f);
    EXPECT_EQ(texts(), QStringList{QStringLiteral("Done.")}); // the save dialog was cancelled
    EXPECT_EQ(shownMain, 1);
    EXPECT_FALSE(form.isVisible());
}

namespace {

// The workbook a build run leaves: a three-generation chart, saved by the engine.
QByteArray chartWorkbook(const QString& path) {
    auto application = chart::automation::createApplication();
    auto workbook = application->workbooks().add();
    chart::executeLayout(workbook->activeSheet(), chart::BuildChartLayout(QStringLiteral("Ærø & <Sons>"), "3"));
    workbook->saveAs(path);
    application->quit();
    return readAll(path);
}

// What kind of file the bytes are, by what each format begins with or holds.
QString kindOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xD0\xCF\x11\xE0")) return QStringLiteral("xls");
    if (bytes.startsWith("PK\x03\x04") && bytes.contains("mimetypeapplication/vnd.oasis.opendocument.spreadsheet"))
        return QStringLiteral("ods");
    if (bytes.startsWith("PK\x03\x04") && bytes.contains("xl/workbook.xml")) return QStringLiteral("xlsx");
    if (bytes.startsWith("%PDF-")) return QStringLiteral("pdf");
    if (bytes.contains("<svg")) return QStringLiteral("svg");
    if (bytes.startsWith("\x89PNG")) return QStringLiteral("png");
    return QStringLiteral("unknown");
}

} // namespace

// The typed extension names the format when it is one of the six; else the
// filter chosen does, and a name without one of them gets the filter's.
TEST_F(Form2SaveTest, EachFilterAndTypedExtensionSavesItsOwnFormatUnderTheFinalName) {
    const QByteArray xls = chartWorkbook(form.mExcelFile);
    struct Case {
        const char* typed;
        int filter;
        const char* saved;
        const char* kind;
    };
    for (const Case& c :
         {Case{"tree", 1, "tree.xls", "xls"}, Case{"tree", 2, "tree.xlsx", "xlsx"}, Case{"tree", 3, "tree.ods", "ods"},
          Case{"tree", 4, "tree.pdf", "pdf"}, Case{"tree", 5, "tree.svg", "svg"}, Case{"tree", 6, "tree.png", "png"},
          Case{"typed.ods", 4, "typed.ods", "ods"}, Case{"typed.XLSX", 1, "typed.XLSX", "xlsx"},
          Case{"typed.pdf", 2, "typed.pdf", "pdf"}, Case{"typed.xls", 6, "typed.xls", "xls"},
          Case{"other.old", 5, "other.old.svg", "svg"}, Case{"Weaver Jr.", 2, "Weaver Jr..xlsx", "xlsx"}}) {
        SCOPED_TRACE(c.saved);
        const QString saved = target(QString::fromLatin1(c.saved));
        writeFile(saved, "the user's own file");
        sandbox.messages.clear();
        dialogs.setNextAnswer(target(QString::fromLatin1(c.typed)), c.filter);
        sandbox.messages.setNextAnswer(vbYes);
        save();
        EXPECT_EQ(texts(),
                  (QStringList{QStringLiteral("Are you sure you wish to overwrite ") + saved + QStringLiteral(" ?"),
                               QStringLiteral("Done.")}));
        EXPECT_EQ(kindOf(readAll(saved)), QString::fromLatin1(c.kind));
        if (QByteArray(c.kind) == "xls") {
            EXPECT_EQ(readAll(saved), xls); // the temporary workbook, byte for byte
        }
    }
    EXPECT_EQ(readAll(form.mExcelFile), xls);
    EXPECT_EQ(outFolder().size(), 12);
}

// Formats written from the chart need a workbook the spreadsheet can open:
// a damaged one is reported at 130 and leaves the file that was there.
TEST_F(Form2SaveTest, AWorkbookThatCannotBeOpenedIsReportedAt130AndLeavesTheFile) {
    const QString existing = target(QStringLiteral("tree.ods"));
    writeFile(existing, "the user's own file");
    dialogs.setNextAnswer(existing, 1);
    sandbox.messages.setNextAnswer(vbYes);
    save();
    EXPECT_EQ(readAll(existing), QByteArray("the user's own file"));
    EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.PushButton6_Click", {130}));
    EXPECT_FALSE(texts().contains(QStringLiteral("Done.")));
    EXPECT_EQ(outFolder(), QStringList{QStringLiteral("tree.ods")});
}
