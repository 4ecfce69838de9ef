#include "preview/Form2.h"
#include "shell/shared/PictureBox.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

TEST(Form2Layout, FixedPreviewWindowWithAllItsControls) {
    preview::Form2 form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(form.size(), QSize(656, 626));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);

    auto* viewport = form.findChild<shell::PictureBox*>("Picture2");
    auto* canvas = form.findChild<shell::PictureBox*>("Picture1");
    ASSERT_TRUE(viewport && canvas);
    EXPECT_EQ(viewport->geometry(), QRect(8, 8, 622, 495));
    EXPECT_EQ(canvas->parentWidget(), viewport);
    EXPECT_EQ(canvas->geometry(), QRect(0, 0, 156, 229));
    for (const QWidget* pictureBox : {viewport, canvas})
        EXPECT_EQ(pictureBox->font().pointSizeF(), 8.25) << pictureBox->objectName().toStdString();

    for (const char* name : {"HScroll1", "VScroll1"}) {
        auto* bar = form.findChild<QScrollBar*>(name);
        ASSERT_TRUE(bar) << name;
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 32767);
        EXPECT_EQ(bar->pageStep(), 1);
    }
    EXPECT_EQ(form.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Zoom:"));
    EXPECT_EQ(form.findChild<QPushButton*>("PushButton2")->parentWidget()->objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(form.findChild<QPushButton*>("PushButton8")->text(), QStringLiteral("< Back"));
    EXPECT_EQ(form.findChild<QPushButton*>("PushButton1")->font().pointSizeF(), 11.25);

    // The store lies beyond the right edge, so it never shows.
    auto* store = form.findChild<shell::PictureBox*>("Zoom_Ori");
    ASSERT_TRUE(store);
    EXPECT_FALSE(form.rect().intersects(store->geometry()));
}
