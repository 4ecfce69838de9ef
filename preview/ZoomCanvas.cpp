#include "ZoomCanvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace preview {

ZoomCanvas::ZoomCanvas(QWidget* parent) : shell::PictureBox(parent) {}

void ZoomCanvas::setAutoSize(bool on) {
    m_autoSize = on;
    fitAssignedPicture();
}

void ZoomCanvas::assignPicture(const QPixmap& picture) {
    m_source = QPixmap();
    m_reduced = QPixmap();
    setPicture(picture);
    fitAssignedPicture();
}

void ZoomCanvas::clearPicture() { assignPicture(QPixmap()); }

void ZoomCanvas::fitAssignedPicture() {
    if (m_autoSize) resize(picture().size() + QSize(AutoSizeMargin, AutoSizeMargin));
}

void ZoomCanvas::drawStretched(const QPixmap& source, const QRect& sourceRect) {
    setPicture(QPixmap());
    m_source = source;
    m_sourceRect = sourceRect;
    prepareReduction();
    update();
}

void ZoomCanvas::prepareReduction() {
    m_reduced = QPixmap();
    if (m_source.isNull() || m_sourceRect.isEmpty() || size().isEmpty()) return;
    if (width() >= m_sourceRect.width() && height() >= m_sourceRect.height()) return;
    const QPixmap part = m_sourceRect == m_source.rect() ? m_source : m_source.copy(m_sourceRect);
    m_reduced = part.scaled(size(), Qt::IgnoreAspectRatio, m_mode);
}

void ZoomCanvas::paintEvent(QPaintEvent* event) {
    if (m_source.isNull()) {
        shell::PictureBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (!m_reduced.isNull()) {
        painter.drawPixmap(0, 0, m_reduced);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_mode == Qt::SmoothTransformation);
    painter.drawPixmap(QRectF(rect()), m_source, QRectF(m_sourceRect));
}

} // namespace preview
