// The chart's picture and the user's clipboard against other programs on a
// real X clipboard: an X server of the test's own and a second program
// owning the clipboard (tools/clipboard-owner), answering, silent, mute, or
// taking the clipboard back the moment it loses it.
#include "chart/ChartLayout.h"
#include "chart/Excel1.h"
#include "chart/ExecuteOperation.h"
#include "files/RunningObjects.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "spreadsheet/SheetPicture.h"
#include "spreadsheet/Worksheet.h"
#include "tests/support/ShellSandbox.h"
#include "tests/support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstring>
#include <memory>
#include <unistd.h>

using namespace chart;

namespace {

std::unique_ptr<VirtualDisplay> display;

class ClipboardOnX : public ::testing::Test {
protected:
    void SetUp() override {
        if (!display || display->name().isEmpty())
            GTEST_SKIP() << "no X server: " << (display ? display->failure().toStdString() : "tests listed only");
        // A build held up by another program is a failure, not a wait.
        ::alarm(60);
        files::setRunningObjectFolder(m_objects.path());
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }
    void TearDown() override {
        ::alarm(0);
        if (m_owner.state() != QProcess::NotRunning) {
            m_owner.kill();
            m_owner.waitForFinished();
        }
        files::setRunningObjectFolder(QString());
    }

    // Another program takes the clipboard and behaves as the mode says.
    void startOwner(const QStringList& arguments) {
        m_owner.start(QStringLiteral(KINLOOM_CLIPBOARD_OWNER), arguments);
        ASSERT_TRUE(m_owner.waitForReadyRead(10000)) << m_owner.readAllStandardError().toStdString();
        ASSERT_EQ(m_owner.readLine(), QByteArray("ready\n"));
    }

    // What a click on a window of the program does for its clipboard: an
    // event from the X server, whose time the clipboard goes by when it is
    // taken (an older one than the other program's would be refused).
    void userClicks() {
        xcb_connection_t* x = xcb_connect(display->name().constData(), nullptr);
        const char name[] = "_KINLOOM_TEST_CLICK";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, sizeof name - 1, name), nullptr);
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(m_window.winId()), atom->atom,
                            XCB_ATOM_STRING, 8, 1, "x");
        std::free(atom);
        xcb_disconnect(x);
        QTest::qWait(100);
    }

    // Whether a build's picture file is the chart's own picture, taken as a
    // build takes it, after a click on the program's window.
    bool buildTakesTheChartsPicture(int generations) {
        userClicks();
        auto application = automation::createApplication();
        auto workbook = application->workbooks().add();
        const ChartLayout layout = BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations));
        for (const auto& op : layout.operations) executeOperation(workbook->activeSheet(), layout, op);
        const QString path = sandbox.appFile(QStringLiteral("temp.bmp"));
        QFile::remove(path);
        Excel1::saveCellsActivesheet(workbook.get(), path);
        const automation::UsedRange used = workbook->activeSheet().usedRange();
        const QByteArray chart = workbook->activeSheet().picture(used.range()).toBytes();
        application->setDisplayAlerts(false);
        workbook->close();
        application->quit();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll() == chart;
    }

    ShellSandbox sandbox;
    QTemporaryDir m_objects;
    QProcess m_owner;
    QWidget m_window;
};

} // namespace

// A program that takes the clipboard back at once, offering a picture of its
// own in the chart's format: every build still gets the chart's picture, and
// the program keeps the clipboard it took.
TEST_F(ClipboardOnX, AProgramThatTakesTheClipboardBackNeverGivesTheBuildItsPicture) {
    const QString foreign = sandbox.appFile(QStringLiteral("foreign.pic"));
    {
        spreadsheet::Worksheet sheet;
        sheet.setValue(spreadsheet::CellRange{1, 1, 3, 3}, QStringLiteral("not a chart"));
        QFile file(foreign);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(spreadsheet::pictureOfRange(sheet, sheet.usedRange()).toBytes());
    }
    startOwner({QStringLiteral("retake"), foreign});
    for (int build = 0; build < 20; ++build) {
        EXPECT_TRUE(buildTakesTheChartsPicture(4)) << "build " << build;
        ASSERT_TRUE(sandbox.messages.shown().empty()) << sandbox.messages.shown()[0].text.toStdString();
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("another program's picture"));
    // One that takes the clipboard once the picture is there keeps it:
    // nothing is put back over it.
    m_owner.kill();
    m_owner.waitForFinished();
    startOwner({QStringLiteral("answer"), QStringLiteral("the user's own text")});
    {
        const shell::ScopedFaultInjection copiedMeanwhile([&](const char* path, int step) {
            if (step == 112 && std::strcmp(path, shell::ProcedurePath::Excel1_saveCellsActivesheet) == 0) {
                m_owner.kill();
                m_owner.waitForFinished();
                startOwner({QStringLiteral("answer"), QStringLiteral("copied meanwhile")});
            }
        });
        EXPECT_TRUE(buildTakesTheChartsPicture(4));
    }
    QTest::qWait(200); // the X server's word that the clipboard went
    EXPECT_FALSE(QGuiApplication::clipboard()->ownsClipboard());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("copied meanwhile"));
}

// What the clipboard held comes back after the build, as far as its owner
// hands it over; one that never answers holds the build no longer than the
// clipboard keeper's time, whatever it offers and however many formats.
TEST_F(ClipboardOnX, TheEarlierContentComesBackAsFarAsItsOwnerHandsItOver) {
    struct Case {
        QStringList owner;
        QString textAfter; // what the clipboard offers as text afterwards
    };
    for (const Case& c :
         {Case{{QStringLiteral("answer"), QStringLiteral("the user's own text")},
               QStringLiteral("the user's own text")},
          Case{{QStringLiteral("silent"), QStringLiteral("100")}, QString()}, Case{{QStringLiteral("mute")}, QString()},
          // A quarter of a million formats: looked at no longer than a few.
          Case{{QStringLiteral("silent"), QStringLiteral("250000")}, QString()}}) {
        SCOPED_TRACE(c.owner.join(u' ').toStdString());
        startOwner(c.owner);
        EXPECT_TRUE(buildTakesTheChartsPicture(3));
        EXPECT_TRUE(sandbox.messages.shown().empty());
        m_owner.kill();
        m_owner.waitForFinished();
        // The text put back is this program's own now: no other is asked.
        EXPECT_TRUE(QGuiApplication::clipboard()->ownsClipboard());
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.textAfter);
    }
}

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    const bool listing = ::testing::GTEST_FLAG(list_tests);
    if (!listing) {
        display = std::make_unique<VirtualDisplay>();
        if (!display->name().isEmpty()) {
            qputenv("DISPLAY", display->name());
            qputenv("QT_QPA_PLATFORM", "xcb");
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || display == nullptr || display->name().isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int status = RUN_ALL_TESTS();
    display.reset();
    return status;
}
