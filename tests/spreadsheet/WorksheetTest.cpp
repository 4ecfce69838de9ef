#include "spreadsheet/Worksheet.h"
#include "core/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace spreadsheet;
using spreadsheet::Edge;

namespace {

std::string descriptionOf(auto&& call) {
    try {
        call();
    } catch (const core::Error& e) {
        return e.description().toStdString();
    }
    return "(accepted)";
}

} // namespace

TEST(Worksheet, RejectsWhatExcelRejectsWithADescription) {
    Worksheet sheet;
    EXPECT_EQ(descriptionOf([&] { sheet.setValue(CellRange::cell(0, 1), QStringLiteral("x")); }),
              "Row 0 is outside the sheet (rows 1 to 65536).");
    EXPECT_EQ(descriptionOf([&] {
                  sheet.setFontSize({1, 1, 65537, 1}, 10);
              }),
              "Row 65537 is outside the sheet (rows 1 to 65536).");
    EXPECT_EQ(descriptionOf([&] { sheet.setFontColorIndex(CellRange::cell(1, 257), 16); }),
              "Column 257 is outside the sheet (columns 1 to 256).");
    EXPECT_EQ(descriptionOf([&] { sheet.setColumnFormat(257, 0); }), "Column 257 is outside the sheet (columns 1 to 256).");
    EXPECT_EQ(descriptionOf([&] { sheet.setColumnFormat(0, 0); }), "Column 0 is outside the sheet (columns 1 to 256).");
    EXPECT_EQ(descriptionOf([&] { sheet.setCellFormat(65537, 1, 0); }),
              "Row 65537 is outside the sheet (rows 1 to 65536).");
    EXPECT_EQ(descriptionOf([&] { sheet.setBorderLineStyle(CellRange::cell(1, 1), 6, 1); }),
              "6 is not a border index (7 to 12).");
    EXPECT_EQ(descriptionOf([&] { sheet.setBorderLineStyle(CellRange::cell(1, 1), 7, 3); }),
              "3 is not a border line style.");
    EXPECT_EQ(descriptionOf([&] { sheet.setHorizontalAlignment(CellRange::cell(1, 1), 0); }),
              "0 is not a horizontal alignment.");
    EXPECT_EQ(descriptionOf([&] { sheet.setFontSize(CellRange::cell(1, 1), 410); }),
              "A font size must lie between 1 and 409 points.");
    EXPECT_EQ(descriptionOf([&] { sheet.setColumnWidth(CellRange::cell(1, 1), 256); }),
              "A column width must lie between 0 and 255 characters.");
    EXPECT_EQ(descriptionOf([&] { sheet.setFontName(CellRange::cell(1, 1), QString()); }),
              "'' is not a font name: a font name has 1 to 31 characters.");

    const QString longest(32767, QChar(u'ø'));
    EXPECT_EQ(descriptionOf([&] { sheet.setValue(CellRange::cell(1, 1), longest); }), "(accepted)");
    EXPECT_EQ(sheet.value(1, 1), longest);
    EXPECT_EQ(descriptionOf([&] { sheet.setValue(CellRange::cell(1, 2), longest + u'x'); }),
              "A cell holds at most 32,767 characters; this text has 32768.");
    EXPECT_FALSE(sheet.isStored(1, 2));

    const auto printed = [&](auto change) {
        PrintSettings settings;
        change(settings);
        return descriptionOf([&] { sheet.setPrintSettings(settings); });
    };
    EXPECT_EQ(printed([](PrintSettings& p) { p.orientation = 3; }),
              "3 is not a page orientation (1 portrait, 2 landscape).");
    EXPECT_EQ(printed([](PrintSettings& p) { p.paperSize = 0; }), "0 is not a paper size.");
    EXPECT_EQ(printed([](PrintSettings& p) { p.fitToPagesWide = -1; }),
              "-1 is not a number of pages wide (0 to 32767).");
    EXPECT_EQ(printed([](PrintSettings& p) { p.fitToPagesTall = 32768; }),
              "32768 is not a number of pages tall (0 to 32767).");
    EXPECT_EQ(printed([](PrintSettings& p) { p.footer = QString(256, u'x'); }), "A footer has at most 255 characters.");
    EXPECT_EQ(sheet.printSettings(), PrintSettings{});
    EXPECT_EQ(printed([](PrintSettings& p) { p.header = QString(255, u'ø'); }), "(accepted)");
}

TEST(Worksheet, MergedAreasRefuseOverlapAndTakeFormatsAsAWhole) {
    Worksheet sheet;
    sheet.setValue(CellRange::cell(2, 4), QStringLiteral("dropped by the merge"));
    sheet.setFontColorIndex(CellRange::cell(2, 2), 16);
    sheet.merge({2, 2, 2, 6});
    EXPECT_EQ(sheet.value(2, 4), QString());
    EXPECT_EQ(sheet.format(2, 4).fontColorIndex, 16); // the area keeps the top-left cell's format
    EXPECT_EQ(descriptionOf([&] {
                  sheet.merge({1, 5, 3, 7});
              }),
              "Cannot merge E1:G3: it overlaps the merged cells B2:F2.");
    sheet.merge({3, 2, 3, 6}); // next to it is fine
    sheet.setFontSize(CellRange::cell(2, 2), 20);
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(sheet.format(2, c).fontSize(), 20) << c;
    EXPECT_EQ(sheet.format(3, 2).fontSize(), 10);
    // A range reaching into a merged area formats the whole area.
    sheet.setInteriorColorIndex(CellRange::cell(3, 6), xl::kPaletteLime);
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(sheet.format(3, c).fillColorIndex, xl::kPaletteLime) << c;
}

TEST(Worksheet, UsedRangeCountsValuesFormatsAndMergedAreas) {
    Worksheet sheet;
    EXPECT_EQ(sheet.usedRange(), CellRange::cell(1, 1)); // empty: A1, as Excel answers
    sheet.setColumnWidth({1, 1, kMaxRows, 3}, 30);       // widths are not use
    sheet.setFontName(CellRange::wholeSheet(), QStringLiteral("Tahoma"));
    EXPECT_EQ(sheet.usedRange(), CellRange::cell(1, 1));
    sheet.setBorderLineStyle(CellRange::cell(7, 3), 10, 1);
    EXPECT_EQ(sheet.usedRange(), CellRange::cell(7, 3)); // need not begin at A1
    sheet.merge({4, 5, 5, 8});
    EXPECT_EQ(sheet.usedRange(), (CellRange{4, 3, 7, 8}));
    sheet.setValue(CellRange::cell(9, 4), QStringLiteral("x"));
    EXPECT_EQ(sheet.usedRange(), (CellRange{4, 3, 9, 8}));
    sheet.setValue(CellRange::cell(9, 4), QString()); // cleared value, cell stays in use
    EXPECT_EQ(sheet.value(9, 4), QString());
    EXPECT_EQ(sheet.usedRange(), (CellRange{4, 3, 9, 8}));
}

TEST(Worksheet, SheetAndColumnFormatsReachEveryCell) {
    Worksheet sheet;
    sheet.setInteriorColorIndex(CellRange::cell(5, 2), xl::kPaletteLime);
    sheet.setFontName(CellRange::wholeSheet(), QStringLiteral("Tahoma"));
    EXPECT_EQ(sheet.fontName(sheet.format(5, 2)), QStringLiteral("Tahoma")); // existing cell
    EXPECT_EQ(sheet.format(5, 2).fillColorIndex, xl::kPaletteLime);          // keeps its own fill
    sheet.setFontSize({1, 3, kMaxRows, 3}, 14);                              // Columns("C:C")
    EXPECT_EQ(sheet.format(60000, 3).fontSize(), 14);
    EXPECT_EQ(sheet.fontName(sheet.format(60000, 3)), QStringLiteral("Tahoma"));
    EXPECT_EQ(sheet.format(60000, 4).fontSize(), 10);
    sheet.setBorderLineStyle(CellRange::cell(8, 3), 9, 1); // a new cell starts from its column's format
    EXPECT_EQ(sheet.format(8, 3).fontSize(), 14);
    EXPECT_EQ(sheet.storedCellCount(), 2u);
}

TEST(Worksheet, EdgesOfARangeGoToItsOuterCells) {
    Worksheet sheet;
    const CellRange box{2, 2, 4, 4};
    for (int edge : {7, 8, 9, 10}) sheet.setBorderLineStyle(box, edge, xl::kContinuous);
    EXPECT_EQ(sheet.format(2, 2).border(Edge::Left), xl::kContinuous);
    EXPECT_EQ(sheet.format(2, 2).border(Edge::Top), xl::kContinuous);
    EXPECT_EQ(sheet.format(2, 2).border(Edge::Right), xl::kLineStyleNone);
    EXPECT_EQ(sheet.format(4, 4).border(Edge::Bottom), xl::kContinuous);
    EXPECT_FALSE(sheet.isStored(3, 3)); // the middle has no edge
    sheet.setBorderLineStyle(box, xl::kInsideVertical, xl::kDouble);
    EXPECT_EQ(sheet.format(3, 3).border(Edge::Right), xl::kDouble);
    EXPECT_EQ(sheet.format(3, 4).border(Edge::Right), xl::kContinuous); // the outer edge stays
    EXPECT_EQ(sheet.format(3, 2).border(Edge::Left), xl::kContinuous);
}

// Inside lines begin with two columns (or rows); one has no inside.
TEST(Worksheet, InsideLinesNeedTwoColumnsOrRows) {
    struct Case {
        CellRange range;
        int inside;
        Edge edge;
        bool drawn;
    };
    for (const auto& [range, inside, edge, drawn] :
         {Case{{2, 2, 2, 3}, xl::kInsideVertical, Edge::Right, true},
          Case{{2, 2, 3, 2}, xl::kInsideVertical, Edge::Right, false},
          Case{{2, 2, 3, 2}, xl::kInsideHorizontal, Edge::Bottom, true},
          Case{{2, 2, 2, 3}, xl::kInsideHorizontal, Edge::Bottom, false}}) {
        Worksheet sheet;
        sheet.setBorderLineStyle(range, inside, xl::kDouble);
        EXPECT_EQ(sheet.format(2, 2).border(edge), drawn ? xl::kDouble : xl::kLineStyleNone) << inside;
        EXPECT_EQ(sheet.format(range.lastRow, range.lastColumn).border(edge), xl::kLineStyleNone) << inside;
    }
}

// A workbook holds 4000 different formats and 4000 font names, the default
// ones included; one more of either is refused, one it holds still found.
TEST(FormatTable, HoldsFourThousandFormatsAndFontNames) {
    FormatTable table;
    for (int n = 1; n < 4000; ++n) {
        table.intern(CellFormat{.fontHeight = static_cast<std::uint16_t>(200 + n)});
        table.fontNameId(QStringLiteral("Font %1").arg(n));
    }
    EXPECT_EQ(table.size(), 4000u);
    EXPECT_EQ(descriptionOf([&] { table.intern(CellFormat{.fontHeight = 100}); }), "Too many different cell formats.");
    EXPECT_EQ(descriptionOf([&] { table.fontNameId(QStringLiteral("Font 4000")); }), "Too many different fonts.");
    EXPECT_EQ(table.intern(CellFormat{}), 0);
    EXPECT_EQ(table.fontNameId(QStringLiteral("Font 3999")), 3999);
}

TEST(Worksheet, CellsShareFormatsInsteadOfCopyingThem) {
    Worksheet sheet;
    for (int r = 1; r <= 20000; ++r) {
        sheet.setInteriorColorIndex(CellRange::cell(r, 2), xl::kPaletteLime);
        sheet.setBorderLineStyle(CellRange::cell(r, 2), 10, 1);
    }
    EXPECT_EQ(sheet.storedCellCount(), 20000u);
    EXPECT_EQ(sheet.formats().size(), 3u); // default, filled, filled with an edge
    EXPECT_LT(sheet.approximateBytes() / sheet.storedCellCount(), 64u);
}

// A range formatted at once keeps what its stored cells hold and gives the
// cells it adds their column's format, in column order.
TEST(Worksheet, ARangeFormatsItsStoredAndItsNewCellsAlike) {
    Worksheet sheet;
    sheet.setFontSize({1, 4, kMaxRows, 4}, 14); // Columns("D:D")
    sheet.setValue(CellRange::cell(5, 6), QStringLiteral("kept"));
    sheet.setBorderLineStyle(CellRange::cell(5, 3), xl::kEdgeLeft, xl::kDouble);
    sheet.setInteriorColorIndex({5, 2, 6, 7}, xl::kPaletteLime);
    struct Expected {
        int row, column;
        double fontSize;
        std::int16_t left;
        const char* value;
    };
    for (const Expected& e :
         {Expected{5, 2, 10, xl::kLineStyleNone, ""}, Expected{5, 3, 10, xl::kDouble, ""},
          Expected{5, 4, 14, xl::kLineStyleNone, ""}, Expected{5, 6, 10, xl::kLineStyleNone, "kept"},
          Expected{6, 4, 14, xl::kLineStyleNone, ""}, Expected{6, 7, 10, xl::kLineStyleNone, ""}}) {
        SCOPED_TRACE(testing::Message() << e.row << "," << e.column);
        EXPECT_EQ(sheet.format(e.row, e.column).fillColorIndex, xl::kPaletteLime);
        EXPECT_EQ(sheet.format(e.row, e.column).fontSize(), e.fontSize);
        EXPECT_EQ(sheet.format(e.row, e.column).border(Edge::Left), e.left);
        EXPECT_EQ(sheet.value(e.row, e.column), QString::fromLatin1(e.value));
    }
    EXPECT_EQ(sheet.storedCellCount(), 12u);
    std::vector<int> columns;
    for (const Cell& cell : sheet.storedCells(5)) columns.push_back(cell.column);
    EXPECT_EQ(columns, (std::vector<int>{2, 3, 4, 5, 6, 7}));
}

// Rows that grow together, in any column order, keep every cell in its place:
// the room rows give up as they grow goes to rows begun later, and a copy of
// the sheet keeps its own cells.
TEST(Worksheet, RowsGrowingTogetherKeepTheirCellsInColumnOrder) {
    const auto text = [](int row, int column) { return QString::number(row * 1000 + column); };
    struct Order {
        const char* name;
        std::vector<int> columns;
    };
    std::vector<int> ascending(40), descending(40), oddsThenEvens;
    std::iota(ascending.begin(), ascending.end(), 1);
    std::reverse_copy(ascending.begin(), ascending.end(), descending.begin());
    for (int first : {1, 2})
        for (int c = first; c <= 40; c += 2) oddsThenEvens.push_back(c);
    for (const Order& order :
         {Order{"ascending", ascending}, Order{"descending", descending}, Order{"odds, then evens", oddsThenEvens}}) {
        SCOPED_TRACE(order.name);
        Worksheet sheet;
        for (int firstRow : {1, 6}) // rows 6 to 10 begin once rows 1 to 5 have outgrown their first room
            for (int column : order.columns)
                for (int row = firstRow; row < firstRow + 5; ++row)
                    sheet.setValue(CellRange::cell(row, column), text(row, column));
        const Worksheet copy = sheet;
        sheet.setFontSize({1, 1, 10, 100}, 12); // every row of the original grows to 100 cells
        for (int row = 1; row <= 10; ++row) {
            std::vector<int> stored;
            for (const Cell& cell : copy.storedCells(row)) stored.push_back(cell.column);
            EXPECT_EQ(stored, ascending) << "row " << row;
            for (int column : ascending) {
                EXPECT_EQ(copy.value(row, column), text(row, column));
                EXPECT_EQ(copy.format(row, column).fontSize(), 10);
                EXPECT_EQ(sheet.value(row, column), text(row, column));
            }
            EXPECT_EQ(sheet.storedCells(row).size(), 100u);
        }
        EXPECT_EQ(copy.storedCellCount(), 400u);
    }
}
