#include "chart/Automation.h"
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/Worksheet.h"

#include <gtest/gtest.h>

#include <set>

using namespace chart;
using spreadsheet::CellFormat;
using spreadsheet::Edge;
namespace xl = spreadsheet::xl;

namespace {

void draw(spreadsheet::Worksheet& sheet, const QString& root, const QString& count) {
    executeLayout(*automation::wrapEngineWorksheet(sheet), BuildChartLayout(root, count));
}

std::set<std::pair<int, int>> storedCells(const spreadsheet::Worksheet& sheet) {
    std::set<std::pair<int, int>> cells;
    for (int r = 1; r <= sheet.lastStoredRow(); ++r)
        for (const auto& cell : sheet.storedCells(r)) cells.insert({r, cell.column});
    return cells;
}

bool isBox(const CellFormat& f) {
    return f.fillColorIndex == kBoxColorIndex && f.border(Edge::Left) == xl::kContinuous
        && f.border(Edge::Top) == xl::kContinuous && f.border(Edge::Bottom) == xl::kContinuous
        && f.border(Edge::Right) == xl::kContinuous;
}

bool isConnector(const CellFormat& f) {
    return f.fillColorIndex == xl::kColorIndexNone && f.border(Edge::Left) == xl::kLineStyleNone
        && f.border(Edge::Top) == xl::kLineStyleNone && f.border(Edge::Bottom) == xl::kLineStyleNone
        && f.border(Edge::Right) == xl::kContinuous;
}

} // namespace

TEST(ChartExecution, ThreeGenerationsGiveTheWorkedExampleSheet) {
    spreadsheet::Worksheet sheet;
    draw(sheet, QStringLiteral("Halvarsen"), QStringLiteral("3"));

    // Rows 5 to 11 of the drawing: 'B' a box, '|' a right edge only.
    const char* drawing[] = {
        "B  ", // 5
        "|B ", // 6
        "B| ", // 7
        "||B", // 8
        "B| ", // 9
        "|B ", // 10
        "B  ", // 11
    };
    std::set<std::pair<int, int>> expected;
    for (int c = 2; c <= 6; ++c) expected.insert({2, c}), expected.insert({3, c});
    for (int i = 0; i < 7; ++i) {
        for (int k = 0; k < 3; ++k) {
            const int row = 5 + i, column = 2 + k;
            const CellFormat& f = sheet.format(row, column);
            switch (drawing[i][k]) {
            case 'B':
                EXPECT_TRUE(isBox(f)) << row << "," << column;
                expected.insert({row, column});
                break;
            case '|':
                EXPECT_TRUE(isConnector(f)) << row << "," << column;
                expected.insert({row, column});
                break;
            default: EXPECT_FALSE(sheet.isStored(row, column)) << row << "," << column;
            }
        }
    }
    EXPECT_EQ(storedCells(sheet), expected); // no other cell formatted

    // Title and generation line, merged over B to F.
    EXPECT_EQ(sheet.mergedRanges(), (std::vector<spreadsheet::CellRange>{{2, 2, 2, 6}, {3, 2, 3, 6}}));
    EXPECT_EQ(sheet.value(2, 2), QStringLiteral("Family Tree for Halvarsen"));
    EXPECT_EQ(sheet.value(3, 2), QStringLiteral("3 Generations"));
    for (int c = 2; c <= 6; ++c) {
        const CellFormat& title = sheet.format(2, c);
        EXPECT_EQ(sheet.fontName(title), QStringLiteral("Tahoma"));
        EXPECT_EQ(title.fontSize(), 20);
        EXPECT_EQ(title.fontColorIndex, 16);
        EXPECT_EQ(title.horizontalAlignment, xl::kHAlignLeft);
        const CellFormat& line = sheet.format(3, c);
        EXPECT_EQ(sheet.fontName(line), QStringLiteral("Tahoma"));
        EXPECT_EQ(line.fontSize(), 11);
        EXPECT_EQ(line.fontColorIndex, xl::kColorIndexAutomatic);
        EXPECT_EQ(line.horizontalAlignment, xl::kHAlignLeft);
    }
    // The whole sheet is in Tahoma, also cells never touched.
    EXPECT_EQ(sheet.fontName(sheet.format(40000, 200)), QStringLiteral("Tahoma"));
    EXPECT_EQ(sheet.columnWidth(1), 2);
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(sheet.columnWidth(c), 24);
    EXPECT_EQ(sheet.columnWidth(7), spreadsheet::Worksheet::kDefaultColumnWidth);
    EXPECT_EQ(sheet.usedRange(), (spreadsheet::CellRange{2, 2, 11, 6}));
}

// Every box column of every chart up to 12 generations, as stored in the sheet.
TEST(ChartExecution, ChartsUpToTwelveGenerationsStoreOnlyBoxesAndLines) {
    for (int G = 1; G <= 12; ++G) {
        SCOPED_TRACE(G);
        spreadsheet::Worksheet sheet;
        draw(sheet, QStringLiteral("R"), QString::number(G));
        std::size_t stored = 10; // title and generation line
        for (int k = 0; k < G; ++k) {
            const int column = 2 + k, first = (1 << k) + 4, spacing = 2 << k;
            const int last = first + ((1 << (G - 1 - k)) - 1) * spacing;
            EXPECT_FALSE(sheet.isStored(first - 1, column));
            EXPECT_FALSE(sheet.isStored(last + 1, column));
            for (int r = first; r <= last; ++r) {
                const bool box = (r - first) % spacing == 0;
                ASSERT_TRUE(box ? isBox(sheet.format(r, column)) : isConnector(sheet.format(r, column)))
                    << r << "," << column;
            }
            stored += static_cast<std::size_t>(last - first + 1);
        }
        EXPECT_EQ(sheet.storedCellCount(), stored);
        // A handful of shared formats, however many cells.
        EXPECT_LE(sheet.formats().size(), 16u);
        EXPECT_EQ(sheet.usedRange().lastRow, G == 0 ? 3 : (1 << G) + 3);
    }
}

TEST(ChartExecution, RunsThroughTheApplicationLikeTheBuildRun) {
    auto app = automation::createApplication();
    EXPECT_EQ(app->defaultMember(), QStringLiteral("Microsoft Excel"));
    auto book = app->workbooks().add();
    app->setVisible(false);
    const ChartLayout layout = BuildChartLayout(QStringLiteral("Halvarsen"), QStringLiteral("5"));
    for (const auto& op : layout.operations) executeOperation(book->activeSheet(), layout, op);
    const automation::UsedRange used = app->workbooks().item(app->workbooks().count())->activeSheet().usedRange();
    EXPECT_EQ(used.row, 2);
    EXPECT_EQ(used.column, 2);
    EXPECT_EQ(used.lastRow(), 35);
    EXPECT_EQ(used.lastColumn(), 6);
    app->setDisplayAlerts(false);
    book->close();
    EXPECT_EQ(app->workbooks().count(), 0);
    EXPECT_THROW(book->activeSheet(), std::exception);
    app->quit();
    EXPECT_THROW(app->workbooks(), std::exception);
}

TEST(ChartExecution, RejectedCallsCarryADescription) {
    spreadsheet::Worksheet engineSheet;
    auto sheet = automation::wrapEngineWorksheet(engineSheet);
    const auto described = [](auto&& call, const char* fragment) {
        try {
            call();
            ADD_FAILURE() << "accepted";
        } catch (const std::exception& e) {
            EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        }
    };
    described([&] { sheet->cell(0, 1); }, "Row 0");
    described([&] { sheet->cell(65537, 1); }, "Row 65537");
    described([&] { sheet->cell(1, 257); }, "Column 257");
    described([&] { sheet->range(QStringLiteral("B2:ZZ2")); }, "'B2:ZZ2'");
    described([&] { sheet->columns(QStringLiteral("B2")); }, "whole columns");
    described([&] { sheet->setColumnWidth(sheet->columns(QStringLiteral("A:A")), QStringLiteral("wide")); }, "'wide'");
    described([&] { sheet->setBorderLineStyle(sheet->cell(1, 1), 13, 1); }, "13 is not a border index");
    described([&] { sheet->setInteriorColorIndex(sheet->cell(1, 1), 57); }, "57");
    EXPECT_EQ(engineSheet.storedCellCount(), 0u); // nothing half-done
}
