#include "SheetPictureBox.h"

#include <QPaintEvent>
#include <QPainter>

namespace preview {

SheetPictureBox::SheetPictureBox(QWidget* parent) : shell::PictureBox(parent) {}

void SheetPictureBox::setSheetPicture(const spreadsheet::VectorPicture& picture) {
    m_sheetPicture = picture;
    update();
}

void SheetPictureBox::paintEvent(QPaintEvent* event) {
    if (m_sheetPicture.isNull()) return;
    QPainter painter(this);
    m_sheetPicture.paint(painter, QRectF(QPointF(0, 0), QSizeF(m_sheetPicture.size())), event->rect());
}

} // namespace preview
