#pragma once

#include "shell/FormBase.h"
#include "shell/SkinFramework.h"

#include <functional>
#include <memory>

namespace Ui {
class Form1;
}

namespace shell {

// The main window: the two inputs of a chart, kept in the settings store as
// they are typed, and the buttons that start a chart, name the contact page
// and fill in sample inputs. Building it runs its start-up (Form_Load).
// Closing it ends the application.
class Form1 : public FormBase {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // What "Start Creating Template" runs; nothing until one is set.
    void setStartCreatingTemplate(std::function<void()> run);

    const SkinFramework& skinFramework() const { return m_skin; }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void PushButton1_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void Text1_Change();
    void Text2_Change();
    void showHoverPointer();
    void showDefaultPointer();

    std::unique_ptr<Ui::Form1> m_ui;
    SkinFramework m_skin;
    std::function<void()> m_startCreatingTemplate;
};

} // namespace shell
