#pragma once

#include "chart/BuildRun.h"
#include "chart/TemporaryFiles.h"
#include "preview/ViewerArithmetic.h"
#include "shell/shared/FormBase.h"
#include "shell/shared/SaveFileDialog.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QMenu;
class QScrollBar;
class QWheelEvent;

namespace Ui {
class Form2;
}

namespace preview {

// The preview window: the chart's picture in a viewport with scroll bars,
// zoomed in steps of a quarter and dragged to pan; the buttons that save the
// chart (as a workbook or a picture) or go back; printing (Ctrl+P, or
// "Print…" on the picture's context menu). Building it runs its start-up (Form_Load).
// Closing it removes the temporary workbook and ends the application.
// Beside the buttons: the picture's menu ("Whole Chart", Ctrl+0, fits the
// chart into the viewport, where a click zooms in on the spot), and the mouse wheel over the picture, which
// moves the bars (Shift: the horizontal one) or, with Ctrl, steps the zoom.
// The picture takes the focus (a click or Tab), and then the arrows, Page
// Up, Page Down, Home and End move the bars.
class Form2 : public shell::FormBase, public chart::PreviewWindow {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // The temporary workbook of the chart shown: what a save writes out (as it
    // is, or in another format), and what going back or closing deletes. Set through setExcelFile, which holds it.
    const QString& mExcelFile{m_excelFile};

    // Hands over a chart's picture: the canvas shows it at its own size, and
    // the viewer starts over from it (zoom 1.0, fresh scroll ranges) when the
    // window next becomes active.
    void setPicture(const spreadsheet::VectorPicture& picture) override;
    // The picture handed over opens with these cells in view rather than
    // at its top left corner.
    void openOn(const QRect& cells) override;
    // The workbook handed over is held, and deleted with the window if Back
    // or closing have not deleted it.
    void setExcelFile(const QString& path) override;

    // Shows the window modelessly and makes it the active window; a picture
    // handed over since the last activation is set up at once.
    void Show() override;

    // What "< Back" runs to bring the main window back.
    void setShowMainWindow(std::function<void()> show);

    // Move a bar to a percentage of its maximum; a negative percentage or
    // one that would pass the maximum leaves the bar as it is.
    void SetHScrollbarByPercent(QScrollBar& bar, int percent);
    void SetVScrollbarByPercent(QScrollBar& bar, int percent);

    float zoom() const { return mZoom; }
    // Whether the whole-chart view shows, rather than a zoom step.
    bool showsWholeChart() const { return m_wholeChart; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton6_Click();
    void PushButton8_Click();
    void mnuPrint_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void Picture1_MouseDown(const QPointF& position);
    void Picture1_MouseMove(const QPointF& position);
    void Picture1_MouseUp();
    void StepZoom(bool zoomOut);
    void SetZoom(float newZoom);
    void ApplyZoom();
    void SetupScrollbars();
    void deleteExcelFile();
    void buildPictureMenu();
    void showWholeChart();
    void zoomInAt(const QPointF& onCanvas);
    void pictureClick(const QMouseEvent& event);
    void pictureWheel(const QWheelEvent& event);
    bool pictureKey(const QKeyEvent& key);
    void scrollToOpeningCells();

    // Fields the viewer's arithmetic and the handlers share keep their
    // original names (mZoom, mBaseWidth, ...); the window's own members are
    // named as everywhere else (m_name).
    QString m_excelFile;
    std::unique_ptr<Ui::Form2> m_ui;
    shell::SaveFileDialog CommonDialog1;
    std::function<void()> m_showMainWindow;
    chart::TemporaryFile m_heldWorkbook;
    // The one context menu of the picture (canvas and viewport alike).
    QMenu* m_pictureMenu = nullptr;
    bool m_wholeChart = false;
    std::optional<QRect> m_openingCells;
    double m_wholeFactor = 1.0;
    WheelNotches m_verticalWheel;
    WheelNotches m_horizontalWheel;
    WheelNotches m_zoomWheel;

    float mDragX = 0;
    float mDragY = 0;
    qint16 mHStep = 0;
    qint16 mVStep = 0;
    int mBaseWidth = 0;
    int mBaseHeight = 0;
    int mZoomWidth = 0;
    int mZoomHeight = 0;
    float mZoom = 1.0f;
    bool mFirstActivate = false;
};

} // namespace preview
