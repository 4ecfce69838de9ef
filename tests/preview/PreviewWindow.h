#pragma once

// A preview window holding a plain picture of a given size, as the build run
// leaves it: picture handed over, window shown and active.
#include "preview/Form2.h"
#include "shell/shared/PictureBox.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

inline QImage chartPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int y = 0; y < size.height(); y += 17) painter.drawLine(0, y, size.width(), y);
    return picture;
}

inline void handOver(preview::Form2& form, QSize pictureSize) {
    form.setPicture(chartPicture(pictureSize));
    form.Show();
    QApplication::setActiveWindow(&form);
}

inline QWidget* canvasOf(preview::Form2& form) { return form.findChild<shell::PictureBox*>("Picture1"); }
inline QScrollBar* barOf(preview::Form2& form, const char* name) { return form.findChild<QScrollBar*>(name); }
inline void clickButton(preview::Form2& form, const char* name, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::mouseClick(form.findChild<QWidget*>(name), Qt::LeftButton);
}
