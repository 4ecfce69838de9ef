#pragma once

#include <QPixmap>
#include <QWidget>

namespace shell {

// A picture box: a control that fills its background and shows a picture
// at its top-left corner, unscaled.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace shell
