#include "FormBase.h"

#include "PointerShape.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace shell {

FormBase::FormBase(QWidget* parent) : QWidget(parent) {}

void FormBase::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    showPointer();
}

void FormBase::setMouseIcon(const QCursor& cursor) {
    m_mouseIcon = cursor;
    showPointer();
}

void FormBase::showPointer() {
    if (m_mousePointer == vbDefault)
        unsetCursor();
    else
        setCursor(CursorForPointer(m_mousePointer, m_mouseIcon));
}

void FormBase::finishDesignedLayout() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    // A designer file holds whole point sizes only; the buttons' face is 11.25 pt.
    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPointSizeF(11.25);
    buttonFont.setBold(true);
    const auto buttons = findChildren<QPushButton*>();
    for (QPushButton* button : buttons) button->setFont(buttonFont);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
}

} // namespace shell
