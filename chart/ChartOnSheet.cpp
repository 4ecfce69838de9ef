#include "ChartOnSheet.h"

#include "AncestorBoxes.h"
#include "ChartLayout.h"
#include "ChartStyle.h"
#include "ChartWords.h"

#include "core/Error.h"
#include "spreadsheet/CellRange.h"

#include <algorithm>
#include <tuple>

namespace chart {

namespace {

using core::Phrase;

QString cellName(int row, int column) { return spreadsheet::columnName(column) + QString::number(row); }

[[noreturn]] void throwNoChart(const QString& fileName, const QString& sheetName, Phrase why) {
    throw core::Error(core::ErrorKind::DataDamaged,
                      QT_TRANSLATE_NOOP("core::Error",
                                        "'%1' holds no chart as Kinloom draws it on its first sheet, "
                                        "'%2': %3"),
                      {fileName, sheetName, std::move(why)});
}

// The count the generation line states, and the box columns it gives.
std::pair<QString, long long> boxColumnsOf(const spreadsheet::SheetContent& sheet, const QString& fileName) {
    const QString line = sheet.text(kGenerationLineRow, kTextColumn);
    const std::optional<ChartWords::StatedCount> count = ChartWords::spoken().generationCount(line);
    if (!count)
        throwNoChart(fileName, sheet.sheetName,
                     Phrase(QT_TRANSLATE_NOOP("core::Error", "%1 should hold the number of generations (\"%2\")."),
                            {cellName(kGenerationLineRow, kTextColumn), ChartWords::generationLineExample()}));
    const long long columns = boxColumnCount(count->value);
    if (columns < 1 || columns > kMaxGenerations)
        throwNoChart(fileName, sheet.sheetName,
                     Phrase(QT_TRANSLATE_NOOP("core::Error", "%1 says \"%2\"; a chart has 1 to %3 generations."),
                            {cellName(kGenerationLineRow, kTextColumn), line.simplified().left(40), kMaxGenerations}));
    return {count->text, columns};
}

} // namespace

ChartOnSheet findChart(const spreadsheet::SheetContent& sheet, const QString& fileName) {
    ChartOnSheet chart;
    const std::optional<QString> root = ChartWords::spoken().titleName(sheet.text(kTitleRow, kTextColumn));
    if (!root)
        throwNoChart(fileName, sheet.sheetName,
                     Phrase(QT_TRANSLATE_NOOP("core::Error", "%1 should hold the chart's title (\"%2\")."),
                            {cellName(kTitleRow, kTextColumn), ChartWords::titleExample()}));
    chart.titleName = *root;
    std::tie(chart.generationText, chart.boxColumns) = boxColumnsOf(sheet, fileName);

    for (const AncestorBox& box : ancestorBoxes(chart.boxColumns)) {
        if (!sheet.isFilled(box.row, box.column))
            throwNoChart(fileName, sheet.sheetName,
                         Phrase(QT_TRANSLATE_NOOP("core::Error",
                                                  "a chart of %1 generations has a box at %2, and "
                                                  "there is none; were rows or columns inserted or "
                                                  "deleted?"),
                                {chart.boxColumns, cellName(box.row, box.column)}));
        QString text = sheet.text(box.row, box.column).simplified();
        if (!text.isEmpty()) chart.boxTexts.push_back({box.number, box.row, box.column, std::move(text)});
    }
    std::sort(chart.boxTexts.begin(), chart.boxTexts.end(),
              [](const PlacedText& a, const PlacedText& b) { return a.number < b.number; });

    for (const spreadsheet::ContentCell& cell : sheet.cells()) {
        const bool heading = cell.column == kTextColumn && (cell.row == kTitleRow || cell.row == kGenerationLineRow);
        if (heading || cell.text.trimmed().isEmpty() || boxNumberAt(chart.boxColumns, cell.row, cell.column) != 0)
            continue;
        chart.outside.push_back({0, cell.row, cell.column, cell.text.simplified()});
    }
    return chart;
}

} // namespace chart
