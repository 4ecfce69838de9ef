#include "preview/Form2.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "shell/shared/WindowColours.h"

#include "chart/AncestorBoxes.h"
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "spreadsheet/SheetPicture.h"
#include "spreadsheet/Worksheet.h"

#include "PreviewWindow.h"
#include "tests/support/CursorFile.h"
#include "tests/support/ErrorReports.h"
#include "tests/support/SharpLines.h"
#include "tests/support/ShellSandbox.h"

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QWheelEvent>
#include <map>
#include <memory>
#include <tuple>

using namespace shell;
using preview::Form2;

namespace {

spreadsheet::VectorPicture chartOfGenerations(int generations) {
    spreadsheet::Worksheet sheet;
    chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet),
                         chart::BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations)));
    return spreadsheet::pictureOfRange(sheet, sheet.usedRange());
}

class Form2ViewerTest : public ::testing::Test {
protected:
    ShellSandbox sandbox;
    Form2 form;

    QWidget* canvas() { return canvasOf(form); }
    QScrollBar* hBar() { return barOf(form, "HScroll1"); }
    QScrollBar* vBar() { return barOf(form, "VScroll1"); }
    int pointer() const { return form.property("MousePointer").toInt(); }

    void press(QPoint at) { QTest::mousePress(canvas(), Qt::LeftButton, {}, at); }
    void dragTo(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, canvas()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(canvas(), &move);
    }
    void release(QPoint at) { QTest::mouseRelease(canvas(), Qt::LeftButton, {}, at); }
    void wheel(QWidget* over, QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
        QWheelEvent turn(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), angle, Qt::NoButton, modifiers,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &turn);
    }
    void wholeChart() { QTest::keyClick(&form, Qt::Key_0, Qt::ControlModifier); }
};

} // namespace

TEST_F(Form2ViewerTest, ShowsThePictureAtItsOwnSizeWithoutAnyReport) {
    handOver(form, QSize(200, 100));
    EXPECT_EQ(form.zoom(), 1.0f);
    EXPECT_EQ(canvas()->geometry(), QRect(0, 0, 200, 100));
    EXPECT_FALSE(hBar()->isEnabled());
    EXPECT_FALSE(vBar()->isEnabled());
    EXPECT_EQ(canvas()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_FALSE(form.findChild<QWidget*>("Zoom_Ori")->isVisible());
    EXPECT_TRUE(sandbox.messages.shown().empty()); // no cursor file is no failure
}

TEST_F(Form2ViewerTest, ZoomGoesInQuarterStepsBetweenAQuarterAndFour) {
    handOver(form, QSize(201, 100));
    clickButton(form, "PushButton1");
    EXPECT_EQ(form.zoom(), 1.25f);
    EXPECT_EQ(canvas()->size(), QSize(251, 125));
    clickButton(form, "PushButton1", 11);
    EXPECT_EQ(form.zoom(), 4.0f);
    EXPECT_EQ(canvas()->size(), QSize(804, 400));
    clickButton(form, "PushButton1");
    EXPECT_EQ(form.zoom(), 4.0f);

    clickButton(form, "PushButton2", 12);
    EXPECT_EQ(form.zoom(), 1.0f);
    std::vector<float> out;
    for (int i = 0; i < 4; ++i) {
        clickButton(form, "PushButton2");
        out.push_back(form.zoom());
    }
    EXPECT_EQ(out, (std::vector<float>{0.75f, 0.5f, 0.25f, 0.25f}));
    EXPECT_EQ(canvas()->size(), QSize(50, 25));
}

TEST_F(Form2ViewerTest, AStepThatWouldReachACapIsRefusedAndTheFactorStays) {
    handOver(form, QSize(1000, 300));
    clickButton(form, "PushButton1", 11);
    EXPECT_EQ(canvas()->width(), 3750);
    clickButton(form, "PushButton1"); // 4000 wide is not below the cap
    EXPECT_EQ(form.zoom(), 3.75f);
    EXPECT_EQ(canvas()->width(), 3750);
    clickButton(form, "PushButton2");
    EXPECT_EQ(form.zoom(), 3.5f);

    handOver(form, QSize(300, 2250));
    clickButton(form, "PushButton1", 12); // 9000 tall is not below the cap either
    EXPECT_EQ(form.zoom(), 3.75f);
    EXPECT_EQ(canvas()->height(), 8437);

    handOver(form, QSize(999, 2249));
    clickButton(form, "PushButton1", 12);
    EXPECT_EQ(canvas()->size(), QSize(3996, 8996));
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

TEST_F(Form2ViewerTest, PictureOverACapStepsOverFactorsThatDoNotShowAndComesBackToFullSize) {
    handOver(form, QSize(100, 17460)); // a ten-generation chart: over the height cap at 1.0
    std::vector<float> zooms{form.zoom()};
    for (const char* button :
         {"PushButton1", "PushButton2", "PushButton2", "PushButton2", "PushButton1", "PushButton1"}) {
        clickButton(form, button);
        zooms.push_back(form.zoom());
    }
    EXPECT_EQ(zooms, (std::vector<float>{1.0f, 1.0f, 0.5f, 0.25f, 0.25f, 0.5f, 1.0f}));
    EXPECT_EQ(canvas()->size(), QSize(100, 17460)); // the full-size view is back
    EXPECT_TRUE(vBar()->isEnabled());
    EXPECT_EQ(vBar()->maximum(), 1696); // a span of 16,965 in tens, 1696.5 to even
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

TEST_F(Form2ViewerTest, ScrollRangesFollowEveryZoomStep) {
    handOver(form, QSize(722, 596)); // spans 100 and 101
    EXPECT_EQ(hBar()->maximum(), 100);
    EXPECT_EQ(vBar()->maximum(), 10);
    hBar()->setValue(7);
    EXPECT_EQ(canvas()->x(), -7);
    vBar()->setValue(7);
    EXPECT_EQ(canvas()->y(), -70);

    clickButton(form, "PushButton1"); // 902 × 745: spans 280 and 250
    EXPECT_EQ(canvas()->pos(), QPoint(0, 0));
    EXPECT_EQ(hBar()->value(), 0);
    EXPECT_EQ(hBar()->maximum(), 28);
    EXPECT_EQ(vBar()->maximum(), 25);
    hBar()->setValue(7);
    EXPECT_EQ(canvas()->x(), -70);

    clickButton(form, "PushButton2", 2); // 541 × 447 fits
    EXPECT_FALSE(hBar()->isEnabled());
    EXPECT_FALSE(vBar()->isEnabled());
    EXPECT_EQ(canvas()->pos(), QPoint(0, 0));
}

TEST_F(Form2ViewerTest, ThumbMovesThePictureOnlyWhenReleased) {
    handOver(form, QSize(1000, 1000));
    hBar()->setSliderDown(true);
    hBar()->setSliderPosition(5);
    EXPECT_EQ(canvas()->x(), 0);
    hBar()->setSliderDown(false);
    EXPECT_EQ(canvas()->x(), -50);
}

TEST_F(Form2ViewerTest, DragPansWithinTheViewportAndTheBarsCatchUp) {
    handOver(form, QSize(1122, 600)); // horizontal span 500: maximum 50 in tens
    hBar()->setValue(10);
    ASSERT_EQ(canvas()->x(), -100);
    press(QPoint(50, 20));
    dragTo(QPoint(80, 20));
    EXPECT_EQ(canvas()->x(), -70);
    dragTo(QPoint(2000, 20));
    EXPECT_EQ(canvas()->x(), 0);
    dragTo(QPoint(-2000, 20));
    EXPECT_EQ(canvas()->x(), 622 - 1122);
    dragTo(QPoint(50 + 350, 20)); // left -150: 30 % of the way
    ASSERT_EQ(canvas()->x(), -150);
    release(QPoint(50, 20));
    EXPECT_EQ(hBar()->value(), 15);
    EXPECT_EQ(canvas()->x(), -150);
    form.SetHScrollbarByPercent(*hBar(), -5);
    form.SetHScrollbarByPercent(*hBar(), 101);
    EXPECT_EQ(hBar()->value(), 15);

    // A drop whose bar value stays the same leaves the picture where it lies.
    hBar()->setValue(0);
    press(QPoint(10, 10));
    dragTo(QPoint(6, 10));
    release(QPoint(6, 10));
    EXPECT_EQ(hBar()->value(), 0);
    EXPECT_EQ(canvas()->x(), -4);

    // A move without a button held does nothing.
    QMouseEvent hover(QEvent::MouseMove, QPointF(300, 10), canvas()->mapToGlobal(QPointF(300, 10)), Qt::NoButton,
                      Qt::NoButton, {});
    QApplication::sendEvent(canvas(), &hover);
    EXPECT_EQ(canvas()->x(), -4);
}

// Cells handed over open in the middle of the view, to a step of the bars,
// whether they are short or nearly as tall as the view.
TEST_F(Form2ViewerTest, TheCellsAPictureOpensOnStandInTheMiddle) {
    const spreadsheet::VectorPicture picture = chartOfGenerations(8);
    const QRect view = form.findChild<QWidget*>("Picture2")->rect();
    for (const int rows : {1, 16}) {
        const QRect cells(3, 100, 2, rows); // in the picture of B2 on
        form.setPicture(picture);
        form.openOn(cells);
        form.Show();
        const QRect area = picture.cellArea(cells);
        const QPoint middle = area.translated(canvas()->pos()).center();
        EXPECT_NEAR(middle.x(), view.center().x(), 10) << rows;
        EXPECT_NEAR(middle.y(), view.center().y(), 10) << rows;
    }
}

// Down as across: the grabbed point follows the pointer up to each edge, and
// both bars catch up at the drop.
TEST_F(Form2ViewerTest, DragPansDownAsAcrossAndBothBarsCatchUp) {
    handOver(form, QSize(2122, 3000)); // both bars in steps of 10 pixels
    const QWidget* view = form.findChild<QWidget*>("Picture2");
    hBar()->setValue(10);
    vBar()->setValue(10);
    press(QPoint(50, 50));
    // Each position is on the canvas, which has moved with the steps before.
    for (const auto& [to, canvasAt] :
         {std::pair{QPoint(80, 90), QPoint(-70, -60)}, std::pair{QPoint(40, 30), QPoint(-80, -80)},
          std::pair{QPoint(5000, 5000), QPoint(0, 0)},
          std::pair{QPoint(-5000, -5000), QPoint(view->width() - 2122, view->height() - 3000)}}) {
        dragTo(to);
        EXPECT_EQ(canvas()->pos(), canvasAt) << to.x() << "," << to.y();
    }
    release(QPoint(0, 0));
    EXPECT_EQ(hBar()->value(), hBar()->maximum());
    EXPECT_EQ(vBar()->value(), vBar()->maximum());
}

TEST_F(Form2ViewerTest, NarrowPictureDragsAgainstTheFarEdgeAndLeavesTheBarsAlone) {
    handOver(form, QSize(300, 200));
    press(QPoint(10, 10));
    dragTo(QPoint(5, 10));
    EXPECT_EQ(canvas()->pos(), QPoint(322, 295));
    release(QPoint(5, 10));
    EXPECT_EQ(hBar()->value(), 0);
    EXPECT_EQ(canvas()->pos(), QPoint(322, 295));
    press(QPoint(10, 10));
    dragTo(QPoint(20, 20));
    EXPECT_EQ(canvas()->pos(), QPoint(0, 0));
}

TEST_F(Form2ViewerTest, HoverPointersKeepTheHourglassAndAZoomStepResetsIt) {
    handOver(form, QSize(200, 100));
    for (const char* button : {"PushButton1", "PushButton2", "PushButton6", "PushButton8"}) {
        QTest::mouseMove(form.findChild<QWidget*>(button), QPoint(20, 10));
        EXPECT_EQ(pointer(), vbCustom) << button;
        QTest::mouseMove(&form, QPoint(650, 300));
        EXPECT_EQ(pointer(), vbDefault) << button;
    }
    QTest::mouseMove(form.findChild<QWidget*>("PushButton6"), QPoint(20, 10));
    QTest::mouseMove(form.findChild<QWidget*>("Frame1"), QPoint(4, 10));
    EXPECT_EQ(pointer(), vbDefault);

    form.setMousePointer(vbHourglass);
    for (const char* control : {"PushButton1", "PushButton6", "Frame1"}) {
        QTest::mouseMove(form.findChild<QWidget*>(control), QPoint(20, 10));
        EXPECT_EQ(pointer(), vbHourglass) << control;
    }
    QTest::mouseMove(&form, QPoint(650, 300));
    EXPECT_EQ(pointer(), vbHourglass);
    clickButton(form, "PushButton1");
    EXPECT_EQ(pointer(), vbDefault);
}

TEST_F(Form2ViewerTest, EveryHandOverStartsTheViewerAfresh) {
    handOver(form, QSize(1000, 1000));
    clickButton(form, "PushButton1", 2);
    vBar()->setValue(20);
    handOver(form, QSize(700, 300));
    EXPECT_EQ(form.zoom(), 1.0f);
    EXPECT_EQ(canvas()->geometry(), QRect(0, 0, 700, 300));
    EXPECT_EQ(hBar()->maximum(), 78);
    EXPECT_FALSE(vBar()->isEnabled());

    // Becoming active again without a new picture changes nothing.
    clickButton(form, "PushButton1");
    form.Show();
    EXPECT_EQ(form.zoom(), 1.25f);
}

TEST_F(Form2ViewerTest, StartUpLoadsTheCursorFileAndReportsABadOne) {
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), makeCursorFile(3, 4));
    {
        Form2 withCursor;
        ASSERT_TRUE(withCursor.mouseIcon().has_value());
        EXPECT_EQ(withCursor.mouseIcon()->hotSpot(), QPoint(3, 4));
        EXPECT_FALSE(withCursor.windowIcon().isNull());
    }
    EXPECT_TRUE(sandbox.messages.shown().empty());
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), "garbage");
    Form2 badCursor;
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_TRUE(sandbox.messages.shown()[0].text.contains(QStringLiteral("Form2.Form_Load at line 108")));
    handOver(badCursor, QSize(200, 100)); // step 110 still ran: the set-up happens
    EXPECT_EQ(canvasOf(badCursor)->size(), QSize(200, 100));
}

TEST_F(Form2ViewerTest, FailedRedrawOnActivationStillSetsUpTheBarsAndFinishes) {
    {
        const ScopedFaultInjection fault(ProcedurePath::Form2_Form_Activate, 138, "Out of memory");
        handOver(form, QSize(1000, 1000));
    }
    ASSERT_EQ(sandbox.messages.shown().size(), 1u);
    EXPECT_TRUE(sandbox.messages.shown()[0].text.contains(QStringLiteral("at line 138")));
    EXPECT_TRUE(hBar()->isEnabled());
    form.Show(); // the set-up is done; it does not run again
    EXPECT_EQ(sandbox.messages.shown().size(), 1u);
}

TEST_F(Form2ViewerTest, EveryStartUpStepReportsItsOwnNumberAndTheLaterOnesRun) {
    sandbox.writeAppFile(QStringLiteral("HAND-M.CUR"), makeCursorFile(3, 4));
    for (const int step : {100, 104, 106, 108, 110}) {
        SCOPED_TRACE(step);
        sandbox.messages.clear();
        std::unique_ptr<Form2> loaded;
        {
            const ScopedFaultInjection fault(ProcedurePath::Form2_Form_Load, step, "Out of memory");
            loaded = std::make_unique<Form2>();
        }
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.Form_Load", {step}));
        EXPECT_EQ(loaded->palette().color(QPalette::Window) == buttonFaceColor(), step != 100);
        EXPECT_EQ(loaded->mouseIcon().has_value(), step != 108); // a failed test at 106 goes on to load
        handOver(*loaded, QSize(700, 300));
        EXPECT_EQ(canvasOf(*loaded)->size(), QSize(700, 300));
    }
}

TEST_F(Form2ViewerTest, EveryActivationStepReportsItsOwnNumberAndTheLaterOnesRun) {
    for (const int step :
         {100, 104, 106, 108, 112, 116, 118, 120, 122, 124, 126, 128, 130, 132, 134, 136, 138, 140, 142}) {
        SCOPED_TRACE(step);
        sandbox.messages.clear();
        Form2 fresh;
        fresh.setPicture(chartPicture(QSize(1000, 700)));
        {
            const ScopedFaultInjection fault(ProcedurePath::Form2_Form_Activate, step, "Out of memory");
            fresh.Show();
        }
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf("Form2.Form_Activate", {step}));
        // The set-up is done once, unless clearing the flag failed.
        sandbox.messages.clear();
        fresh.Show();
        EXPECT_TRUE(sandbox.messages.shown().empty());
    }
}

TEST_F(Form2ViewerTest, AFailedZoomStepIsReportedAndTheFactorStays) {
    handOver(form, QSize(200, 100));
    for (const auto& [path, button, name] :
         {std::tuple{ProcedurePath::Form2_PushButton1_Click, "PushButton1", "Form2.PushButton1_Click"},
          std::tuple{ProcedurePath::Form2_PushButton2_Click, "PushButton2", "Form2.PushButton2_Click"}}) {
        sandbox.messages.clear();
        const ScopedFaultInjection fault(path, 100, "Out of memory");
        clickButton(form, button);
        EXPECT_EQ(errorReports(sandbox.messages), reportsOf(name, {100}));
        EXPECT_EQ(form.zoom(), 1.0f);
    }
}

// Zoomed four times, a box's top edge is four sharp pixels: at most one
// blended pixel between it and the white above or the fill below.
TEST_F(Form2ViewerTest, AtZoomFourABoxEdgeIsFourSharpPixels) {
    spreadsheet::Worksheet sheet;
    chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet),
                         chart::BuildChartLayout(QStringLiteral("Halvarsen"), QStringLiteral("3")));
    form.setPicture(spreadsheet::pictureOfRange(sheet, sheet.usedRange()));
    form.Show();
    clickButton(form, "PushButton1", 12);
    ASSERT_EQ(form.zoom(), 4.0f);
    // The first box is in column B, row 5: the used range's first column, its fourth row.
    const spreadsheet::PictureGrid grid = spreadsheet::pictureGrid(sheet, sheet.usedRange());
    const int edge = 4 * grid.rowEdges[3];
    const QImage shot = canvas()->grab(QRect(4 * (grid.columnEdges[0] + 80), edge - 12, 1, 28)).toImage();
    QString kinds;
    for (int y = 0; y < shot.height(); ++y) {
        const QColor c = shot.pixelColor(0, y);
        const bool lime = std::abs(c.red() - 153) + std::abs(c.green() - 204) + c.blue() <= 6;
        kinds += c.lightness() >= 250 ? QLatin1Char('w')
            : c.lightness() <= 5      ? QLatin1Char('k')
            : lime                    ? QLatin1Char('g')
                                      : QLatin1Char('b');
    }
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^w+b?k{3,5}b?g+$")).match(kinds).hasMatch()) << kinds.toStdString();
}

// Below its own size, on the scaled-down picture of a 15-generation chart
// at 1.0 and in the whole-chart view, every box line and connector is black
// on whole pixels: nothing grey where a line is thinner than a pixel,
// nothing olive where it meets the fill.
TEST_F(Form2ViewerTest, BoxLinesAndConnectorsStayBlackAtEverySize) {
    std::map<int, spreadsheet::VectorPicture> pictures{{3, chartOfGenerations(3)},
                                                       {5, chartOfGenerations(5)},
                                                       {15, chartOfGenerations(15)}};
    for (const auto& [generations, zoomOutClicks, whole] :
         {std::tuple{3, 2, false}, std::tuple{3, 3, false}, std::tuple{15, 0, false}, std::tuple{5, 0, true},
          std::tuple{15, 0, true}}) {
        SCOPED_TRACE(testing::Message() << generations << " generations, " << zoomOutClicks << " steps out, whole "
                                        << whole);
        form.setPicture(pictures[generations]);
        form.Show();
        clickButton(form, "PushButton2", zoomOutClicks);
        if (whole) wholeChart();
        const QSize sheet = pictures[generations].sheetSize();
        const QImage shot =
            canvas()->grab(QRect(0, 0, canvas()->width(), std::min(canvas()->height(), 2000))).toImage();
        EXPECT_EQ(sharpnessFaults(shot, pictures[generations], canvas()->width() / double(sheet.width()),
                                  canvas()->height() / double(sheet.height())),
                  QString());
    }
}

// "Whole Chart" (Ctrl+0, or the picture's menu over the canvas or beside
// it) fits the chart evenly into the viewport, never enlarged, a sliver
// widened, at its start, the bars off, the factor as it was; "Zoom Out"
// keeps it, "Zoom In" goes to the smallest factor above the smaller axis's
// that shows.
TEST_F(Form2ViewerTest, WholeChartFitsTheViewportAndZoomInLeavesIt) {
    struct Case {
        QSize picture, whole;
        float zoomIn;
    };
    for (const Case& c : {Case{{100, 17460}, {100, 495}, 0.25f},  // ten generations
                          Case{{1529, 327670}, {622, 495}, 1.0f}, // fifteen: only 1.0 shows
                          Case{{900, 600}, {622, 414}, 0.75f},    // evenly, 0.69
                          Case{{200, 100}, {200, 100}, 1.25f}}) { // fits already
        SCOPED_TRACE(c.picture.height());
        handOver(form, c.picture);
        clickButton(form, "PushButton2");
        const float zoom = form.zoom();
        if (vBar()->isEnabled()) vBar()->setValue(vBar()->maximum());
        wholeChart();
        EXPECT_TRUE(form.showsWholeChart());
        EXPECT_EQ(canvas()->geometry(), QRect(QPoint(0, 0), c.whole));
        EXPECT_EQ(form.zoom(), zoom);
        EXPECT_FALSE(hBar()->isEnabled() || vBar()->isEnabled() || vBar()->value() != 0);
        clickButton(form, "PushButton2");
        EXPECT_EQ(canvas()->size(), c.whole);
        clickButton(form, "PushButton1");
        EXPECT_FALSE(form.showsWholeChart());
        EXPECT_EQ(form.zoom(), c.zoomIn);
    }
    auto* menu = form.findChild<QMenu*>("PictureMenu");
    for (QWidget* over : {canvas(), form.findChild<QWidget*>("Picture2")}) {
        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(400, 300), over->mapToGlobal(QPoint(400, 300)));
        QApplication::sendEvent(over, &open);
        ASSERT_TRUE(menu->isVisible());
        menu->actions().at(0)->trigger();
        menu->close();
        EXPECT_TRUE(form.showsWholeChart());
        clickButton(form, "PushButton1");
    }
    wholeChart();
    handOver(form, QSize(300, 200)); // a new chart starts at 1.0
    EXPECT_FALSE(form.showsWholeChart());
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

// A click that keeps still on the whole chart zooms in as Zoom In does and
// brings the spot to the middle of the viewport, or as near as the bars go;
// a drag there zooms nothing.
TEST_F(Form2ViewerTest, AClickOnTheWholeChartZoomsInOnTheSpot) {
    const QSize picture(1529, 327670), whole(622, 495); // fifteen generations
    const QWidget* viewport = form.findChild<QWidget*>("Picture2");
    for (const QPoint at : {QPoint(1, 1), QPoint(611, 247), QPoint(300, 494), QPoint(200, 100)}) {
        SCOPED_TRACE(at.x() * 1000 + at.y());
        handOver(form, picture);
        wholeChart();
        ASSERT_EQ(canvas()->size(), whole);
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, at);
        ASSERT_FALSE(form.showsWholeChart());
        EXPECT_EQ(form.zoom(), 1.0f);
        // The canvas is scrolled by as much as brings the spot to the
        // middle, to the bar's step, or as far as the bar goes.
        const auto check = [](const QScrollBar* bar, int offset, double spot, int viewportLength) {
            const double wanted = spot - viewportLength / 2.0;
            if (wanted <= 0) {
                EXPECT_EQ(bar->value(), 0);
            } else if (wanted >= bar->maximum() * 10) {
                EXPECT_EQ(bar->value(), bar->maximum());
            } else {
                EXPECT_NEAR(-offset, wanted, 5);
            }
        };
        check(hBar(), canvas()->x(), (at.x() + 0.5) * canvas()->width() / whole.width(), viewport->width());
        check(vBar(), canvas()->y(), (at.y() + 0.5) * canvas()->height() / whole.height(), viewport->height());
    }
    wholeChart();
    press(QPoint(100, 100));
    dragTo(QPoint(140, 100));
    release(QPoint(140, 100));
    EXPECT_TRUE(form.showsWholeChart());
    EXPECT_TRUE(sandbox.messages.shown().empty());
}

// The wheel moves the bars as their arrows do, three steps a notch, parts
// of a notch adding up; Shift or a sideways wheel moves the horizontal bar;
// Ctrl steps the zoom as the buttons do, caps included, and leaves the whole
// chart only inwards.
TEST_F(Form2ViewerTest, TheWheelMovesTheBarsOrWithCtrlStepsTheZoom) {
    QApplication::setWheelScrollLines(3);
    handOver(form, QSize(1122, 1000)); // both bars in steps of 10 pixels
    for (const auto& [angle, modifiers, canvasAt] : {std::tuple{QPoint(0, -120), Qt::NoModifier, QPoint(0, -30)},
                                                     std::tuple{QPoint(0, -60), Qt::NoModifier, QPoint(0, -30)},
                                                     std::tuple{QPoint(0, -60), Qt::NoModifier, QPoint(0, -60)},
                                                     std::tuple{QPoint(0, 120), Qt::NoModifier, QPoint(0, -30)},
                                                     std::tuple{QPoint(0, -240), Qt::ShiftModifier, QPoint(-60, -30)},
                                                     std::tuple{QPoint(120, 0), Qt::NoModifier, QPoint(-30, -30)},
                                                     // Each bar and the zoom count their own parts of a notch.
                                                     std::tuple{QPoint(0, -60), Qt::NoModifier, QPoint(-30, -30)},
                                                     std::tuple{QPoint(-60, 0), Qt::NoModifier, QPoint(-30, -30)},
                                                     std::tuple{QPoint(0, -60), Qt::NoModifier, QPoint(-30, -60)},
                                                     std::tuple{QPoint(0, 60), Qt::ControlModifier, QPoint(-30, -60)},
                                                     std::tuple{QPoint(0, 60), Qt::NoModifier, QPoint(-30, -60)}}) {
        wheel(canvas(), angle, modifiers);
        EXPECT_EQ(canvas()->pos(), canvasAt) << angle.x() << "," << angle.y();
    }
    wheel(form.findChild<QWidget*>("Picture2"), QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(form.zoom(), 1.25f);
    wheel(canvas(), QPoint(0, -240), Qt::ControlModifier);
    EXPECT_EQ(form.zoom(), 0.75f);

    handOver(form, QSize(1000, 300));
    wheel(canvas(), QPoint(0, 120 * 14), Qt::ControlModifier);
    EXPECT_EQ(form.zoom(), 3.75f); // 4.0 would reach the width cap
    wholeChart();
    wheel(canvas(), QPoint(0, -120), Qt::ControlModifier);
    wheel(canvas(), QPoint(0, -120)); // the bars are off
    EXPECT_TRUE(form.showsWholeChart());
    EXPECT_EQ(canvas()->pos(), QPoint(0, 0));
    wheel(canvas(), QPoint(0, 120), Qt::ControlModifier); // the whole chart is 0.622 wide
    EXPECT_EQ(form.zoom(), 0.75f);
}

// Only a click of the left button zooms in on the whole chart; the right
// one is the menu's, the middle one nobody's.
TEST_F(Form2ViewerTest, OnlyTheLeftButtonZoomsInOnTheWholeChart) {
    handOver(form, QSize(1529, 327670));
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        wholeChart();
        QTest::mouseClick(canvas(), button, {}, QPoint(100, 100));
        EXPECT_EQ(form.showsWholeChart(), button != Qt::LeftButton) << button;
    }
}

// Tab reaches the picture; then the arrows move the bars a unit, Page Up
// and Page Down the viewport's height, Home and End (with Ctrl, both bars)
// to their ends, and the canvas follows the bars.
TEST_F(Form2ViewerTest, TheKeysScrollThePictureOnceTabGivesItTheFocus) {
    handOver(form, QSize(2122, 3000)); // both bars in steps of 10 pixels
    QWidget* picture = form.findChild<QWidget*>("Picture2");
    form.findChild<QWidget*>("PushButton8")->setFocus();
    for (int i = 0; i < 8 && !picture->hasFocus(); ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(picture->hasFocus());
    const int right = -10 * hBar()->maximum();
    const int bottom = -10 * vBar()->maximum();
    const int page = 10 * (picture->height() / 10);
    for (const auto& [key, modifiers, canvasAt] :
         {std::tuple{Qt::Key_Down, Qt::NoModifier, QPoint(0, -10)},
          std::tuple{Qt::Key_Right, Qt::NoModifier, QPoint(-10, -10)},
          std::tuple{Qt::Key_PageDown, Qt::NoModifier, QPoint(-10, -10 - page)},
          std::tuple{Qt::Key_Up, Qt::NoModifier, QPoint(-10, -page)},
          std::tuple{Qt::Key_End, Qt::NoModifier, QPoint(-10, bottom)},
          std::tuple{Qt::Key_PageDown, Qt::NoModifier, QPoint(-10, bottom)},
          std::tuple{Qt::Key_Home, Qt::ControlModifier, QPoint(0, 0)},
          std::tuple{Qt::Key_Left, Qt::NoModifier, QPoint(0, 0)},
          std::tuple{Qt::Key_End, Qt::ControlModifier, QPoint(right, bottom)},
          std::tuple{Qt::Key_Home, Qt::NoModifier, QPoint(right, 0)}}) {
        QTest::keyClick(picture, key, modifiers);
        EXPECT_EQ(canvas()->pos(), canvasAt) << QKeySequence(key | modifiers).toString().toStdString();
    }
    EXPECT_TRUE(picture->hasFocus());
}

// A chart filled from a family file opens with the root's box in view, also
// where the picture is scaled down; the next picture opens at its top left.
TEST_F(Form2ViewerTest, APictureOpensOnTheCellsItIsHandedWith) {
    for (const int generations : {8, 15}) {
        SCOPED_TRACE(generations);
        const spreadsheet::VectorPicture picture = chartOfGenerations(generations);
        const chart::AncestorBox box = chart::ancestorBoxes(chart::boxColumnsFor(QString::number(generations))).front();
        const QRect root(box.column - 2, box.row - 2, 1, 1); // in the picture of B2 on
        form.setPicture(picture);
        form.openOn(root);
        form.Show();
        const double scale = double(picture.size().height()) / picture.sheetSize().height();
        const QRect area = picture.cellArea(root);
        const QRectF shown(QPointF(area.topLeft()) * scale + canvas()->pos(), QSizeF(area.size()) * scale);
        // At the far edge the bars' grid of ten pixels may leave the last five out of reach.
        EXPECT_TRUE(form.findChild<QWidget*>("Picture2")->rect().adjusted(0, 0, 5, 5).contains(shown.toRect()))
            << shown.x() << "," << shown.y();
        form.setPicture(picture);
        form.Show();
        EXPECT_EQ(canvas()->pos(), QPoint(0, 0));
    }
}
