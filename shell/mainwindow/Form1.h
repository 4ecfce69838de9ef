#pragma once

#include "chart/BuildRun.h"
#include "shell/shared/FormBase.h"
#include "shell/shared/SkinFramework.h"

#include <functional>
#include <memory>

namespace Ui {
class Form1;
}

namespace shell {

// Whether a text box that gets the focus for this reason selects its whole
// text, so that typing replaces it: when the focus comes by the keyboard or
// from the program. A click places the caret, and a window that becomes
// active again keeps the selection it had, so no keystroke silently wipes
// the text.
bool selectsAllOnFocus(Qt::FocusReason reason);

// The main window: the two inputs of a chart, kept in the settings store as
// they are typed, and the buttons that start a chart, name the contact page
// and fill in sample inputs. Building it runs its start-up (Form_Load).
// Closing it ends the application. While a build run is in progress the
// buttons ignore further clicks. The chart build run reaches the windows
// through it.
class Form1 : public FormBase, public chart::BuildRunWindows {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Where the preview window comes from: made on its first use.
    void setPreviewWindowProvider(std::function<chart::PreviewWindow&()> provider);

    // What the build run asks of the windows.
    QString rootName() const override;
    QString generationCountText() const override;
    void setMousePointer(int shape) override { FormBase::setMousePointer(shape); }
    void focusGenerationCount() override;
    chart::PreviewWindow& previewWindow() override;
    void Hide() override { hide(); }

    const SkinFramework& skinFramework() const { return m_skin; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void PushButton1_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void Text1_Change();
    void Text2_Change();

    std::unique_ptr<Ui::Form1> m_ui;
    SkinFramework m_skin;
    std::function<chart::PreviewWindow&()> m_previewWindow;
    bool m_buildRunning = false;
};

} // namespace shell
