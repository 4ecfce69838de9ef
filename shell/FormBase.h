#pragma once

#include <QCursor>
#include <QWidget>

#include <optional>

namespace shell {

// What the application's windows share: the MousePointer and MouseIcon
// properties, and the fixed, centred frame of a designed window.
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
    // the minimise and close boxes, gives the push buttons their font and
    // centres the window on the screen.
    void finishDesignedLayout();

private:
    void showPointer();

    int m_mousePointer = 0;
    std::optional<QCursor> m_mouseIcon;
};

} // namespace shell
