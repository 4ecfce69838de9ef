#pragma once

#include "shell/shared/PictureBox.h"

namespace preview {

// The preview's canvas: a picture box that either shows an assigned picture
// as it is, sizing itself to it, or shows part of a source picture stretched
// to its own size. A stretched picture is drawn when painted, only where the
// canvas shows, so a large zoom costs no more than the viewport's area.
class ZoomCanvas : public shell::PictureBox {
    Q_OBJECT

public:
    // Room the auto-size leaves beyond an assigned picture, right and below.
    static constexpr int AutoSizeMargin = 2;

    explicit ZoomCanvas(QWidget* parent = nullptr);

    // On: the canvas takes an assigned picture's size plus the margin, now and
    // at every later assignment.
    void setAutoSize(bool on);
    // Assigns a picture to show unscaled; a stretched picture is dropped.
    void assignPicture(const QPixmap& picture);
    // Drops whatever the canvas shows.
    void clearPicture();
    // Shows sourceRect of source stretched over the canvas at its present
    // size, smoothly. Resize the canvas first.
    void drawStretched(const QPixmap& source, const QRect& sourceRect);

    // Tests and benchmarks: the transformation of stretched drawing.
    void setTransformationMode(Qt::TransformationMode mode) { m_mode = mode; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitAssignedPicture();
    void prepareReduction();

    bool m_autoSize = false;
    QPixmap m_source;
    QRect m_sourceRect;
    // A stretch that shrinks is scaled once with averaging: sampled at paint
    // time it would drop the thin grid lines of a chart.
    QPixmap m_reduced;
    Qt::TransformationMode m_mode = Qt::SmoothTransformation;
};

} // namespace preview
