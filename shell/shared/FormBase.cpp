#include "FormBase.h"

#include "ApplicationFolders.h"
#include "FileRoutines.h"
#include "PointerShape.h"
#include "TrappedHandler.h"

#include <QGuiApplication>
#include <QMouseEvent>
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

void FormBase::trackHoverPointer(std::initializer_list<QWidget*> buttons, std::initializer_list<QWidget*> frames) {
    m_hoverButtons = buttons;
    m_hoverFrames = frames;
    setMouseTracking(true);
    for (const QList<QWidget*>* group : {&m_hoverButtons, &m_hoverFrames}) {
        for (QWidget* watched : *group) {
            watched->setMouseTracking(true);
            watched->setAttribute(Qt::WA_NoMousePropagation);
            watched->installEventFilter(this);
        }
    }
}

void FormBase::loadHandCursor(TrappedHandler& handler, int testStep, int loadStep) {
    const QString cursorFile = ApplicationFilePath(QStringLiteral("HAND-M.CUR"));
    if (handler.test(testStep, [&] { return FileExists(cursorFile) == -1; }))
        handler.step(loadStep, [&] { setMouseIcon(LoadCursorPicture(cursorFile)); });
}

void FormBase::showHoverPointer() {
    if (m_mousePointer != vbHourglass) setMousePointer(vbCustom);
}

void FormBase::showDefaultPointer() {
    if (m_mousePointer != vbHourglass) setMousePointer(vbDefault);
}

void FormBase::mouseMoveEvent(QMouseEvent* event) {
    showDefaultPointer();
    QWidget::mouseMoveEvent(event);
}

bool FormBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (m_hoverButtons.contains(widget))
            showHoverPointer();
        else if (m_hoverFrames.contains(widget))
            showDefaultPointer();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace shell
