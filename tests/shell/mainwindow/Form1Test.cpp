#include "shell/mainwindow/Form1.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "shell/shared/WebSite.h"
#include "shell/shared/WindowColours.h"

#include "tests/support/CursorFile.h"
#include "tests/support/ErrorReports.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace shell;

namespace {

class Form1Test : public ::testing::Test {
protected:
    ShellSandbox sandbox;

    static QLineEdit* box(QWidget& form, const char* name) { return form.findChild<QLineEdit*>(name); }
    static QWidget* control(QWidget& form, const char* name) { return form.findChild<QWidget*>(name); }
    static int pointer(const QWidget& form) { return form.property("MousePointer").toInt(); }

    // The reports shown, as "step: first line".
    std::vector<QString> reports() const {
        std::vector<QString> found;
        for (const ShownMessage& m : sandbox.messages.shown()) {
            if (m.caption != QStringLiteral("Application Error")) continue;
            const QString at = m.text.section(QStringLiteral("at line "), 1).section(QLatin1Char('\r'), 0, 0);
            found.push_back(at + QStringLiteral(": ") + m.text.section(QLatin1Char('\r'), 0, 0));
        }
        return found;
    }

    static void showActive(QWidget& form) {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

} // namespace

TEST_F(Form1Test, FirstStartShowsAndStoresTheDefaults) {
    Form1 form;
    EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Halvarsen"));
    EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("5"));
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text1")).toString(), QStringLiteral("Halvarsen"));
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text2")).toString(), QStringLiteral("5"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kinloom"));
    for (const int size : {32, 48, 128, 256})
        EXPECT_EQ(form.windowIcon().pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
    EXPECT_TRUE(sandbox.messages.shown().empty()); // no cursor file, no report
}

TEST_F(Form1Test, StoredTextsComeBackAsTheyWereTyped) {
    sandbox.setStored(QStringLiteral("Text1"), QString());
    {
        Form1 form;
        EXPECT_EQ(box(form, "Text1")->text(), QString());
        box(form, "Text2")->selectAll();
        QTest::keyClicks(box(form, "Text2"), QStringLiteral("abc"));
        EXPECT_EQ(sandbox.stored(QStringLiteral("Text2")).toString(), QStringLiteral("abc"));
    }
    Form1 restarted;
    EXPECT_EQ(box(restarted, "Text1")->text(), QString());
    EXPECT_EQ(box(restarted, "Text2")->text(), QStringLiteral("abc"));
}

TEST_F(Form1Test, TypingNeverWaitsForTheSettingsFileAndTheLastTextIsStored) {
    Form1 form;
    {
        // The store is busy (its lock is taken, as by a large file being
        // written): keystrokes go on, and the store catches up afterwards.
        QLockFile busy(sandbox.storeFile() + QStringLiteral(".lock"));
        ASSERT_TRUE(busy.lock());
        box(form, "Text1")->selectAll();
        QTest::keyClicks(box(form, "Text1"), QStringLiteral("Olsen"));
        EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Olsen"));
    }
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text1")).toString(), QStringLiteral("Olsen"));
}

TEST_F(Form1Test, SampleButtonReplacesBothTextsAndStoresThem) {
    Form1 form;
    box(form, "Text1")->setText(QStringLiteral("Okonkwo"));
    box(form, "Text2")->setText(QStringLiteral("x9"));
    QTest::mouseClick(control(form, "PushButton7"), Qt::LeftButton);
    EXPECT_EQ(box(form, "Text1")->text(), QStringLiteral("Halvarsen"));
    EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("5"));
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text1")).toString(), QStringLiteral("Halvarsen"));
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text2")).toString(), QStringLiteral("5"));
}

TEST_F(Form1Test, SampleStoresBothValuesAlsoWhenTheBoxesShowThemAlready) {
    Form1 form; // shows the sample texts: a first start
    sandbox.setStored(QStringLiteral("Text1"), QStringLiteral("stale"));
    sandbox.setStored(QStringLiteral("Text2"), QStringLiteral("stale"));
    QTest::mouseClick(control(form, "PushButton7"), Qt::LeftButton);
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text1")).toString(), QStringLiteral("Halvarsen"));
    EXPECT_EQ(sandbox.stored(QStringLiteral("Text2")).toString(), QStringLiteral("5"));
}

TEST_F(Form1Test, EveryStepOfTheSampleAndHelpButtonsReportsItsOwnNumberAndTheNextRuns) {
    struct Case {
        const char* handler;
        int step;
        const char* button;
        const char* name;  // Text1 afterwards
        const char* count; // Text2 afterwards
        size_t otherBoxes; // the help message
    };
    for (const Case& c : {Case{ProcedurePath::Form1_PushButton7_Click, 100, "PushButton7", "Okonkwo", "5", 0},
                          Case{ProcedurePath::Form1_PushButton7_Click, 102, "PushButton7", "Halvarsen", "x9", 0},
                          Case{ProcedurePath::Form1_PushButton6_Click, 100, "PushButton6", "Okonkwo", "x9", 0}}) {
        SCOPED_TRACE(c.step);
        sandbox.messages.clear();
        Form1 form;
        box(form, "Text1")->setText(QStringLiteral("Okonkwo"));
        box(form, "Text2")->setText(QStringLiteral("x9"));
        const ScopedFaultInjection fault(c.handler, c.step, "Out of memory");
        QTest::mouseClick(control(form, c.button), Qt::LeftButton);
        EXPECT_EQ(box(form, "Text1")->text(), QString::fromLatin1(c.name));
        EXPECT_EQ(box(form, "Text2")->text(), QString::fromLatin1(c.count));
        const QString handler = QString::fromLatin1(c.handler).section(QLatin1Char('.'), 1).trimmed();
        EXPECT_EQ(errorReports(sandbox.messages), QStringList{handler + QLatin1Char(' ') + QString::number(c.step)});
        EXPECT_EQ(sandbox.messages.shown().size(), 1 + c.otherBoxes);
    }
}

TEST_F(Form1Test, TheRootNameHasTheFocusWithItsTextSelectedWhenTheWindowFirstShows) {
    Form1 form;
    showActive(form);
    EXPECT_EQ(QApplication::focusWidget(), box(form, "Text1"));
    EXPECT_EQ(box(form, "Text1")->selectedText(), QStringLiteral("Halvarsen"));
}

TEST_F(Form1Test, FocusSelectsTheWholeTextOnlyWhenItComesByTheKeyboardOrFromTheProgram) {
    Form1 form;
    showActive(form);
    QLineEdit* name = box(form, "Text1");
    for (const auto& [reason, selectsAll] : {std::pair{Qt::TabFocusReason, true},
                                             {Qt::BacktabFocusReason, true},
                                             {Qt::OtherFocusReason, true},
                                             {Qt::MouseFocusReason, false},
                                             {Qt::ActiveWindowFocusReason, false},
                                             {Qt::PopupFocusReason, false}}) {
        SCOPED_TRACE(reason);
        name->setCursorPosition(3);
        QFocusEvent focusIn(QEvent::FocusIn, reason); // as the window system sends it
        QApplication::sendEvent(name, &focusIn);
        EXPECT_EQ(name->selectedText(), selectsAll ? QStringLiteral("Halvarsen") : QString());
        EXPECT_EQ(name->cursorPosition(), selectsAll ? 9 : 3);
    }
}

TEST_F(Form1Test, AWindowActiveAgainKeepsTheCaretWhereItWas) {
    Form1 form;
    showActive(form);
    QLineEdit* name = box(form, "Text1");
    name->setCursorPosition(4);
    QWidget other; // another program, or a message box, takes the activation and gives it back
    showActive(other);
    showActive(form);
    EXPECT_TRUE(name->hasFocus());
    EXPECT_EQ(name->selectedText(), QString());
    EXPECT_EQ(name->cursorPosition(), 4);
}

TEST_F(Form1Test, PointerShowsTheHandOverButtonsAndKeepsTheHourglass) {
    Form1 form;
    showActive(form);
    QWidget* start = control(form, "PushButton1");
    QTest::mouseMove(start, QPoint(20, 10));
    EXPECT_EQ(pointer(form), vbCustom);
    EXPECT_EQ(form.cursor().shape(), Qt::PointingHandCursor); // no cursor file
    QTest::mouseMove(&form, QPoint(4, 100));                  // the background
    EXPECT_EQ(pointer(form), vbDefault);
    QTest::mouseMove(control(form, "PushButton6"), QPoint(20, 10));
    EXPECT_EQ(pointer(form), vbCustom);
    QTest::mouseMove(control(form, "Frame2"), QPoint(4, 10));
    EXPECT_EQ(pointer(form), vbDefault);

    form.setMousePointer(vbHourglass);
    QTest::mouseMove(control(form, "PushButton7"), QPoint(20, 10));
    EXPECT_EQ(pointer(form), vbHourglass);
    QTest::mouseMove(&form, QPoint(4, 100));
    EXPECT_EQ(pointer(form), vbHourglass);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
}

TEST_F(Form1Test, CursorFileBecomesTheMouseIconWithoutChangingThePointer) {
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), makeCursorFile(5, 1));
    Form1 form;
    ASSERT_TRUE(form.mouseIcon().has_value());
    EXPECT_EQ(form.mouseIcon()->hotSpot(), QPoint(5, 1));
    EXPECT_EQ(pointer(form), vbDefault);
}

TEST_F(Form1Test, EveryStartUpStepReportsItsOwnNumberAndTheLaterOnesRun) {
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), makeCursorFile(5, 1));
    setRandomDraw([] { return 0.06; }); // the one start in a hundred that opens the web site
    for (const int step : {102, 104, 106, 108, 110, 128, 130}) {
        SCOPED_TRACE(step);
        sandbox.messages.clear();
        sandbox.openedUrls.clear();
        QFile::remove(sandbox.storeFile());
        const ScopedFaultInjection fault(ProcedurePath::Form1_Form_Load, step, "Out of memory");
        Form1 form;
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form1.Form_Load", {step}));
        EXPECT_EQ(form.windowTitle(), step == 104 ? QStringLiteral("Form1") : QStringLiteral("Kinloom"));
        EXPECT_EQ(form.mouseIcon().has_value(), step != 108); // a failed test at 106 goes on to load
        EXPECT_EQ(sandbox.openedUrls.size(), step == 110 ? 0u : 1u);
        EXPECT_EQ(box(form, "Text1")->text(), step == 128 ? QString() : QStringLiteral("Halvarsen"));
        EXPECT_EQ(box(form, "Text2")->text(), step == 130 ? QString() : QStringLiteral("5"));
    }
}

TEST_F(Form1Test, ABadCursorFileIsReportedAt108) {
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), "garbage");
    Form1 form;
    EXPECT_FALSE(form.mouseIcon().has_value());
    EXPECT_EQ(reports(), std::vector<QString>{QStringLiteral("108: Invalid picture")});
}

TEST_F(Form1Test, UnreadableStoreIsReportedForBothInputs) {
    QDir().mkpath(sandbox.storeFile());
    Form1 form;
    EXPECT_EQ(box(form, "Text1")->text(), QString());
    EXPECT_EQ(reports().size(), 2u);
    EXPECT_TRUE(reports()[0].startsWith(QStringLiteral("128: ")));
    EXPECT_TRUE(reports()[1].startsWith(QStringLiteral("130: ")));
}

TEST_F(Form1Test, SkinFileColoursTheFramesAndAppliesTheSheet) {
    sandbox.writeAppFile(QStringLiteral("x/o.cjs"), "QPushButton { color: maroon; }");
    Form1 form;
    EXPECT_EQ(form.palette().color(QPalette::Window), buttonFaceColor());
    EXPECT_EQ(control(form, "Frame1")->palette().color(QPalette::Window), buttonFaceColor());
    EXPECT_EQ(form.styleSheet(), QStringLiteral("QPushButton { color: maroon; }"));
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

TEST_F(Form1Test, HelpNamesTheContactPage) {
    Form1 form;
    QTest::mouseClick(control(form, "PushButton6"), Qt::LeftButton);
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    const ShownMessage& help = sandbox.messages.shown()[0];
    EXPECT_EQ(help.text, QStringLiteral("Questions? Please contact Team Brenvik at https://brenvik.example/contact/"));
    EXPECT_EQ(help.caption, QStringLiteral("Kinloom"));
    EXPECT_EQ(help.style, vbOKOnly);
}

TEST_F(Form1Test, StartButtonRefusesACountThatIsNotANumber) {
    Form1 form;
    auto* count = qobject_cast<QLineEdit*>(control(form, "Text2"));
    count->setText(QStringLiteral("five"));
    QTest::mouseClick(control(form, "PushButton1"), Qt::LeftButton);
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_EQ(sandbox.messages.shown()[0].text, QStringLiteral("Number of generations must be numeric."));
    EXPECT_EQ(sandbox.messages.shown()[0].caption, QStringLiteral("Numerical Value"));
    EXPECT_EQ(sandbox.messages.shown()[0].style, vbExclamation);
    EXPECT_EQ(count->selectedText(), QStringLiteral("five"));
    EXPECT_EQ(form.mousePointer(), vbDefault);
}

// Enter (and the keypad's Enter) on a focused button clicks it once, as Space
// does, also when held down; with Ctrl, Alt or Shift it is no click.
TEST_F(Form1Test, EnterClicksTheFocusedButton) {
    Form1 form;
    showActive(form);
    const auto press = [](QWidget* on, Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeated) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), repeated);
        QApplication::sendEvent(on, &event);
    };
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int repeats; // presses the key sends while held down, after the first
        bool clicks;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, 0, true},     {Qt::Key_Enter, Qt::KeypadModifier, 0, true},
        {Qt::Key_Return, Qt::NoModifier, 3, true},     {Qt::Key_Return, Qt::ControlModifier, 0, false},
        {Qt::Key_Return, Qt::ShiftModifier, 0, false}, {Qt::Key_Enter, Qt::KeypadModifier | Qt::AltModifier, 0, false},
    };
    for (const char* button : {"PushButton1", "PushButton6", "PushButton7"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << button << " key " << c.key << " modifiers " << c.modifiers.toInt()
                                            << " repeats " << c.repeats);
            sandbox.messages.clear();
            box(form, "Text1")->setText(QStringLiteral("Ancestor"));
            box(form, "Text2")->setText(QStringLiteral("five"));
            control(form, button)->setFocus();
            press(control(form, button), c.key, c.modifiers, false);
            for (int i = 0; i < c.repeats; ++i) press(control(form, button), c.key, c.modifiers, true);
            // The count is refused, the contact page named, or the sample filled in: once.
            const bool sample = qstrcmp(button, "PushButton7") == 0;
            EXPECT_EQ(sandbox.messages.shown().size(), c.clicks && !sample ? 1u : 0u);
            EXPECT_EQ(box(form, "Text1")->text() == QStringLiteral("Halvarsen"), c.clicks && sample);
        }
    }
}

TEST_F(Form1Test, DesignedLayout) {
    Form1 form;
    EXPECT_EQ(form.size(), QSize(536, 201));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(form.font().bold());
    EXPECT_EQ(form.font().pointSizeF(), 9.0);
    EXPECT_EQ(control(form, "PushButton7")->geometry(), QRect(272, 42, 256, 27));
    EXPECT_EQ(control(form, "Text2")->geometry(), QRect(16, 20, 489, 25));
    EXPECT_EQ(control(form, "Text2")->parentWidget()->objectName(), QStringLiteral("Frame2"));
    EXPECT_EQ(control(form, "PushButton1")->font().pointSizeF(), 11.25);
    EXPECT_EQ(form.findChild<QGroupBox*>("Frame2")->title(),
              QStringLiteral("Number Of Generations (Including Youself)"));

    QStringList order;
    QWidget* w = control(form, "Text1");
    for (int i = 0; i < 5; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order.join(QLatin1Char(' ')), QStringLiteral("Text1 Text2 PushButton1 PushButton6 PushButton7"));
}

TEST_F(Form1Test, ClosingEndsTheApplication) {
    Form1 form;
    form.show();
    QTimer::singleShot(0, &form, &QWidget::close);
    const QObject guard;
    QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); }); // the close did not end it
    EXPECT_EQ(QCoreApplication::exec(), 0);
}
