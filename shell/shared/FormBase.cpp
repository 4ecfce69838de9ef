#include "FormBase.h"

#include "ApplicationFolders.h"
#include "FileRoutines.h"
#include "PointerShape.h"
#include "TrappedHandler.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace shell {

QPoint centredFramePosition(const QRect& available, const QSize& frameSize) {
    return available.topLeft()
        + QPoint((available.width() - frameSize.width()) / 2, (available.height() - frameSize.height()) / 2);
}

namespace {

// Assistive technology meets each designed window as a window (a frame), as
// it meets a main window or a dialog; a plain widget would show as a filler.
QAccessibleInterface* designedWindowInterface(const QString&, QObject* object) {
    auto* form = qobject_cast<FormBase*>(object);
    if (form && form->isWindow()) return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

FormBase::FormBase(QWidget* parent) : QWidget(parent) {
    static const bool accessibleAsWindows = (QAccessible::installFactory(designedWindowInterface), true);
    (void)accessibleAsWindows;
}

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
        setCursor(cursorForPointer(m_mousePointer, m_mouseIcon));
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
    for (QPushButton* button : buttons) {
        button->setFont(buttonFont);
        button->installEventFilter(this);
    }

    centreOnScreen();
}

void FormBase::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(centredFramePosition(screen->availableGeometry(), frameGeometry().size()));
}

// The frame's size is known once the window manager has framed the shown
// window; the first time it differs from the client size the window is
// centred again, frame included. Later moves are the user's.
bool FormBase::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (!m_frameCentred && isWindow() && isVisible()
        && (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate || event->type() == QEvent::Expose)
        && frameGeometry().size() != size()) {
        m_frameCentred = true;
        centreOnScreen();
    }
    return handled;
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
    const QString cursorFile = applicationFilePath(QStringLiteral("HAND-M.CUR"));
    if (handler.test(testStep, [&] { return FileExists(cursorFile) == -1; }))
        handler.step(loadStep, [&] { setMouseIcon(loadCursorPicture(cursorFile)); });
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

namespace {

// Enter or Return, also on the keypad, without Ctrl, Alt or Shift; held
// down it clicks once, as Space does.
bool isEnterPress(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && !key.isAutoRepeat()
        && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

bool FormBase::eventFilter(QObject* watched, QEvent* event) {
    // Enter clicks the focused button, as on the platform the windows come from.
    if (event->type() == QEvent::KeyPress && isEnterPress(*static_cast<QKeyEvent*>(event))) {
        if (auto* button = qobject_cast<QPushButton*>(watched); button && button->isEnabled()) {
            button->click();
            return true;
        }
    }
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
