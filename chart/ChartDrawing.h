#pragma once

#include "Automation.h"
#include "BoxLoop.h"
#include "BoxTexts.h"
#include "ChartLayout.h"
#include "ChartRequest.h"
#include "ExecuteOperation.h"

#include "core/Error.h"

#include <memory>
#include <optional>

namespace chart {

// A reference one statement takes and later ones use. Where the statement
// that takes it failed (the build run reports it and goes on), each that
// needs it fails in turn.
template <typename Pointer>
auto& held(const Pointer& object) {
    if (!object)
        throw core::Error(core::ErrorKind::StepFailed,
                          QT_TRANSLATE_NOOP("core::Error", "Object variable not set: an earlier step failed."));
    return *object;
}

// A chart drawn in a new hidden instance, in the workbook it added.
struct DrawnChart {
    std::unique_ptr<automation::Application> application;
    std::shared_ptr<automation::Workbook> workbook;
    // Of a chart filled from a family file: the root's box, where the
    // preview opens.
    std::optional<QRect> rootBox;
};

// Statements carried out as they come: the first failure goes to the caller.
struct StraightStatements {
    template <typename Statement>
    bool step(int /*number*/, Statement&& statement) {
        statement();
        return true;
    }
    template <typename Work>
    bool prepare(int /*number*/, Work&& work) {
        work();
        return true;
    }
};

// The one drawing of a chart, for both programs (steps 110 to 196): a new
// hidden instance adds a workbook with the chart's page set-up, the sheet
// set-up, title and generation line are carried out, then the boxes and
// their lines as the box loop makes them (no list of them is held), then the
// box texts where the request has any. Every statement goes through
// statements.step(number, statement), which answers whether it succeeded, and
// work that later steps need through statements.prepare(number, work):
// kinloom-chart passes StraightStatements, the build run its trapped handler,
// so that a failure is reported under its step and the run goes on.
template <typename Statements>
DrawnChart drawChart(const ChartRequest& request, Statements& statements) {
    DrawnChart chart;
    statements.step(110, [&] { chart.application = automation::createApplication(); });
    statements.step(112, [&] {
        chart.workbook = held(chart.application).workbooks().add();
        setChartPageSetup(chart.workbook->activeSheet());
    });
    statements.step(114, [&] { held(chart.application).setVisible(false); });

    std::optional<ChartLayout> heading;
    const long long boxColumns = request.generations.boxColumns;
    statements.prepare(116, [&] { heading = buildChartHeading(request.rootName, request.generations.text); });
    if (!heading) return chart;
    // The sheet is taken once, by the first operation that succeeds in taking
    // it: half a million operations need not ask the workbook for it again.
    automation::Worksheet* sheet = nullptr;
    const auto activeSheet = [&]() -> automation::Worksheet& {
        if (!sheet) sheet = &held(chart.workbook).activeSheet();
        return *sheet;
    };
    const auto execute = [&](const SheetOperation& op) {
        statements.step(op.step, [&] { executeOperation(activeSheet(), *heading, op); });
    };
    for (const SheetOperation& op : heading->operations) execute(op); // 116 to 148
    runBoxLoop(
        boxColumns, [&](int step, auto&& statement) { return statements.step(step, statement); }, execute);
    // The blank chart has no labels, and its drawing no statement more.
    if (request.labels.any())
        statements.step(196, [&] {
            automation::Worksheet& sheet = held(chart.workbook).activeSheet();
            writeBoxTexts(sheet, boxColumns, request.labels);
            if (!request.labels.labelByNumber.empty()) chart.rootBox = rootBoxInPicture(sheet, boxColumns);
        });
    return chart;
}

} // namespace chart
