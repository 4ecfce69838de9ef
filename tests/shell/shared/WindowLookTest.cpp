#include "core/Error.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/FormBase.h"
#include "shell/shared/PictureBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/SkinFramework.h"
#include "shell/shared/WindowColours.h"

#include "tests/support/CursorFile.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <sys/stat.h>

using namespace shell;

namespace {

// A white window with one control of each kind that the colour rules tell apart.
struct SampleWindow {
    QWidget window;
    QGroupBox* frame = new QGroupBox(&window);
    QLabel* label = new QLabel(frame);
    QCheckBox* check = new QCheckBox(&window);
    PictureBox* picture = new PictureBox(&window);
    QLineEdit* text = new QLineEdit(frame);
    QPushButton* button = new QPushButton(&window);

    SampleWindow() {
        int n = 0;
        for (QWidget* w : {static_cast<QWidget*>(&window), static_cast<QWidget*>(frame), static_cast<QWidget*>(label),
                           static_cast<QWidget*>(check), static_cast<QWidget*>(picture), static_cast<QWidget*>(text),
                           static_cast<QWidget*>(button)}) {
            w->setObjectName(QStringLiteral("Control%1").arg(++n));
            setBackColor(*w, Qt::white);
        }
    }
    static QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }
    static QColor base(const QWidget* w) { return w->palette().color(QPalette::Base); }
};

} // namespace

TEST(ApplySkin, SkinFileColoursFramesLabelsAndPicturesThenAppliesTheSheet) {
    ShellSandbox sandbox;
    const QColor face = buttonFaceColor();
    ASSERT_NE(face, QColor(Qt::white));
    const QByteArray sheet = "QGroupBox { color: navy; }";
    sandbox.writeAppFile(QStringLiteral("x/o.cjs"), sheet);

    SampleWindow w;
    const QColor textBase = SampleWindow::base(w.text);
    SkinFramework skin;
    ApplySkin(w.window, skin);

    for (const QWidget* coloured : {static_cast<const QWidget*>(&w.window), static_cast<const QWidget*>(w.frame),
                                    static_cast<const QWidget*>(w.label), static_cast<const QWidget*>(w.check),
                                    static_cast<const QWidget*>(w.picture)})
        EXPECT_EQ(SampleWindow::back(coloured), face) << coloured->objectName().toStdString();
    EXPECT_EQ(SampleWindow::back(w.button), QColor(Qt::white));
    EXPECT_EQ(SampleWindow::base(w.text), textBase);
    EXPECT_EQ(w.window.styleSheet(), QString::fromUtf8(sheet));
    EXPECT_TRUE(skin.options() & SkinFramework::kApplyStyleSheet);
}

TEST(ApplySkin, NoOrdinaryFileChangesNothing) {
    ShellSandbox sandbox;
    for (const bool folderOfThatName : {false, true}) {
        if (folderOfThatName) QDir().mkpath(sandbox.appFile(QStringLiteral("x/o.cjs")));
        SampleWindow w;
        SkinFramework skin;
        ApplySkin(w.window, skin);
        EXPECT_EQ(SampleWindow::back(&w.window), QColor(Qt::white));
        EXPECT_EQ(SampleWindow::back(w.frame), QColor(Qt::white));
        EXPECT_EQ(SampleWindow::back(w.picture), QColor(Qt::white));
        EXPECT_FALSE(skin.isLoaded());
        EXPECT_TRUE(w.window.styleSheet().isEmpty());
    }
}

TEST(SetButtonFaceColors, LeavesPictureBoxesAndTextBoxesAlone) {
    SampleWindow w;
    SetButtonFaceColors(w.window);
    EXPECT_EQ(SampleWindow::back(&w.window), buttonFaceColor());
    EXPECT_EQ(SampleWindow::back(w.frame), buttonFaceColor());
    EXPECT_EQ(SampleWindow::back(w.label), buttonFaceColor());
    EXPECT_EQ(SampleWindow::back(w.picture), QColor(Qt::white));
    EXPECT_EQ(SampleWindow::back(w.text), QColor(Qt::white));
}

TEST(PointerShape, CursorFileKeepsItsHotSpotAndAnythingElseIsAnInvalidPicture) {
    ShellSandbox sandbox;
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), makeCursorFile(9, 3));
    const QCursor hand = loadCursorPicture(sandbox.appFile(QStringLiteral("HAND-M.CUR")));
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(9, 3));

    sandbox.writeAppFile(QStringLiteral("broken.cur"), "not a cursor at all");
    try {
        loadCursorPicture(sandbox.appFile(QStringLiteral("broken.cur")));
        FAIL() << "a broken cursor file loaded";
    } catch (const core::Error& failure) {
        EXPECT_STREQ(failure.what(), "Invalid picture");
    }
    EXPECT_THROW(loadCursorPicture(sandbox.appFile(QStringLiteral("missing.cur"))), core::Error);
    // A named pipe in the cursor's place is refused at once, not waited on.
    const QString pipe = sandbox.appFile(QStringLiteral("pipe.cur"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_THROW(loadCursorPicture(pipe), core::Error);
}

TEST(FormBase, AWindowIsCentredWithItsFrame) {
    // The main window's 536 × 201 client area in a frame of a 1-pixel border
    // and a 20-pixel title bar, as a window manager draws it.
    EXPECT_EQ(centredFramePosition(QRect(0, 0, 1280, 1024), QSize(538, 222)), QPoint(371, 401));
    EXPECT_EQ(centredFramePosition(QRect(0, 30, 1280, 994), QSize(538, 222)), QPoint(371, 416)); // below a panel
}
