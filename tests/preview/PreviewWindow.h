#pragma once

// A preview window holding a plain picture of a given size, as the build run
// leaves it: picture handed over, window shown and active.
#include "preview/Form2.h"
#include "shell/shared/PictureBox.h"

#include "spreadsheet/VectorPicture.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

// An empty grid of the given size: 64-pixel columns and 17-pixel rows, the
// last of each taking what is left.
inline spreadsheet::VectorPicture chartPicture(QSize size) {
    const auto split = [](int length, int step) {
        std::vector<std::uint16_t> lengths;
        for (int left = length - 1; lengths.empty() || left > 0; left -= step)
            lengths.push_back(static_cast<std::uint16_t>(std::min(left, step)));
        return lengths;
    };
    spreadsheet::PictureContent content;
    content.columnWidths = split(size.width(), 64);
    content.rowHeights = split(size.height(), 17);
    content.rowStarts.assign(content.rowHeights.size() + 1, 0);
    return spreadsheet::VectorPicture(std::move(content));
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
