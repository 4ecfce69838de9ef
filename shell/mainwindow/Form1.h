#pragma once

#include "chart/BuildRun.h"
#include "shell/family/FamilyFileUse.h"
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
//
// Its context menu (a right click anywhere, the Menu key or Shift+F10; in a
// text box below the box's own edit menu) fills charts from a family file
// ("Fill from a Family File…", Ctrl+O; a .ged file dropped on the window,
// or named on the command line, does the same) and puts the ancestor
// numbers in the boxes (Ctrl+N). While a file is in use the caption names
// it; typing a root name or loading the sample inputs goes back to blank
// charts.
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
    chart::BoxLabels boxLabels() const override { return m_family.boxLabels(); }

    // Reads the family file, lets the user choose the person and fills the
    // inputs for their chart; a file that cannot be read is reported and
    // nothing changes.
    void openFamilyFile(const QString& path);
    const FamilyFileUse& familyFile() const { return m_family; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void PushButton1_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void Text1_Change();
    void Text2_Change();

    std::function<void()> unlessBusy(void (Form1::*handler)());
    // Adds an item to the window's menu, after the others; its shortcut
    // works anywhere in the window.
    QAction* addMenuAction(const QString& text, const char* name, const QKeySequence& shortcut);
    void addFamilyActions();
    void watchMenuRequests();
    bool menuRequested(QObject* watched, QEvent* event);
    void openMenuFromKeyboard(QWidget* control);
    void showMenu(QWidget* over, const QPoint& globalPos);
    void fillFromFamilyFile();
    void showFamilyFileInCaption();
    // A dragged family file over a box is the window's, not the box's text.
    bool takesDrag(QEvent* event);

    std::unique_ptr<Ui::Form1> m_ui;
    SkinFramework m_skin;
    std::function<chart::PreviewWindow&()> m_previewWindow;
    bool m_buildRunning = false;
    FamilyFileUse m_family{this};
    QList<QAction*> m_menuActions;
    QAction* m_numbersAction = nullptr;
};

} // namespace shell
