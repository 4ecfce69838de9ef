#include "Form1.h"

#include "ui_Form1.h"

#include "shell/ApplicationEnd.h"
#include "shell/ApplicationFolders.h"
#include "shell/ApplicationIcon.h"
#include "shell/ApplicationTitle.h"
#include "shell/Failure.h"
#include "shell/FileRoutines.h"
#include "shell/MessageBox.h"
#include "shell/PointerShape.h"
#include "shell/ProcedurePaths.h"
#include "shell/SettingsStore.h"
#include "shell/TrappedHandler.h"
#include "shell/WebSite.h"
#include "shell/WindowColours.h"

#include <QCloseEvent>
#include <QScopedValueRollback>

namespace shell {
namespace {

const QString application = QString::fromLatin1(SettingsApplication);
const QString section = QString::fromLatin1(SettingsSection);
const QString sampleRootName = QStringLiteral("Halvarsen");
const QString sampleGenerationCount = QString::number(5);


} // namespace

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

    // The pointer follows moves over the buttons and the background without
    // a mouse button held down. A move over a control is that control's
    // alone: passed on to the window it would turn the hand back at once.
    setMouseTracking(true);
    for (QWidget* watched : {static_cast<QWidget*>(m_ui->PushButton1), static_cast<QWidget*>(m_ui->PushButton6),
                             static_cast<QWidget*>(m_ui->PushButton7), static_cast<QWidget*>(m_ui->Frame1),
                             static_cast<QWidget*>(m_ui->Frame2)}) {
        watched->setMouseTracking(true);
        watched->setAttribute(Qt::WA_NoMousePropagation);
        watched->installEventFilter(this);
    }
    m_ui->Text1->installEventFilter(this);
    m_ui->Text2->installEventFilter(this);

    Form_Load();
}

Form1::~Form1() = default;

void Form1::setPreviewWindowProvider(std::function<chart::PreviewWindow&()> provider) {
    m_previewWindow = std::move(provider);
}

QString Form1::rootName() const { return m_ui->Text1->text(); }

QString Form1::generationCountText() const { return m_ui->Text2->text(); }

void Form1::focusGenerationCount() {
    m_ui->Text2->setFocus();
    m_ui->Text2->selectAll();  // also where no focus event arrives (a window not yet active)
}

chart::PreviewWindow& Form1::previewWindow() {
    if (!m_previewWindow) throw Failure(QStringLiteral("There is no preview window."));
    return m_previewWindow();
}

void Form1::Form_Load() {
    TrappedHandler h(ProcedurePath::Form1_Form_Load);
    h.step(102, [&] { ApplySkin(*this, m_skin); });
    h.step(104, [&] {
        setWindowTitle(QString::fromLatin1(ProductDisplayName));
        setWindowIcon(ApplicationIcon());
        SetApplicationTitle();
    });
    const QString cursorFile = ApplicationFilePath(QStringLiteral("HAND-M.CUR"));
    if (h.test(106, [&] { return FileExists(cursorFile) == -1; }))
        h.step(108, [&] { setMouseIcon(LoadCursorPicture(cursorFile)); });
    h.step(110, [&] { MaybeOpenWebSite(); });
    h.step(128, [&] { m_ui->Text1->setText(GetSetting(application, section, QStringLiteral("Text1"), sampleRootName)); });
    h.step(130, [&] {
        m_ui->Text2->setText(GetSetting(application, section, QStringLiteral("Text2"), sampleGenerationCount));
    });
}

void Form1::PushButton1_Click() {
    const QScopedValueRollback running(m_buildRunning, true);
    chart::runChartBuild(*this);
}

void Form1::PushButton6_Click() {
    TrappedHandler h(ProcedurePath::Form1_PushButton6_Click);
    h.step(100, [] {
        MsgBox(QStringLiteral("Questions? Please contact Team Brenvik at ") + QLatin1String(ContactPageAddress), vbOKOnly,
               ApplicationTitle());
    });
}

void Form1::PushButton7_Click() {
    TrappedHandler h(ProcedurePath::Form1_PushButton7_Click);
    h.step(100, [&] { m_ui->Text1->setText(sampleRootName); });
    h.step(102, [&] { m_ui->Text2->setText(sampleGenerationCount); });
}

// Stored at every change without waiting for the file; typing goes on when
// the store cannot be written.
void Form1::Text1_Change() { SaveSettingLater(application, section, QStringLiteral("Text1"), m_ui->Text1->text()); }

void Form1::Text2_Change() { SaveSettingLater(application, section, QStringLiteral("Text2"), m_ui->Text2->text()); }

// The hourglass of a running build stays whatever the pointer passes over.
void Form1::showHoverPointer() {
    if (mousePointer() != vbHourglass) setMousePointer(vbCustom);
}

void Form1::showDefaultPointer() {
    if (mousePointer() != vbHourglass) setMousePointer(vbDefault);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    showDefaultPointer();
    FormBase::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_ui->PushButton1 || watched == m_ui->PushButton6 || watched == m_ui->PushButton7)
            showHoverPointer();
        else if (watched == m_ui->Frame1 || watched == m_ui->Frame2)
            showDefaultPointer();
    } else if (event->type() == QEvent::FocusIn) {
        // Typing into a box that just got the focus replaces its text.
        if (auto* box = qobject_cast<QLineEdit*>(watched)) box->selectAll();
    }
    return FormBase::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    EndApplication();
}

} // namespace shell
