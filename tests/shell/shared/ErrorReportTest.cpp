#include "shell/shared/ErrorReport.h"
#include "core/Error.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"

#include <gtest/gtest.h>

#include <vector>

using namespace shell;

TEST(ErrorReport, TextIsExactAndShownAsApplicationErrorWithExclamation) {
    const QString text =
        errorReportText(QStringLiteral("Invalid picture"), QString::fromLatin1(ProcedurePath::Form1_Form_Load), 108);
    EXPECT_EQ(text.toUtf8(),
              QByteArray("Invalid picture\r\nin Kinloom2016/11/03.Form1.Form_Load at line 108\r\r"
                         "Please email screenshot of this message to support@brenvik.example"));

    MessageBoxTestSeam boxes;
    ShowErrorReport(QStringLiteral("first line\nsecond line"), QStringLiteral("in X.Y "), 7);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(QStringLiteral("first line\nsecond line\r\nin X.Y at line 7\r\r")));
    EXPECT_EQ(boxes.shown()[0].caption, QStringLiteral("Application Error"));
    EXPECT_EQ(boxes.shown()[0].style, 48);
    // A description quoting a file: its control characters show as escapes,
    // once, however often it was made visible before; line breaks stay.
    ShowErrorReport(QStringLiteral("t.ged:2: \"\x1b]0;x\x07\u202e\\x1b\"\r\n\tnext"), QStringLiteral("in X.Y "), 7);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[1].text.startsWith(
        QStringLiteral("t.ged:2: \"\\x1b]0;x\\x07\\u202e\\x1b\"\r\n\\x09next\r\nin X.Y at line 7\r\r")))
        << boxes.shown()[1].text.toStdString();
}

TEST(TrappedHandler, ReportsEachFailingStepAndGoesOn) {
    MessageBoxTestSeam boxes;
    std::vector<int> ran;
    TrappedHandler h(ProcedurePath::Form2_PushButton6_Click);
    const std::vector<bool> succeeded{
        h.step(100, [&] { ran.push_back(100); }),
        h.step(102,
               [&] {
                   throw core::Error(core::ErrorKind::StepFailed, QStringLiteral("Zugriff verweigert: Größe"));
                   ran.push_back(102);
               }),
        h.step(104, [&] { ran.push_back(104); }), h.step(106, [&] { throw 42; }), // not a std::exception
    };

    EXPECT_EQ(ran, (std::vector<int>{100, 104}));
    EXPECT_EQ(succeeded, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(h.currentStep(), 106);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(
        QStringLiteral("Zugriff verweigert: Größe\r\nin Kinloom2016/11/03.Form2.PushButton6_Click at line 102\r\r")));
    EXPECT_TRUE(boxes.shown()[1].text.contains(QStringLiteral("PushButton6_Click at line 106\r\r")));
}

TEST(TrappedHandler, FailingTestEntersTheBranch) {
    MessageBoxTestSeam boxes;
    TrappedHandler h(ProcedurePath::Form1_Form_Load);
    EXPECT_TRUE(
        h.test(106, []() -> bool { throw core::Error(core::ErrorKind::StepFailed, QStringLiteral("Bad file name")); }));
    EXPECT_FALSE(h.test(106, [] { return false; }));
    EXPECT_TRUE(h.test(106, [] { return true; }));
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST(TrappedHandler, FaultInjectionHitsOnlyItsHandlerAndStep) {
    MessageBoxTestSeam boxes;
    const ScopedFaultInjection fault(ProcedurePath::Form1_PushButton7_Click, 102, "injected");
    int effects = 0;
    TrappedHandler other(ProcedurePath::Form1_PushButton6_Click);
    other.step(102, [&] { ++effects; });
    TrappedHandler target(ProcedurePath::Form1_PushButton7_Click);
    target.step(100, [&] { ++effects; });
    target.step(102, [&] { ++effects; }); // its effect is lost
    EXPECT_EQ(effects, 2);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].text.startsWith(
        QStringLiteral("injected\r\nin Kinloom2016/11/03.Form1.PushButton7_Click at line 102")));
}
