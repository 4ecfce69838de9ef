#include "PictureBox.h"

#include <QPainter>

namespace shell {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PictureBox::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace shell
