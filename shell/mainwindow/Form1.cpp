#include "Form1.h"

#include "ui_Form1.h"

#include "core/Error.h"
#include "gedcom/FamilyTreeReader.h"
#include "shell/family/FamilyFileDialog.h"
#include "shell/shared/ApplicationEnd.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/ApplicationIcon.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/FileRoutines.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/TrappedHandler.h"
#include "shell/shared/WebSite.h"
#include "shell/shared/WindowColours.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTimer>

namespace shell {
namespace {

const QString application = QString::fromLatin1(kSettingsApplication);
const QString section = QString::fromLatin1(kSettingsSection);
const QString sampleRootName = QStringLiteral("Halvarsen");
const QString sampleGenerationCount = QString::number(5);

// Sets a box's text and stores it, also when the box shows that text
// already, which the box does not count as a change.
void setAndStore(QLineEdit& box, const QString& key, const QString& text) {
    const bool unchanged = box.text() == text;
    box.setText(text);
    if (unchanged) saveSettingLater(application, section, key, text);
}

// The family file a drag carries: one local file named .ged or .gdz.
QString familyFileIn(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return gedcom::isFamilyFileName(path) ? path : QString();
}

} // namespace

bool selectsAllOnFocus(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: return true;
    default: return false;
    }
}

Form1::Form1(QWidget* parent) : FormBase(parent), m_ui(std::make_unique<Ui::Form1>()) {
    m_ui->setupUi(this);
    finishDesignedLayout();

    connect(m_ui->PushButton1, &QPushButton::clicked, this, unlessBusy(&Form1::PushButton1_Click));
    connect(m_ui->PushButton6, &QPushButton::clicked, this, unlessBusy(&Form1::PushButton6_Click));
    connect(m_ui->PushButton7, &QPushButton::clicked, this, unlessBusy(&Form1::PushButton7_Click));
    connect(m_ui->Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(m_ui->Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);

    trackHoverPointer({m_ui->PushButton1, m_ui->PushButton6, m_ui->PushButton7}, {m_ui->Frame1, m_ui->Frame2});
    watchMenuRequests();

    // Family files: what the last run used comes back (read before the
    // start-up stores the inputs, so that it waits for no write of theirs),
    // the context menu and drops open others, and typing a root name goes
    // back to blank charts.
    m_family.restore();

    Form_Load();

    addFamilyActions();
    connect(&m_family, &FamilyFileUse::changed, this, &Form1::showFamilyFileInCaption);
    connect(m_ui->Text1, &QLineEdit::textEdited, &m_family, &FamilyFileUse::forget);
    setAcceptDrops(true);

    // Typing starts in the root name, replacing it.
    m_ui->Text1->setFocus(Qt::OtherFocusReason);
    m_ui->Text1->selectAll();
}

Form1::~Form1() = default;

void Form1::setPreviewWindowProvider(std::function<chart::PreviewWindow&()> provider) {
    m_previewWindow = std::move(provider);
}

QString Form1::rootName() const { return m_ui->Text1->text(); }

QString Form1::generationCountText() const { return m_ui->Text2->text(); }

void Form1::focusGenerationCount() {
    m_ui->Text2->setFocus();
    m_ui->Text2->selectAll(); // also where no focus event arrives (a window not yet active)
}

chart::PreviewWindow& Form1::previewWindow() {
    if (!m_previewWindow)
        throw core::Error(core::ErrorKind::StepFailed, QT_TRANSLATE_NOOP("core::Error", "There is no preview window."));
    return m_previewWindow();
}

void Form1::Form_Load() {
    TrappedHandler h(ProcedurePath::Form1_Form_Load);
    h.step(102, [&] { ApplySkin(*this, m_skin); });
    h.step(104, [&] {
        setWindowTitle(QString::fromLatin1(kProductDisplayName));
        setWindowIcon(applicationIcon());
        SetApplicationTitle();
    });
    loadHandCursor(h, 106, 108);
    h.step(110, [&] { MaybeOpenWebSite(); });
    h.step(128,
           [&] { m_ui->Text1->setText(getSetting(application, section, QStringLiteral("Text1"), sampleRootName)); });
    h.step(130, [&] {
        m_ui->Text2->setText(getSetting(application, section, QStringLiteral("Text2"), sampleGenerationCount));
    });
}

void Form1::PushButton1_Click() {
    const QScopedValueRollback running(m_buildRunning, true);
    // A family file still being read from the last run is waited for;
    // stopping its reading stops the build too.
    if (!m_family.waitForRestore()) return;
    chart::runChartBuild(*this);
}

void Form1::PushButton6_Click() {
    TrappedHandler h(ProcedurePath::Form1_PushButton6_Click);
    h.step(100, [] {
        MsgBox(tr("Questions? Please contact Team Brenvik at %1").arg(QLatin1String(kContactPageAddress)), vbOKOnly,
               applicationTitle());
    });
}

void Form1::PushButton7_Click() {
    m_family.forget(); // the sample is a blank chart
    TrappedHandler h(ProcedurePath::Form1_PushButton7_Click);
    h.step(100, [&] { setAndStore(*m_ui->Text1, QStringLiteral("Text1"), sampleRootName); });
    h.step(102, [&] { setAndStore(*m_ui->Text2, QStringLiteral("Text2"), sampleGenerationCount); });
}

// Stored at every change without waiting for the file; typing goes on when
// the store cannot be written.
void Form1::Text1_Change() { saveSettingLater(application, section, QStringLiteral("Text1"), m_ui->Text1->text()); }

void Form1::Text2_Change() { saveSettingLater(application, section, QStringLiteral("Text2"), m_ui->Text2->text()); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (takesDrag(event) || menuRequested(watched, event)) return true;
    if (event->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && selectsAllOnFocus(static_cast<QFocusEvent*>(event)->reason())) box->selectAll();
    }
    return FormBase::eventFilter(watched, event);
}

QAction* Form1::addMenuAction(const QString& text, const char* name, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    addAction(action); // the shortcut works without the menu, from every control
    m_menuActions.append(action);
    return action;
}

// A build run lets pending events through; a click (or Space or Enter on a
// button, or a menu item) that arrives then is ignored, so no run starts
// inside it.
std::function<void()> Form1::unlessBusy(void (Form1::*handler)()) {
    return [this, handler] {
        if (!m_buildRunning) (this->*handler)();
    };
}

// The window's menu, one line an item.
void Form1::addFamilyActions() {
    connect(addMenuAction(tr("Fill from a Family File…"), "FillFromFamilyFile", QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, unlessBusy(&Form1::fillFromFamilyFile));
    m_numbersAction =
        addMenuAction(tr("Ancestor Numbers in the Boxes"), "AncestorNumbers", QKeySequence(Qt::CTRL | Qt::Key_N));
    m_numbersAction->setCheckable(true);
    m_numbersAction->setChecked(m_family.ancestorNumbers());
    connect(m_numbersAction, &QAction::toggled, &m_family, &FamilyFileUse::setAncestorNumbers);

    // Shift+F10 opens the menu of the control with the focus, as the Menu key does.
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("ContextMenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] { openMenuFromKeyboard(focusWidget()); });
    addAction(menuKey);

    // Nothing else on the window says that family files exist.
    const QString routes = tr("Right-click or Ctrl+O: fill the chart from a family file (.ged)");
    m_ui->Frame1->setToolTip(routes);
    m_ui->Text1->setToolTip(routes);
}

// Every control of the window opens its menu: the buttons and frames keep
// their mouse events to themselves, so the window would never see the
// request. A text box keeps its own edit menu, the window's items below it.
void Form1::watchMenuRequests() {
    const auto controls = findChildren<QWidget*>();
    for (QWidget* control : controls) control->installEventFilter(this);
}

bool Form1::menuRequested(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control || control->window() != this) return false;
    if (event->type() == QEvent::ContextMenu) {
        showMenu(control, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu) {
        openMenuFromKeyboard(control);
        return true;
    }
    return false;
}

// From the keyboard the menu opens at the caret of a text box, or in the
// middle of any other control.
void Form1::openMenuFromKeyboard(QWidget* control) {
    if (!control || control->window() != this) control = this;
    auto* box = qobject_cast<QLineEdit*>(control);
    const QPoint at = box ? box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center() : control->rect().center();
    showMenu(control, control->mapToGlobal(at));
}

void Form1::showMenu(QWidget* over, const QPoint& globalPos) {
    if (m_buildRunning) return;
    auto* box = qobject_cast<QLineEdit*>(over);
    const std::unique_ptr<QMenu> menu(box ? box->createStandardContextMenu() : new QMenu(this));
    menu->setObjectName(QStringLiteral("FamilyMenu"));
    if (box) menu->addSeparator();
    menu->addActions(m_menuActions);
    menu->exec(globalPos);
}

void Form1::contextMenuEvent(QContextMenuEvent* event) { showMenu(this, event->globalPos()); }

void Form1::fillFromFamilyFile() {
    const QString path = chooseFamilyFile(this, m_family.lastFile());
    if (!path.isEmpty()) openFamilyFile(path);
}

void Form1::openFamilyFile(const QString& path) {
    if (m_buildRunning) return;
    // The reading lets events through before its progress shows: the
    // buttons wait for the choice as they wait for a build.
    const QScopedValueRollback busy(m_buildRunning, true);
    const FamilyChoice* choice = m_family.open(path, m_ui->Text1->text());
    if (!choice) return;
    m_ui->Text1->setText(choice->personName);
    m_ui->Text2->setText(QString::number(choice->knownGenerations));
}

void Form1::showFamilyFileInCaption() {
    const QString product = QString::fromLatin1(kProductDisplayName);
    const FamilyChoice* choice = m_family.choice();
    setWindowTitle(choice ? QFileInfo(choice->filePath).fileName() + QStringLiteral(" – ") + product : product);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_buildRunning && !familyFileIn(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString path = familyFileIn(event->mimeData());
    if (path.isEmpty() || m_buildRunning) return;
    event->acceptProposedAction();
    // The drop ends first: the program the file came from waits for it.
    QTimer::singleShot(0, this, [this, path] { openFamilyFile(path); });
}

bool Form1::takesDrag(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    if (familyFileIn(drop->mimeData()).isEmpty()) return false;
    if (type == QEvent::Drop)
        dropEvent(drop);
    else if (!m_buildRunning)
        drop->acceptProposedAction();
    return true;
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    endApplication();
}

} // namespace shell
