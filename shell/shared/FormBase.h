#pragma once

#include <QCursor>
#include <QWidget>

#include <initializer_list>
#include <optional>

namespace shell {

class TrappedHandler;

// Where a window's frame goes so that the frame, title bar included, is
// centred in the available area of the screen.
QPoint centredFramePosition(const QRect& available, const QSize& frameSize);

// What the application's windows share: the MousePointer and MouseIcon
// properties, the pointer that follows the mouse over buttons and frames,
// the hand cursor file, the fixed, centred frame of a designed window, and
// Enter on a focused button.
class FormBase : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)

public:
    explicit FormBase(QWidget* parent = nullptr);

    // 0 default, 11 hourglass, 99 the custom pointer drawn from MouseIcon.
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    const std::optional<QCursor>& mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QCursor& cursor);

protected:
    // Called after the designed layout is set up: fixes the size, leaves only
    // the minimise and close boxes, gives the push buttons their font, lets
    // Enter click a focused push button as Space does, and centres the window
    // on the screen, frame included once the window manager has framed it.
    void finishDesignedLayout();

    // The pointer follows moves without a mouse button held down: the custom
    // pointer over the buttons, the default one over the frames and the
    // window itself. The hourglass of a running operation stays whatever the
    // pointer passes over. A move over one of these controls is that
    // control's alone: passed on to the window it would turn the hand back at once.
    void trackHoverPointer(std::initializer_list<QWidget*> buttons, std::initializer_list<QWidget*> frames);

    // The hand cursor file beside the program becomes MouseIcon when it
    // exists: the test under the handler's step testStep, the load under loadStep.
    void loadHandCursor(TrappedHandler& handler, int testStep, int loadStep);

    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void centreOnScreen();

    void showPointer();
    void showHoverPointer();
    void showDefaultPointer();

    int m_mousePointer = 0;
    std::optional<QCursor> m_mouseIcon;
    QList<QWidget*> m_hoverButtons;
    QList<QWidget*> m_hoverFrames;
    // Centred by its client area until the frame's size is known.
    bool m_frameCentred = false;
};

} // namespace shell
