// The chart's layout and its execution into the engine, for 5, 10 and 15
// generations. The peer is a plain std::map sheet that copies a full format
// into every cell: the obvious way to hold a sheet, measured in the same run.
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "spreadsheet/Worksheet.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

QString countText(const benchmark::State& state) { return QString::number(state.range(0)); }

void BM_Layout(benchmark::State& state) {
    std::size_t operations = 0;
    for (auto _ : state) {
        const auto layout = chart::BuildChartLayout(QStringLiteral("Halvarsen"), countText(state));
        operations = layout.operations.size();
        benchmark::DoNotOptimize(layout.operations.data());
    }
    state.counters["operations"] = static_cast<double>(operations);
    state.counters["bytes_per_op"] = sizeof(chart::SheetOperation);
}

void BM_LayoutAndExecute(benchmark::State& state) {
    std::size_t cells = 0, bytes = 0;
    for (auto _ : state) {
        const auto layout = chart::BuildChartLayout(QStringLiteral("Halvarsen"), countText(state));
        spreadsheet::Worksheet sheet;
        chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet), layout);
        cells = sheet.storedCellCount();
        bytes = sheet.approximateBytes();
        benchmark::DoNotOptimize(cells);
    }
    state.counters["formatted_cells"] = static_cast<double>(cells);
    state.counters["sheet_bytes_per_cell"] = static_cast<double>(bytes) / static_cast<double>(cells);
}

// The peer: a map from cell to a full copy of its format.
struct PeerFormat {
    QString fontName = QStringLiteral("Arial");
    double fontSize = 10;
    int fontColor = -4105, fill = -4142, alignment = 1;
    int borders[4] = {-4142, -4142, -4142, -4142};
    QString value;
};

void BM_LayoutAndExecutePeerMap(benchmark::State& state) {
    std::size_t cells = 0;
    for (auto _ : state) {
        const auto layout = chart::BuildChartLayout(QStringLiteral("Halvarsen"), countText(state));
        std::map<std::pair<int, int>, PeerFormat> sheet;
        for (const auto& op : layout.operations) {
            if (op.target != chart::SheetTarget::Cell) continue;
            PeerFormat& f = sheet[{op.address.row, op.address.column}];
            switch (op.member) {
            case chart::SheetMember::InteriorColorIndex: f.fill = op.value.number; break;
            case chart::SheetMember::BorderLineStyle: f.borders[op.borderIndex - 7] = op.value.number; break;
            case chart::SheetMember::FontSize: f.fontSize = op.value.number; break;
            case chart::SheetMember::FontColorIndex: f.fontColor = op.value.number; break;
            case chart::SheetMember::HorizontalAlignment: f.alignment = op.value.number; break;
            case chart::SheetMember::Value: f.value = layout.text(op.value.text); break;
            case chart::SheetMember::FontName: f.fontName = layout.text(op.value.text); break;
            default: break;
            }
        }
        cells = sheet.size();
        benchmark::DoNotOptimize(cells);
    }
    state.counters["formatted_cells"] = static_cast<double>(cells);
}

} // namespace

BENCHMARK(BM_Layout)->Arg(5)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAndExecute)->Arg(5)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayoutAndExecutePeerMap)->Arg(5)->Arg(10)->Arg(15)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
