#include "Form2.h"

#include "ui_Form2.h"

#include "preview/ViewerArithmetic.h"
#include "preview/ZoomCanvas.h"

#include "chart/ChartFileExport.h"
#include "chart/FileFormats.h"
#include "chart/PictureExport.h"

#include "core/Error.h"
#include "files/FileReplacement.h"
#include "files/Paths.h"
#include "shell/shared/ApplicationEnd.h"
#include "shell/shared/ApplicationIcon.h"
#include "shell/shared/FileRoutines.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/PrintDialog.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/RoundHalfEven.h"
#include "shell/shared/TrappedHandler.h"
#include "shell/shared/WindowColours.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace preview {

using shell::TrappedHandler;
using shell::ProcedurePath::Form2_Form_Activate;
using shell::ProcedurePath::Form2_Form_Load;
using shell::ProcedurePath::Form2_mnuPrint_Click;
using shell::ProcedurePath::Form2_PushButton1_Click;
using shell::ProcedurePath::Form2_PushButton2_Click;
using shell::ProcedurePath::Form2_PushButton6_Click;
using shell::ProcedurePath::Form2_PushButton8_Click;

Form2::Form2(QWidget* parent) : FormBase(parent), m_ui(std::make_unique<Ui::Form2>()) {
    m_ui->setupUi(this);
    finishDesignedLayout();
    // A designer file holds whole point sizes only; the picture boxes' face is 8.25 pt.
    for (QWidget* pictureBox : std::initializer_list<QWidget*>{m_ui->Picture2, m_ui->Picture1}) {
        QFont face = pictureBox->font();
        face.setPointSizeF(8.25);
        pictureBox->setFont(face);
    }

    connect(m_ui->PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(m_ui->PushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(m_ui->PushButton6, &QPushButton::clicked, this, &Form2::PushButton6_Click);
    connect(m_ui->PushButton8, &QPushButton::clicked, this, &Form2::PushButton8_Click);
    // The picture moves when a thumb is let go, not while it is dragged.
    for (QScrollBar* bar : {m_ui->HScroll1, m_ui->VScroll1}) bar->setTracking(false);
    connect(m_ui->HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(m_ui->VScroll1, &QScrollBar::valueChanged, this, &Form2::VScroll1_Change);
    m_ui->Picture1->installEventFilter(this);
    m_ui->Picture2->installEventFilter(this);
    buildPictureMenu();

    trackHoverPointer({m_ui->PushButton1, m_ui->PushButton2, m_ui->PushButton6, m_ui->PushButton8}, {m_ui->Frame1});

    Form_Load();
}

Form2::~Form2() = default;

void Form2::setPicture(const spreadsheet::VectorPicture& picture) {
    m_wholeChart = false;
    m_openingCells.reset();
    m_ui->Picture1->assignPicture(picture);
    // A new chart: the store, base size, zoom and scroll ranges of the last
    // one must not carry over.
    mFirstActivate = true;
}

void Form2::openOn(const QRect& cells) { m_openingCells = cells; }

void Form2::setExcelFile(const QString& path) {
    m_excelFile = path;
    m_heldWorkbook = path.isEmpty() ? chart::TemporaryFile() : chart::TemporaryFile(path);
}

void Form2::deleteExcelFile() {
    shell::DeleteFileQuietly(mExcelFile);
    // What the quiet deletion leaves (a file made read-only) stays, unheld.
    m_heldWorkbook.handOver();
    m_heldWorkbook = {};
}

void Form2::Show() {
    show();
    raise();
    activateWindow();
    // Activation arrives later, or not at all on some platforms; the set-up
    // runs once either way.
    Form_Activate();
}

void Form2::setShowMainWindow(std::function<void()> show) { m_showMainWindow = std::move(show); }

void Form2::Form_Load() {
    TrappedHandler h(Form2_Form_Load);
    h.step(100, [&] { shell::SetButtonFaceColors(*this); });
    h.step(104, [&] { setWindowIcon(shell::applicationIcon()); });
    loadHandCursor(h, 106, 108);
    h.step(110, [&] { mFirstActivate = true; });
}

void Form2::changeEvent(QEvent* event) {
    FormBase::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void Form2::Form_Activate() {
    TrappedHandler h(Form2_Form_Activate);
    if (h.test(100, [&] { return mFirstActivate; })) {
        ZoomCanvas& canvas = *m_ui->Picture1;
        SheetPictureBox& store = *m_ui->Zoom_Ori;
        // The canvas and the store measure in pixels and keep their own
        // image, as every widget here does: those steps have nothing to do.
        h.step(104, [] {});
        h.step(106, [] {});
        h.step(108, [&] { canvas.setAutoSize(true); });
        h.step(112, [&] { shell::setBackColor(canvas, Qt::white); });
        h.step(116, [] {});
        h.step(118, [] {});
        h.step(120, [&] { store.hide(); });
        h.step(122, [&] { store.resize(canvas.width(), store.height()); });
        h.step(124, [&] { store.resize(store.width(), canvas.height()); });
        h.step(126, [&] { store.setSheetPicture(canvas.sheetPicture()); });
        h.step(128, [&] { mZoom = 1.0f; });
        // The store is as large as the auto-sized canvas; less the canvas's
        // margin that is the picture's own size.
        h.step(130, [&] { mBaseWidth = shell::roundHalfEvenToInt(store.width() - ZoomCanvas::kAutoSizeMargin); });
        h.step(132, [&] { mBaseHeight = shell::roundHalfEvenToInt(store.height() - ZoomCanvas::kAutoSizeMargin); });
        h.step(134, [&] { mZoomWidth = zoomedLength(1.0f, mBaseWidth); });
        h.step(136, [&] { mZoomHeight = zoomedLength(1.0f, mBaseHeight); });
        h.step(138, [&] { ApplyZoom(); });
        h.step(140, [&] {
            SetupScrollbars();
            scrollToOpeningCells();
        });
    }
    h.step(142, [&] { mFirstActivate = false; });
}

void Form2::PushButton1_Click() {
    TrappedHandler h(Form2_PushButton1_Click);
    h.step(100, [&] { StepZoom(false); });
}

void Form2::PushButton2_Click() {
    TrappedHandler h(Form2_PushButton2_Click);
    h.step(100, [&] { StepZoom(true); });
}

// A step passes over factors whose picture would reach a cap, so a chart
// over a cap still steps out and back in to its full size. From the
// whole-chart view, which is smaller than any step, only a step in leads
// back to the steps.
void Form2::StepZoom(bool zoomOut) {
    if (m_wholeChart) {
        if (zoomOut) return;
        if (const std::optional<float> next = zoomInFromWholeChart(m_wholeFactor, mBaseWidth, mBaseHeight))
            SetZoom(*next);
        return;
    }
    if (const std::optional<float> next = nextZoomFactor(mZoom, zoomOut, mBaseWidth, mBaseHeight)) SetZoom(*next);
}

void Form2::SetZoom(float newZoom) {
    if (newZoom < kZoomMinimum || newZoom > kZoomMaximum) return;
    mZoom = newZoom;
    ApplyZoom();
    // The ranges follow the zoomed size, so every part of it can be reached.
    SetupScrollbars();
}

void Form2::ApplyZoom() {
    mZoomWidth = zoomedLength(mZoom, mBaseWidth);
    mZoomHeight = zoomedLength(mZoom, mBaseHeight);
    if (!zoomShows(mZoom, mBaseWidth, mBaseHeight)) return; // the canvas keeps what it shows
    m_wholeChart = false;
    ZoomCanvas& canvas = *m_ui->Picture1;
    canvas.clearPicture();
    canvas.resize(mZoomWidth, mZoomHeight);
    canvas.drawStretched(m_ui->Zoom_Ori->sheetPicture(), QRect(0, 0, mBaseWidth, mBaseHeight));
    setMousePointer(shell::vbDefault);
    m_ui->HScroll1->setValue(0);
    m_ui->VScroll1->setValue(0);
    m_ui->HScroll1->setEnabled(m_ui->Picture2->width() < mZoomWidth);
    m_ui->VScroll1->setEnabled(m_ui->Picture2->height() < mZoomHeight);
}

namespace {

void setUpBar(QScrollBar& bar, const ScrollRange& range, qint16& step) {
    bar.setEnabled(range.enabled);
    if (!range.enabled) {
        step = 0;
        return;
    }
    bar.setMaximum(range.maximum);
    step = range.step;
    bar.setValue(0);
}

} // namespace

void Form2::SetupScrollbars() {
    ZoomCanvas& canvas = *m_ui->Picture1;
    canvas.move(0, 0);
    setUpBar(*m_ui->HScroll1, scrollRangeFor(canvas.width(), m_ui->Picture2->width()), mHStep);
    setUpBar(*m_ui->VScroll1, scrollRangeFor(canvas.height(), m_ui->Picture2->height()), mVStep);
}

// The bars bring the cells to the middle of the viewport, as far as they
// reach; cells wider (taller) than the viewport show from their start.
void Form2::scrollToOpeningCells() {
    if (!m_openingCells) return;
    const spreadsheet::VectorPicture& picture = m_ui->Zoom_Ori->sheetPicture();
    if (picture.isNull()) return;
    // At zoom 1.0 the canvas shows the picture at its own size, which is
    // the sheet's unless scaled down.
    const QSizeF scale(double(picture.size().width()) / picture.sheetSize().width(),
                       double(picture.size().height()) / picture.sheetSize().height());
    const QRect area = picture.cellArea(*m_openingCells);
    const QWidget& viewport = *m_ui->Picture2;
    // The middle of the cells, or of their first viewport's length.
    const auto barValue = [](const QScrollBar& bar, int start, int length, int viewportLength, double factor,
                             int canvasLength, int step) {
        const double spot = (start + std::min<double>(length, viewportLength / factor) / 2) * factor;
        return barValueCentring(spot, canvasLength, canvasLength, viewportLength, step, bar.maximum());
    };
    QScrollBar& h = *m_ui->HScroll1;
    QScrollBar& v = *m_ui->VScroll1;
    const int hValue = barValue(h, area.left(), area.width(), viewport.width(), scale.width(), mZoomWidth, mHStep);
    const int vValue = barValue(v, area.top(), area.height(), viewport.height(), scale.height(), mZoomHeight, mVStep);
    h.setValue(hValue);
    v.setValue(vValue);
}

void Form2::HScroll1_Change() { m_ui->Picture1->move(-(mHStep * m_ui->HScroll1->value()), m_ui->Picture1->y()); }

void Form2::VScroll1_Change() { m_ui->Picture1->move(m_ui->Picture1->x(), -(mVStep * m_ui->VScroll1->value())); }

void Form2::Picture1_MouseDown(const QPointF& position) {
    mDragX = static_cast<float>(position.x());
    mDragY = static_cast<float>(position.y());
}

// The grabbed point stays under the pointer: the position is measured on the
// canvas, which moves with the drag.
void Form2::Picture1_MouseMove(const QPointF& position) {
    const ZoomCanvas& canvas = *m_ui->Picture1;
    const QWidget& viewport = *m_ui->Picture2;
    const int newLeft = clampCanvasOffset(canvas.x() - mDragX + position.x(), viewport.width(), canvas.width());
    const int newTop = clampCanvasOffset(canvas.y() - mDragY + position.y(), viewport.height(), canvas.height());
    m_ui->Picture1->move(newLeft, newTop);
}

// The bars catch up with a drag; the canvas then settles on their grid.
void Form2::Picture1_MouseUp() {
    const ZoomCanvas& canvas = *m_ui->Picture1;
    const QWidget& viewport = *m_ui->Picture2;
    const std::optional<int> hPercent = scrolledPercent(canvas.x(), canvas.width(), viewport.width());
    const std::optional<int> vPercent = scrolledPercent(canvas.y(), canvas.height(), viewport.height());
    if (hPercent) SetHScrollbarByPercent(*m_ui->HScroll1, *hPercent);
    if (vPercent) SetVScrollbarByPercent(*m_ui->VScroll1, *vPercent);
}

void Form2::SetHScrollbarByPercent(QScrollBar& bar, int percent) {
    if (const std::optional<int> value = scrollValueAtPercent(percent, bar.maximum())) bar.setValue(*value);
}

void Form2::SetVScrollbarByPercent(QScrollBar& bar, int percent) { SetHScrollbarByPercent(bar, percent); }

// Everything the picture offers beyond the buttons, in one menu; its
// shortcuts work anywhere in the window.
void Form2::buildPictureMenu() {
    m_pictureMenu = new QMenu(this);
    m_pictureMenu->setObjectName(QStringLiteral("PictureMenu"));
    QAction* wholeChart = m_pictureMenu->addAction(tr("Whole Chart"), this, &Form2::showWholeChart);
    wholeChart->setObjectName(QStringLiteral("WholeChart"));
    wholeChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m_pictureMenu->addSeparator();
    QAction* print = m_pictureMenu->addAction(tr("Print…"), this, &Form2::mnuPrint_Click);
    print->setObjectName(QStringLiteral("mnuPrint"));
    print->setShortcut(QKeySequence::Print);
    addActions(m_pictureMenu->actions());
}

// The chart fitted into the viewport, outside the zoom steps: the factor
// stays what it was, and the bars go back to the start, which brings the
// canvas there, and then off, as the canvas fits.
void Form2::showWholeChart() {
    const spreadsheet::VectorPicture& picture = m_ui->Zoom_Ori->sheetPicture();
    if (picture.isNull() || mBaseWidth <= 0 || mBaseHeight <= 0) return;
    const QWidget& viewport = *m_ui->Picture2;
    const WholeChartView whole = wholeChartView(mBaseWidth, mBaseHeight, viewport.width(), viewport.height());
    m_wholeFactor = whole.factor;
    ZoomCanvas& canvas = *m_ui->Picture1;
    canvas.clearPicture();
    canvas.resize(whole.width, whole.height);
    canvas.drawStretched(picture, QRect(0, 0, mBaseWidth, mBaseHeight));
    m_wholeChart = true;
    m_ui->HScroll1->setValue(0);
    m_ui->VScroll1->setValue(0);
    SetupScrollbars();
}

// A click on the whole-chart view, the pointer kept still, zooms in there;
// anywhere else a click is the start and end of a drag, as ever.
void Form2::pictureClick(const QMouseEvent& event) {
    if (!m_wholeChart || event.button() != Qt::LeftButton) return;
    if ((event.position() - QPointF(mDragX, mDragY)).manhattanLength() > QApplication::startDragDistance()) return;
    zoomInAt(event.position());
}

// As "Zoom In" does from the whole-chart view, and then the bars bring the
// spot to the middle of the viewport, as far as they reach.
void Form2::zoomInAt(const QPointF& onCanvas) {
    const QSize whole = m_ui->Picture1->size();
    StepZoom(false);
    if (m_wholeChart) return; // no zoom step shows
    const QSize zoomed = m_ui->Picture1->size();
    const QPointF spot = onCanvas + QPointF(0.5, 0.5); // the middle of the pixel clicked
    const QWidget& viewport = *m_ui->Picture2;
    QScrollBar& h = *m_ui->HScroll1;
    QScrollBar& v = *m_ui->VScroll1;
    h.setValue(barValueCentring(spot.x(), whole.width(), zoomed.width(), viewport.width(), mHStep, h.maximum()));
    v.setValue(barValueCentring(spot.y(), whole.height(), zoomed.height(), viewport.height(), mVStep, v.maximum()));
}

namespace {

// A wheel moves a bar as many arrow steps a notch as the desktop's wheel
// setting says; away from the user (or to the left) is back. A bar that is
// off (the picture fits) stays.
void scrollByNotches(QScrollBar& bar, int notches) {
    if (notches == 0 || !bar.isEnabled()) return;
    bar.setValue(bar.value() - notches * QApplication::wheelScrollLines() * bar.singleStep());
}

} // namespace

// The picture moves only through the bars' values, as their own arrows move
// it; Ctrl steps the zoom as the buttons do, a step a notch.
void Form2::pictureWheel(const QWheelEvent& event) {
    const QPoint delta = event.angleDelta();
    if (event.modifiers() & Qt::ControlModifier) {
        const int notches = m_zoomWheel.add(delta.y());
        for (int i = 0; i < std::abs(notches); ++i) notches > 0 ? PushButton1_Click() : PushButton2_Click();
        return;
    }
    if (event.modifiers() & Qt::ShiftModifier) {
        scrollByNotches(*m_ui->HScroll1, m_horizontalWheel.add(delta.y() != 0 ? delta.y() : delta.x()));
        return;
    }
    scrollByNotches(*m_ui->VScroll1, m_verticalWheel.add(delta.y()));
    scrollByNotches(*m_ui->HScroll1, m_horizontalWheel.add(delta.x()));
}

// The keys move the picture only through the bars' values, as the wheel
// does; a bar that is off stays at 0.
bool Form2::pictureKey(const QKeyEvent& key) {
    const QWidget& viewport = *m_ui->Picture2;
    const auto state = [](const QScrollBar& bar, int viewportLength, int step) {
        return BarKeyState{bar.value(), bar.isEnabled() ? bar.maximum() : 0,
                           step > 0 ? std::max(1, viewportLength / step) : 1};
    };
    QScrollBar& h = *m_ui->HScroll1;
    QScrollBar& v = *m_ui->VScroll1;
    const std::optional<BarValues> to = barValuesForKey(key.key(), key.modifiers() & Qt::ControlModifier,
                                                        state(h, viewport.width(), mHStep),
                                                        state(v, viewport.height(), mVStep));
    if (!to) return false;
    h.setValue(to->horizontal);
    v.setValue(to->vertical);
    return true;
}

void Form2::PushButton6_Click() {
    TrappedHandler h(Form2_PushButton6_Click);
    QString chosen;
    int answer = 0;
    h.step(106, [&] { CommonDialog1.fileName.clear(); });
    h.step(108, [&] { CommonDialog1.dialogTitle = tr("Save File"); });
    h.step(110, [&] {
        CommonDialog1.filter = chart::saveDialogFilter();
        CommonDialog1.filterIndex = 1;
    });
    h.step(112, [&] { CommonDialog1.showSave(this); });
    h.step(114, [&] { chosen = CommonDialog1.fileName; });
    if (!h.test(116, [&] { return chosen.isEmpty(); })) {
        if (h.test(118, [&] { return shell::FileExists(chosen) != -1; })) {
            h.step(126, [&] { answer = shell::vbYes; });
        } else {
            h.step(120, [&] {
                answer = shell::MsgBox(tr("Are you sure you wish to overwrite %1 ?").arg(chosen), shell::vbYesNo);
            });
        }
    }
    // The old file is not deleted beforehand: the new one replaces it only
    // once complete, so a failed save leaves the user's file as it was.
    if (h.test(122, [&] { return answer == shell::vbYes; })) h.step(124, [] {});
    bool saved = true;
    if (h.test(128, [&] { return answer == shell::vbYes; })) {
        saved = h.step(130, [&] {
            // Back and closing delete the temporary workbook: a chart saved
            // under its name would not stay.
            if (files::isSameFile(mExcelFile, chosen))
                throw core::Error(
                    core::ErrorKind::StepFailed,
                    QT_TRANSLATE_NOOP("core::Error",
                                      "'%1' is Kinloom's temporary workbook of this chart, which is deleted "
                                      "when you go back or close the preview. Please save under another name."),
                    {chosen});
            // An .xls is the temporary workbook's own bytes; any other format
            // is written from the chart in it.
            files::replaceFile(
                chosen, chart::chartFileBytes(mExcelFile, chart::saveFormatFor(chosen, CommonDialog1.filterIndex)));
        });
    }
    if (saved) h.step(132, [&] { shell::MsgBox(tr("Done.")); });
}

void Form2::PushButton8_Click() {
    TrappedHandler h(Form2_PushButton8_Click);
    h.step(102, [&] { deleteExcelFile(); });
    h.step(104, [&] {
        if (m_showMainWindow) m_showMainWindow();
    });
    h.step(106, [&] { hide(); });
}

// The chart as the PDF lays it out, on the printer the user chooses: A4
// landscape unless they choose another page. A cancelled dialog prints nothing.
void Form2::mnuPrint_Click() {
    TrappedHandler h(Form2_mnuPrint_Click);
    QPrinter printer(QPrinter::HighResolution);
    bool chosen = false;
    h.step(100, [&] {
        printer.setPageLayout(chart::chartPageLayout());
        printer.setDocName(tr("Kinloom chart"));
    });
    h.step(102, [&] { chosen = shell::showPrintDialog(printer, this); });
    if (!chosen) return;
    h.step(104, [&] {
        // The store keeps the picture at its own size; the canvas holds only what shows.
        if (!chart::paintOnPages(m_ui->Zoom_Ori->sheetPicture(), printer))
            throw core::Error(core::ErrorKind::StepFailed,
                              QT_TRANSLATE_NOOP("core::Error", "The chart could not be printed on %1."),
                              {printer.printerName()});
    });
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->Picture1 || watched == m_ui->Picture2) {
        if (event->type() == QEvent::Wheel) {
            pictureWheel(*static_cast<QWheelEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            m_pictureMenu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
    }
    if (watched == m_ui->Picture2 && event->type() == QEvent::KeyPress && pictureKey(*static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == m_ui->Picture1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: Picture1_MouseDown(static_cast<QMouseEvent*>(event)->position()); return true;
        case QEvent::MouseMove:
            if (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton)
                Picture1_MouseMove(static_cast<QMouseEvent*>(event)->position());
            return true;
        case QEvent::MouseButtonRelease:
            Picture1_MouseUp();
            pictureClick(*static_cast<QMouseEvent*>(event));
            return true;
        default: break;
        }
    }
    return FormBase::eventFilter(watched, event);
}

void Form2::closeEvent(QCloseEvent* event) {
    deleteExcelFile();
    // Events waiting now are delivered twice before the close goes ahead, as
    // the close flow always did: whatever the user did meanwhile runs before
    // the application ends.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    event->accept();
    shell::endApplication();
}

} // namespace preview
