#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/SaveFileDialog.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

using namespace shell;

TEST(MessageBoxSeam, RecordsBoxesAndGivesQueuedOrDefaultAnswers) {
    MessageBoxTestSeam boxes;
    boxes.setNextAnswer(vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Overwrite?"), vbYesNo), vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Overwrite?"), vbYesNo), vbYes); // Yes is the default
    EXPECT_EQ(MsgBox(QStringLiteral("Done.")), vbOK);
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].caption, applicationTitle());
    EXPECT_EQ(boxes.shown()[2].style, vbOKOnly);
    EXPECT_EQ(MsgBox(QStringLiteral("x"), vbOKOnly, QStringLiteral("Numerical Value")), vbOK);
    EXPECT_EQ(boxes.shown()[3].caption, QStringLiteral("Numerical Value"));
}

// A box leaves room for its caption beside the title bar's icon and buttons
// (about 100 pixels), and shows a line that holds a web address whole.
TEST(MessageBoxLook, WideEnoughForItsCaptionAndAWebAddressOnOneLine) {
    for (const ShownMessage& message :
         {ShownMessage{QStringLiteral("Done."), QStringLiteral("Kinloom"), vbOKOnly},
          ShownMessage{QStringLiteral("Questions? Please contact Team Brenvik at https://brenvik.example/contact/"),
                       QStringLiteral("Kinloom"), vbOKOnly},
          ShownMessage{QStringLiteral("x\r\nhttps://brenvik.example/contact/"), QStringLiteral("Application Error"),
                       vbExclamation}}) {
        SCOPED_TRACE(message.text.toStdString());
        const auto box = messageBoxFor(message);
        box->show();
        QApplication::processEvents();
        QFont captionFont = box->font();
        captionFont.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(captionFont).horizontalAdvance(message.caption) + 100);
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_TRUE(label);
        const int lines = message.text.count(QLatin1Char('\n')) + 1;
        EXPECT_LT(label->height(), (lines + 1) * label->fontMetrics().lineSpacing()); // no line wrapped
        box->close();
    }
}

// The report of a browser that would not start holds a web address, and
// after it a longer line: every line shows whole, none cut off at the box's
// edge (ctest runs this on a wide screen too, where it counts).
TEST(MessageBoxLook, ALineLongerThanTheWebAddressShowsWhole) {
    const QString report = QStringLiteral("No web browser could be started for https://brenvik.example/\n"
                                          "in Kinloom2016/11/03.Form1.Form_Load at line 110\n\n"
                                          "Please email screenshot of this message to support@brenvik.example");
    const auto box = messageBoxFor({report, QStringLiteral("Application Error"), vbExclamation});
    box->show();
    QApplication::processEvents();
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_TRUE(label);
    if (!label->wordWrap()) {
        for (const QString& line : report.split(QLatin1Char('\n')))
            EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
                << line.toStdString();
    }
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    box->close();
}

TEST(SaveFileDialogSeam, RecordsTheDialogAndAnswersOrCancels) {
    SaveFileDialogTestSeam dialogs;
    dialogs.setNextAnswer(QStringLiteral("/home/u/chart"));
    SaveFileDialog dialog;
    dialog.dialogTitle = QStringLiteral("Save File");
    dialog.filter = QStringLiteral("Excel Files (*.xls)|*.xls|");
    dialog.showSave();
    EXPECT_EQ(dialog.fileName, QStringLiteral("/home/u/chart.xls")); // the dialog adds the extension
    dialog.showSave();
    EXPECT_EQ(dialog.fileName, QString());
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Save File"));
    EXPECT_EQ(dialogs.shown()[0].filter, QStringLiteral("Excel Files (*.xls)"));
    EXPECT_EQ(dialogs.shown()[1].fileName, QStringLiteral("/home/u/chart.xls"));
}

TEST(SaveFileDialogSeam, ANameWithoutExtensionGetsTheFiltersOwn) {
    const QString xls = QStringLiteral("Excel Files (*.xls)|*.xls|");
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/ingrid", "/home/u/ingrid.xls"},
        {"/home/u/ingrid.xls", "/home/u/ingrid.xls"},
        {"/home/u/ingrid.old", "/home/u/ingrid.old.xls"},
        {"/home/u/.ingrid", "/home/u/.ingrid.xls"},
        {"/home/u.d/ingrid", "/home/u.d/ingrid.xls"},
        {"/home/u/Weaver Jr.", "/home/u/Weaver Jr..xls"},
        {"/home/u/in.XLS", "/home/u/in.XLS"},
        {"", ""},
    };
    for (const auto& [typed, saved] : cases)
        EXPECT_EQ(withFilterExtension(QString::fromUtf8(typed), xls), QString::fromUtf8(saved)) << typed;
    EXPECT_EQ(withFilterExtension(QStringLiteral("/home/u/ingrid"), QStringLiteral("All|*.*|")),
              QStringLiteral("/home/u/ingrid"));
    // The filter chosen gives its extension, the first one chosen by default.
    const QString several = QStringLiteral("Excel|*.xls|Open|*.ods;*.fods|Picture|*.png|");
    EXPECT_EQ(withFilterExtension(QStringLiteral("/home/u/ingrid"), several, 2), QStringLiteral("/home/u/ingrid.ods"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/home/u/ingrid"), several, 3), QStringLiteral("/home/u/ingrid.png"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/home/u/in.xls"), several, 3), QStringLiteral("/home/u/in.xls"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/home/u/in.fods"), several, 1), QStringLiteral("/home/u/in.fods"));
    EXPECT_EQ(withFilterExtension(QStringLiteral("/home/u/in.bmp"), several, 3), QStringLiteral("/home/u/in.bmp.png"));
}

TEST(SaveFileDialogSeam, TheFilterChosenComesBackAndNamesTheExtension) {
    SaveFileDialogTestSeam dialogs;
    dialogs.setNextAnswer(QStringLiteral("/home/u/chart"), 2);
    SaveFileDialog dialog;
    dialog.filter = QStringLiteral("Excel Files (*.xls)|*.xls|OpenDocument (*.ods)|*.ods|");
    dialog.showSave();
    EXPECT_EQ(dialog.fileName, QStringLiteral("/home/u/chart.ods"));
    EXPECT_EQ(dialog.filterIndex, 2);
    dialog.showSave(); // cancelled: the filter stays as it was shown
    EXPECT_EQ(dialog.filterIndex, 2);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].filterIndex, 1);
    EXPECT_EQ(dialogs.shown()[1].filterIndex, 2);
}

TEST(SaveFileDialogSeam, FilterPairsBecomeQtEntries) {
    EXPECT_EQ(qtFilterFrom(QStringLiteral("Excel Files (*.xls)|*.xls|")), QStringLiteral("Excel Files (*.xls)"));
    EXPECT_EQ(qtFilterFrom(QStringLiteral("Workbooks|*.xls;*.xlsx|All|*.*")),
              QStringLiteral("Workbooks (*.xls *.xlsx);;All (*.*)"));
}
