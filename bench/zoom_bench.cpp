// One zoom step, one repaint after scrolling and one repaint of the whole
// chart fitted into the viewport ("Whole Chart") in the preview window,
// with real chart pictures of 5, 10, 12 and 15 generations, each redrawn as
// the viewport shows it. Ours draws from the vector picture, only where it
// shows. The peer, measured in the same run, is the bitmap path: the chart's
// bitmap (scaled down to 32,767 pixels a side) stretched smoothly into the
// zoomed canvas when painted, as the preview did before.
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "preview/Form2.h"
#include "preview/ViewerArithmetic.h"
#include "spreadsheet/SheetPicture.h"
#include "spreadsheet/Worksheet.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <cstdio>
#include <map>
#include <string>

namespace {

const spreadsheet::VectorPicture& chartPicture(int generations) {
    static std::map<int, spreadsheet::VectorPicture> pictures;
    auto& picture = pictures[generations];
    if (picture.isNull()) {
        spreadsheet::Worksheet sheet;
        chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet),
                             chart::BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations)));
        picture = spreadsheet::pictureOfRange(sheet, sheet.usedRange());
    }
    return picture;
}

void click(QWidget& form, const char* button) { form.findChild<QPushButton*>(button)->click(); }

// The preview after a build: the chart handed over, the window shown. Zoom
// steps alternate between the two factors the chart can show (in and out,
// or out and back for the tall charts, whose zoomed sizes pass the caps).
struct Preview {
    preview::Form2 form;
    explicit Preview(int generations) {
        form.setPicture(chartPicture(generations));
        form.Show();
    }
    QWidget& viewport() { return *form.findChild<QWidget*>("Picture2"); }
    QScrollBar& vBar() { return *form.findChild<QScrollBar*>("VScroll1"); }
};

// The bitmap path: a canvas that stretches the bitmap smoothly when painted.
class BitmapCanvas : public QWidget {
public:
    BitmapCanvas(QPixmap bitmap, QWidget* viewport) : QWidget(viewport), m_bitmap(std::move(bitmap)) {
        resize(m_bitmap.size());
    }
    void zoomTo(double zoom) { resize(QSize(int(m_bitmap.width() * zoom), int(m_bitmap.height() * zoom))); }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(rect()), m_bitmap, QRectF(m_bitmap.rect()));
    }

private:
    QPixmap m_bitmap;
};

struct BitmapPreview {
    QWidget viewport;
    BitmapCanvas canvas;
    explicit BitmapPreview(int generations)
        : canvas(QPixmap::fromImage(spreadsheet::bitmapOf(chartPicture(generations))), &viewport) {
        viewport.resize(622, 495);
    }
};

// The zoom factors a chart of that size steps between, within the caps.
std::pair<const char*, const char*> zoomButtons(int generations) {
    return generations <= 6 ? std::pair{"PushButton1", "PushButton2"} : std::pair{"PushButton2", "PushButton1"};
}

void BM_ZoomStep(benchmark::State& state) {
    const int generations = static_cast<int>(state.range(0));
    Preview preview(generations);
    const auto [first, second] = zoomButtons(generations);
    if (generations == 10) click(preview.form, "PushButton2"); // 0.5 and 0.25 fit under the caps
    bool firstNext = true;
    for (auto _ : state) {
        click(preview.form, firstNext ? first : second);
        firstNext = !firstNext;
        benchmark::DoNotOptimize(preview.viewport().grab());
    }
}

void BM_ZoomStepPeerBitmap(benchmark::State& state) {
    const int generations = static_cast<int>(state.range(0));
    BitmapPreview preview(generations);
    const double base = generations == 10 ? 0.5 : 1.0;
    bool in = true;
    for (auto _ : state) {
        preview.canvas.zoomTo(in ? base + 0.25 : base);
        in = !in;
        benchmark::DoNotOptimize(preview.viewport.grab());
    }
}

void BM_ScrollRepaint(benchmark::State& state) {
    Preview preview(static_cast<int>(state.range(0)));
    QScrollBar& bar = preview.vBar();
    int value = 0;
    for (auto _ : state) {
        value = (value + 37) % (bar.maximum() + 1);
        bar.setValue(value);
        benchmark::DoNotOptimize(preview.viewport().grab());
    }
}

void BM_ScrollRepaintPeerBitmap(benchmark::State& state) {
    BitmapPreview preview(static_cast<int>(state.range(0)));
    const int span = std::max(1, preview.canvas.height() - preview.viewport.height());
    int top = 0;
    for (auto _ : state) {
        top = (top + 370) % span;
        preview.canvas.move(0, -top);
        benchmark::DoNotOptimize(preview.viewport.grab());
    }
}

// The whole chart, fitted into the viewport, painted again.
void BM_WholeChartRepaint(benchmark::State& state) {
    Preview preview(static_cast<int>(state.range(0)));
    preview.form.findChild<QAction*>("WholeChart")->trigger();
    for (auto _ : state) benchmark::DoNotOptimize(preview.viewport().grab());
}

void BM_WholeChartRepaintPeerBitmap(benchmark::State& state) {
    BitmapPreview preview(static_cast<int>(state.range(0)));
    // Fitted as ours is, so that both paint the same area.
    const QSize full = preview.canvas.size();
    const preview::WholeChartView whole =
        preview::wholeChartView(full.width(), full.height(), preview.viewport.width(), preview.viewport.height());
    preview.canvas.resize(whole.width, whole.height);
    for (auto _ : state) benchmark::DoNotOptimize(preview.viewport.grab());
}

// Keeps each benchmark's mean processor time per iteration, in milliseconds:
// on a machine shared with other work, wall time says more about the others.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred)
                ms[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

// Every benchmark at 5, 10, 12 and 15 generations, in processor time.
void chartSizes(benchmark::internal::Benchmark* sizes) {
    sizes->Arg(5)->Arg(10)->Arg(12)->Arg(15)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ZoomStep)->Apply(chartSizes);
BENCHMARK(BM_ZoomStepPeerBitmap)->Apply(chartSizes);
BENCHMARK(BM_ScrollRepaint)->Apply(chartSizes);
BENCHMARK(BM_ScrollRepaintPeerBitmap)->Apply(chartSizes);
BENCHMARK(BM_WholeChartRepaint)->Apply(chartSizes);
BENCHMARK(BM_WholeChartRepaintPeerBitmap)->Apply(chartSizes);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // the platform's notes
    QApplication app(argc, argv);
    spreadsheet::registerSheetFonts();
    benchmark::Initialize(&argc, argv);
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nprocessor time per paint\n  G   zoom step ms  bitmap peer ms  peer/ours   scroll repaint ms  bitmap "
                "peer ms  peer/ours\n");
    for (int generations : {5, 10, 12, 15}) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "/%d", generations);
        const std::string arg = suffix;
        const double zoom = reporter.ms["BM_ZoomStep" + arg], zoomPeer = reporter.ms["BM_ZoomStepPeerBitmap" + arg];
        const double scroll = reporter.ms["BM_ScrollRepaint" + arg];
        const double scrollPeer = reporter.ms["BM_ScrollRepaintPeerBitmap" + arg];
        if (zoom <= 0 || scroll <= 0) continue;
        std::printf("%3d %14.2f %15.2f %9.1fx %19.2f %15.2f %9.1fx\n", generations, zoom, zoomPeer, zoomPeer / zoom,
                    scroll, scrollPeer, scrollPeer / scroll);
    }
    std::printf("\n  G   whole chart ms  bitmap peer ms  peer/ours\n");
    for (int generations : {5, 10, 12, 15}) {
        char suffix[8];
        std::snprintf(suffix, sizeof suffix, "/%d", generations);
        const std::string arg = suffix;
        const double whole = reporter.ms["BM_WholeChartRepaint" + arg];
        const double wholePeer = reporter.ms["BM_WholeChartRepaintPeerBitmap" + arg];
        if (whole <= 0) continue;
        std::printf("%3d %16.2f %15.2f %9.2fx\n", generations, whole, wholePeer, wholePeer / whole);
    }
    std::printf("targets: a zoom step under 16 ms at every count; a scroll repaint under 16 ms up to 12, under 50 ms "
                "at 15; the whole chart under 50 ms at every count, at most 5 ms at 15\n");
    return 0;
}
