// The whole program with its real windows: type, build, preview, save, go
// back, build again, close. Dialogs are answered through their seams.
#include "app/ProgramWindows.h"
#include "chart/TemporaryFiles.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/SaveFileDialog.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// xlrd, a reader no one here wrote, checks the saved chart.
bool xlrdReadsChart(const QString& path, int generations, const QString& root, QString* output) {
    QProcess check;
    check.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral(KINLOOM_XLRD_CHECK), path, QString::number(generations), root});
    check.waitForFinished(60000);
    *output = QString::fromUtf8(check.readAllStandardOutput() + check.readAllStandardError());
    return check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0;
}

class EndToEndTest : public ::testing::Test {
protected:
    static QLineEdit* box(QWidget& window, const char* name) { return window.findChild<QLineEdit*>(name); }
    static void click(QWidget& window, const char* name) {
        QTest::mouseClick(window.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    static void type(QLineEdit* into, const QString& text) {
        into->selectAll();
        QTest::keyClicks(into, text);
    }
    QStringList temporaryWorkbooks() const {
        return QDir(build.tempFolder()).entryList({QStringLiteral("halvar*.xls")}, QDir::Files);
    }
    QStringList pictureFiles() const {
        return QDir(build.tempFolder()).entryList({QStringLiteral("*.bmp")}, QDir::Files)
            + QDir(sandbox.appFile(QString())).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    }
    std::vector<QString> messageTexts() const {
        std::vector<QString> texts;
        for (const auto& m : sandbox.messages.shown()) texts.push_back(m.text);
        return texts;
    }

    ShellSandbox sandbox;
    BuildSandbox build;
    shell::SaveFileDialogTestSeam dialogs;
    QTemporaryDir m_saved;
};

} // namespace

TEST_F(EndToEndTest, FromTypedInputsToSavedWorkbookAndBack) {
    ProgramWindows windows;
    shell::Form1& main = windows.mainWindow();
    main.show();
    EXPECT_EQ(box(main, "Text1")->text(), QStringLiteral("Halvarsen")); // a fresh store
    type(box(main, "Text1"), QStringLiteral("Ærø Olsen"));
    type(box(main, "Text2"), QStringLiteral("4"));

    click(main, "PushButton1");
    preview::Form2* preview = windows.previewWindowIfLoaded();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(sandbox.messages.shown().empty());
    // The canvas shows the used range B2:F19 at its own size.
    auto* canvas = preview->findChild<QWidget*>(QStringLiteral("Picture1"));
    EXPECT_EQ(canvas->size(), QSize(5 * 173 + 1, 34 + 19 + 16 * 17 + 1));
    EXPECT_EQ(preview->zoom(), 1.0f);
    ASSERT_EQ(temporaryWorkbooks().size(), 1);
    const QString workbook = preview->mExcelFile;
    EXPECT_EQ(QFile::permissions(workbook) & (QFile::ReadGroup | QFile::ReadOther), 0);
    EXPECT_TRUE(pictureFiles().isEmpty());

    // Saved under a new name: the temporary workbook's very bytes, a chart xlrd reads.
    const QString target = m_saved.filePath(QStringLiteral("Olsen chart.xls"));
    dialogs.setNextAnswer(target);
    click(*preview, "PushButton6");
    EXPECT_EQ(contentOf(target), contentOf(workbook));
    QString output;
    EXPECT_TRUE(xlrdReadsChart(target, 4, QStringLiteral("Ærø Olsen"), &output)) << output.toStdString();
    EXPECT_EQ(messageTexts(), std::vector<QString>{QStringLiteral("Done.")});

    // Again over it: No keeps it, Yes replaces it; a cancel writes nothing.
    QFile::remove(target);
    QFile marker(target);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("the user's file");
    marker.close();
    sandbox.messages.clear();
    dialogs.setNextAnswer(target);
    sandbox.messages.setNextAnswer(shell::vbNo);
    click(*preview, "PushButton6");
    EXPECT_EQ(contentOf(target), QByteArray("the user's file"));
    dialogs.setNextAnswer(target);
    sandbox.messages.setNextAnswer(shell::vbYes);
    click(*preview, "PushButton6");
    EXPECT_EQ(contentOf(target), contentOf(workbook));
    click(*preview, "PushButton6"); // nothing queued: the dialog is cancelled
    EXPECT_EQ(
        messageTexts(),
        (std::vector<QString>{QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"),
                              QStringLiteral("Done."),
                              QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"),
                              QStringLiteral("Done."), QStringLiteral("Done.")}));
    EXPECT_EQ(QDir(m_saved.path()).entryList(QDir::Files).size(), 1);

    // Back: the temporary workbook goes, the main window returns with its inputs.
    click(*preview, "PushButton1"); // zoomed in before leaving
    EXPECT_EQ(preview->zoom(), 1.25f);
    sandbox.messages.clear();
    click(*preview, "PushButton8");
    EXPECT_FALSE(QFile::exists(workbook));
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(box(main, "Text1")->text(), QStringLiteral("Ærø Olsen"));
    EXPECT_EQ(box(main, "Text2")->text(), QStringLiteral("4"));

    // A second build with a larger chart starts the viewer over.
    type(box(main, "Text2"), QStringLiteral("6"));
    click(main, "PushButton1");
    EXPECT_EQ(windows.previewWindowIfLoaded(), preview); // the same window, loaded once
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->zoom(), 1.0f);
    EXPECT_EQ(canvas->height(), 34 + 19 + 64 * 17 + 1); // B2:G67
    EXPECT_TRUE(preview->findChild<QScrollBar*>(QStringLiteral("VScroll1"))->isEnabled());
    const QString secondWorkbook = preview->mExcelFile;
    EXPECT_NE(secondWorkbook, workbook);
    EXPECT_TRUE(QFile::exists(secondWorkbook));
    EXPECT_TRUE(sandbox.messages.shown().empty());

    // Closing the preview removes its workbook and ends the program.
    QTimer::singleShot(0, preview, &QWidget::close);
    const QObject guard;
    QTimer::singleShot(10000, &guard, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(QFile::exists(secondWorkbook));
    EXPECT_TRUE(temporaryWorkbooks().isEmpty());
    EXPECT_TRUE(pictureFiles().isEmpty());
}

TEST_F(EndToEndTest, RefusedCountsLeaveTheFocusInTheCountWithItsTextSelected) {
    ProgramWindows windows;
    shell::Form1& main = windows.mainWindow();
    main.show();
    QApplication::setActiveWindow(&main);
    for (const char* count : {"", "many", "99"}) {
        SCOPED_TRACE(count);
        sandbox.messages.clear();
        box(main, "Text2")->setText(QString::fromLatin1(count));
        box(main, "Text1")->setFocus();
        click(main, "PushButton1");
        ASSERT_EQ(sandbox.messages.shown().size(), 1u);
        EXPECT_EQ(sandbox.messages.shown()[0].caption, QStringLiteral("Numerical Value"));
        EXPECT_EQ(QApplication::focusWidget(), box(main, "Text2"));
        EXPECT_EQ(box(main, "Text2")->selectedText(), QString::fromLatin1(count));
        EXPECT_EQ(windows.previewWindowIfLoaded(), nullptr);
        EXPECT_TRUE(temporaryWorkbooks().isEmpty());
    }
}
