#pragma once

#include "preview/SheetPictureBox.h"

namespace preview {

// The preview's canvas: a picture box that either shows an assigned picture
// at its own size, sizing itself to it, or shows part of a source picture
// stretched to its own size. Both are drawn from the vector picture when
// painted, only where the canvas shows, so no zoom ever needs a bitmap the
// size of the canvas and every zoom is sharp.
class ZoomCanvas : public SheetPictureBox {
    Q_OBJECT

public:
    // Room the auto-size leaves beyond an assigned picture, right and below.
    static constexpr int kAutoSizeMargin = 2;

    explicit ZoomCanvas(QWidget* parent = nullptr);

    // On: the canvas takes an assigned picture's size plus the margin, now and
    // at every later assignment.
    void setAutoSize(bool on);
    // Assigns a picture to show at its own size; a stretched picture is dropped.
    void assignPicture(const spreadsheet::VectorPicture& picture);
    // Drops whatever the canvas shows.
    void clearPicture();
    // Shows sourceRect of source (in the picture's own pixels) stretched over
    // the canvas at its present size. Resize the canvas first.
    void drawStretched(const spreadsheet::VectorPicture& source, const QRect& sourceRect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitAssignedPicture();

    bool m_autoSize = false;
    spreadsheet::VectorPicture m_source;
    QRect m_sourceRect;
};

} // namespace preview
