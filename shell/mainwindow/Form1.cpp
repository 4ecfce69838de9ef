#include "Form1.h"

#include "ui_Form1.h"

#include "shell/shared/ApplicationEnd.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/ApplicationIcon.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/Failure.h"
#include "shell/shared/FileRoutines.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/TrappedHandler.h"
#include "shell/shared/WebSite.h"
#include "shell/shared/WindowColours.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QScopedValueRollback>

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

    // A build run lets pending events through; a click (or Space or Enter
    // on a button) that arrives then is ignored, so no run starts inside it.
    const auto unlessBuilding = [this](void (Form1::*handler)()) {
        return [this, handler] {
            if (!m_buildRunning) (this->*handler)();
        };
    };
    connect(m_ui->PushButton1, &QPushButton::clicked, this, unlessBuilding(&Form1::PushButton1_Click));
    connect(m_ui->PushButton6, &QPushButton::clicked, this, unlessBuilding(&Form1::PushButton6_Click));
    connect(m_ui->PushButton7, &QPushButton::clicked, this, unlessBuilding(&Form1::PushButton7_Click));
    connect(m_ui->Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(m_ui->Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);

    trackHoverPointer({m_ui->PushButton1, m_ui->PushButton6, m_ui->PushButton7}, {m_ui->Frame1, m_ui->Frame2});
    m_ui->Text1->installEventFilter(this);
    m_ui->Text2->installEventFilter(this);

    Form_Load();

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
    if (!m_previewWindow) throw Failure(QStringLiteral("There is no preview window."));
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
    chart::runChartBuild(*this);
}

void Form1::PushButton6_Click() {
    TrappedHandler h(ProcedurePath::Form1_PushButton6_Click);
    h.step(100, [] {
        MsgBox(QStringLiteral("Questions? Please contact Team Brenvik at ") + QLatin1String(kContactPageAddress),
               vbOKOnly, applicationTitle());
    });
}

void Form1::PushButton7_Click() {
    TrappedHandler h(ProcedurePath::Form1_PushButton7_Click);
    h.step(100, [&] { setAndStore(*m_ui->Text1, QStringLiteral("Text1"), sampleRootName); });
    h.step(102, [&] { setAndStore(*m_ui->Text2, QStringLiteral("Text2"), sampleGenerationCount); });
}

// Stored at every change without waiting for the file; typing goes on when
// the store cannot be written.
void Form1::Text1_Change() { saveSettingLater(application, section, QStringLiteral("Text1"), m_ui->Text1->text()); }

void Form1::Text2_Change() { saveSettingLater(application, section, QStringLiteral("Text2"), m_ui->Text2->text()); }

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && selectsAllOnFocus(static_cast<QFocusEvent*>(event)->reason())) box->selectAll();
    }
    return FormBase::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    endApplication();
}

} // namespace shell
