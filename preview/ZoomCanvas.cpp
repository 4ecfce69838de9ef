#include "ZoomCanvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace preview {

ZoomCanvas::ZoomCanvas(QWidget* parent) : SheetPictureBox(parent) {}

void ZoomCanvas::setAutoSize(bool on) {
    m_autoSize = on;
    fitAssignedPicture();
}

void ZoomCanvas::assignPicture(const spreadsheet::VectorPicture& picture) {
    m_source = {};
    setSheetPicture(picture);
    fitAssignedPicture();
}

void ZoomCanvas::clearPicture() { assignPicture({}); }

void ZoomCanvas::fitAssignedPicture() {
    if (m_autoSize) resize(sheetPicture().size() + QSize(kAutoSizeMargin, kAutoSizeMargin));
}

void ZoomCanvas::drawStretched(const spreadsheet::VectorPicture& source, const QRect& sourceRect) {
    setSheetPicture({});
    m_source = source;
    m_sourceRect = sourceRect;
    update();
}

void ZoomCanvas::paintEvent(QPaintEvent* event) {
    if (m_source.isNull()) {
        SheetPictureBox::paintEvent(event);
        return;
    }
    if (m_sourceRect.isEmpty()) return;
    // The whole picture placed so that sourceRect covers the canvas.
    const double sx = width() / double(m_sourceRect.width());
    const double sy = height() / double(m_sourceRect.height());
    const QSizeF whole = QSizeF(m_source.size());
    QPainter painter(this);
    m_source.paint(painter,
                   QRectF(-m_sourceRect.x() * sx, -m_sourceRect.y() * sy, whole.width() * sx, whole.height() * sy),
                   event->rect());
}

} // namespace preview
