#include "ExecuteOperation.h"

namespace chart {

namespace {

automation::SheetRange resolveTarget(automation::Worksheet& sheet, const ChartLayout& layout,
                                     const SheetOperation& op) {
    switch (op.target) {
    case SheetTarget::WholeSheet: return sheet.cells();
    case SheetTarget::ColumnRange: return sheet.columns(layout.text(op.address.text));
    case SheetTarget::Range: return sheet.range(layout.text(op.address.text));
    case SheetTarget::Cell: break;
    }
    return sheet.cell(op.address.row, op.address.column);
}

} // namespace

void executeOperation(automation::Worksheet& sheet, const ChartLayout& layout, const SheetOperation& op) {
    const automation::SheetRange range = resolveTarget(sheet, layout, op);
    const QString& text = layout.text(op.value.text);
    const int number = op.value.number;
    switch (op.member) {
    case SheetMember::FontName: sheet.setFontName(range, text); break;
    case SheetMember::ColumnWidth: sheet.setColumnWidth(range, text); break;
    case SheetMember::Merge: sheet.merge(range); break;
    case SheetMember::HorizontalAlignment: sheet.setHorizontalAlignment(range, number); break;
    case SheetMember::FontSize: sheet.setFontSize(range, number); break;
    case SheetMember::Value: sheet.setValue(range, text); break;
    case SheetMember::FontColorIndex: sheet.setFontColorIndex(range, number); break;
    case SheetMember::InteriorColorIndex: sheet.setInteriorColorIndex(range, number); break;
    case SheetMember::BorderLineStyle: sheet.setBorderLineStyle(range, op.borderIndex, number); break;
    }
}

void setChartPageSetup(automation::Worksheet& sheet) {
    automation::PageSetup chart;
    chart.orientation = spreadsheet::xl::kLandscape;
    chart.paperSize = spreadsheet::xl::kPaperA4;
    chart.fitToPages = true;
    chart.fitToPagesWide = 1;
    chart.fitToPagesTall = 0;
    sheet.setPageSetup(chart);
}

void executeLayout(automation::Worksheet& sheet, const ChartLayout& layout) {
    setChartPageSetup(sheet);
    for (const SheetOperation& op : layout.operations) executeOperation(sheet, layout, op);
}

} // namespace chart
