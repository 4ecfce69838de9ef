// What the user does while a build run lets pending events through: click
// the main window's buttons again, or close the main window.
#include "app/ProgramWindows.h"
#include "shell/shared/EndOnSignals.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "tests/support/BuildSandbox.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <cstring>

using shell::ProcedurePath::Form1_PushButton1_Click;

namespace {

class BuildInterruptionTest : public ::testing::Test {
protected:
    static QPushButton* button(QWidget& window, const char* name) { return window.findChild<QPushButton*>(name); }

    // Runs the action inside the build run, just before its step.
    static shell::ScopedFaultInjection atStep(int step, std::function<void()> action) {
        return shell::ScopedFaultInjection([step, action](const char* path, int number) {
            if (number == step && std::strcmp(path, Form1_PushButton1_Click) == 0) action();
        });
    }

    QStringList leftovers() const {
        return QDir(build.tempFolder()).entryList(QDir::Files | QDir::Hidden)
            + QDir(sandbox.appFile(QString())).entryList(QDir::Files | QDir::Hidden);
    }

    ShellSandbox sandbox;
    BuildSandbox build;
};

} // namespace

TEST_F(BuildInterruptionTest, ClicksAndKeysOnTheButtonsDuringARunAreIgnored) {
    ProgramWindows windows;
    shell::Form1& main = windows.mainWindow();
    main.show();
    main.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Olsen"));
    int runs = 0;
    {
        const shell::ScopedFaultInjection clicks([&](const char* path, int step) {
            if (std::strcmp(path, Form1_PushButton1_Click) != 0) return;
            if (step == 100) ++runs;
            if (step == 216 && runs == 1) {
                QTest::mouseClick(button(main, "PushButton1"), Qt::LeftButton);
                QTest::keyClick(button(main, "PushButton1"), Qt::Key_Space);
                QTest::mouseClick(button(main, "PushButton6"), Qt::LeftButton);
                QTest::mouseClick(button(main, "PushButton7"), Qt::LeftButton);
            }
        });
        QTest::mouseClick(button(main, "PushButton1"), Qt::LeftButton);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(sandbox.messages.shown().empty());                                                   // no help message
    EXPECT_EQ(main.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("Olsen")); // no samples
    ASSERT_NE(windows.previewWindowIfLoaded(), nullptr);
    EXPECT_EQ(leftovers(), QStringList{QFileInfo(windows.previewWindowIfLoaded()->mExcelFile).fileName()});

    // Once the run is over the buttons answer again.
    QTest::mouseClick(button(*windows.previewWindowIfLoaded(), "PushButton8"), Qt::LeftButton);
    QTest::mouseClick(button(main, "PushButton7"), Qt::LeftButton);
    EXPECT_EQ(main.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("Halvarsen"));
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST_F(BuildInterruptionTest, ClosingTheMainWindowDuringARunEndsItAndLeavesNoFile) {
    for (const int step : {116, 216, 236, 250, 254}) {
        SCOPED_TRACE(step);
        {
            ProgramWindows windows;
            shell::Form1& main = windows.mainWindow();
            main.show();
            const auto closing = atStep(step, [&] { main.close(); });
            QTest::mouseClick(button(main, "PushButton1"), Qt::LeftButton);
            EXPECT_FALSE(main.isVisible());
            const preview::Form2* preview = windows.previewWindowIfLoaded();
            EXPECT_TRUE(!preview || !preview->isVisible());
            EXPECT_TRUE(sandbox.messages.shown().empty());
        }
        EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
        shell::TrappedHandler::setApplicationEnded(false); // the next program
    }
}

// A log-out, Ctrl+C in the terminal or `kill` ends Kinloom as closing its
// window does: the preview's temporary workbook goes with it.
TEST_F(BuildInterruptionTest, ASignalToEndEndsTheProgramAsClosingDoesAndLeavesNoFile) {
    shell::endApplicationOnSignals();
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        {
            ProgramWindows windows;
            windows.mainWindow().show();
            QTest::mouseClick(button(windows.mainWindow(), "PushButton1"), Qt::LeftButton);
            ASSERT_NE(windows.previewWindowIfLoaded(), nullptr);
            ASSERT_EQ(leftovers().size(), 1); // the chart's workbook
            std::raise(signal);
            for (int wait = 0; wait < 200 && !shell::TrappedHandler::applicationEnded(); ++wait) QTest::qWait(10);
            ASSERT_TRUE(shell::TrappedHandler::applicationEnded());
            EXPECT_FALSE(windows.previewWindowIfLoaded()->isVisible());
        }
        EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(u' ').toStdString();
        shell::TrappedHandler::setApplicationEnded(false); // the next program
    }
}
