#include "chart/AncestorBoxes.h"
#include "chart/ChartFamily.h"
#include "core/Error.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <functional>

using namespace chart;
using spreadsheet::CellFill;
using spreadsheet::ContentCell;
using spreadsheet::SheetContent;

namespace {

// A sheet as a chart of that many generations leaves it: title, generation
// line, a filled cell at every box, the labels by ancestor number.
SheetContent chartSheet(int generations, const QString& title, std::map<std::uint32_t, QString> labels = {},
                        const QString& line = {}) {
    SheetContent sheet;
    sheet.sheetName = QStringLiteral("Sheet1");
    sheet.add({2, 2, title, CellFill::Unfilled});
    sheet.add({3, 2, line.isEmpty() ? QStringLiteral("%1 Generations").arg(generations) : line, CellFill::Unfilled});
    for (const AncestorBox& box : ancestorBoxes(generations))
        sheet.add({box.row, box.column, labels.count(box.number) ? labels[box.number] : QString(), CellFill::Filled});
    sheet.finish();
    return sheet;
}

// The sheet with each cell moved as a row or column inserted or deleted moves it.
SheetContent moved(const SheetContent& sheet, const std::function<void(ContentCell&)>& move) {
    SheetContent result;
    result.sheetName = sheet.sheetName;
    for (ContentCell cell : sheet.cells()) {
        move(cell);
        if (cell.row >= 1 && cell.column >= 1) result.add(cell);
    }
    result.finish();
    return result;
}

std::string refusalOf(const SheetContent& sheet) {
    try {
        findChart(sheet, QStringLiteral("chart.xlsx"));
        return "found";
    } catch (const core::Error& e) {
        EXPECT_EQ(e.kind(), core::ErrorKind::DataDamaged);
        return e.what();
    }
}

// "1 Ole /Hansen/ U 1820-1891", one line a person.
QStringList people(const gedcom::PedigreePeople& all) {
    QStringList out;
    for (std::size_t n = 1; n < all.size(); ++n) {
        if (!all[n]) continue;
        const char* sex = all[n]->sex == gedcom::Sex::Male ? "M" : all[n]->sex == gedcom::Sex::Female ? "F" : "U";
        out << QStringLiteral("%1 %2 %3 %4-%5")
                   .arg(n)
                   .arg(all[n]->name, QLatin1String(sex), all[n]->birthDate, all[n]->deathDate);
    }
    return out;
}

} // namespace

// The chart is found where the layout puts it, or refused naming the cell
// where something was expected.
TEST(ChartOnSheet, FindsTheChartOnlyWhereTheLayoutPutsIt) {
    const SheetContent drawn = chartSheet(3, QStringLiteral("Family Tree for Ole"), {{1, QStringLiteral("Ole")}});
    const std::string noChart = "'chart.xlsx' holds no chart as Kinloom draws it on its first sheet, 'Sheet1': ";
    SheetContent otherSheetFirst;
    otherSheetFirst.sheetName = QStringLiteral("Notes");
    otherSheetFirst.add({2, 2, QStringLiteral("Our notes"), CellFill::Unfilled});
    otherSheetFirst.finish();
    const struct {
        const char* what;
        SheetContent sheet;
        std::string refusal;
    } cases[] = {
        {"as drawn", drawn, "found"},
        {"a row inserted between the boxes", moved(drawn, [](ContentCell& c) { c.row += c.row >= 8; }),
         noChart
             + "a chart of 3 generations has a box at D8, and there is none; were rows or columns inserted or "
               "deleted?"},
        {"two rows inserted above the boxes", moved(drawn, [](ContentCell& c) { c.row += c.row >= 4 ? 2 : 0; }),
         noChart
             + "a chart of 3 generations has a box at D8, and there is none; were rows or columns inserted or "
               "deleted?"},
        {"the first row deleted", moved(drawn, [](ContentCell& c) { --c.row; }),
         noChart + "B2 should hold the chart's title (\"Family Tree for …\")."},
        {"a column inserted before B", moved(drawn, [](ContentCell& c) { c.column += c.column >= 2; }),
         noChart + "B2 should hold the chart's title (\"Family Tree for …\")."},
        {"a column inserted between C and D", moved(drawn, [](ContentCell& c) { c.column += c.column >= 4; }),
         noChart
             + "a chart of 3 generations has a box at D8, and there is none; were rows or columns inserted or "
               "deleted?"},
        {"the generation line rewritten", chartSheet(3, QStringLiteral("Family Tree for Ole"), {}, "Three generations"),
         noChart + "B3 should hold the number of generations (\"5 Generations\")."},
        {"too many generations", chartSheet(3, QStringLiteral("Family Tree for Ole"), {}, "16 Generations"),
         noChart + "B3 says \"16 Generations\"; a chart has 1 to 15 generations."},
        {"another sheet first", otherSheetFirst,
         "'chart.xlsx' holds no chart as Kinloom draws it on its first sheet, 'Notes': B2 should hold the chart's "
         "title (\"Family Tree for …\")."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(refusalOf(c.sheet), c.refusal);
    }
}

// Titles and generation lines in each language Kinloom speaks, counts as
// each writes them.
TEST(ChartOnSheet, ReadsTitleAndGenerationLineInEachLanguage) {
    const struct {
        const char* title;
        const char* line;
        const char* root;
        const char* count;
        long long columns;
    } cases[] = {
        {"Family Tree for Ole Hansen", "4 Generations", "Ole Hansen", "4", 4},
        {"Family Tree for ", "1 Generations", "", "1", 1},
        {"Slektstre for Kari", "3 generasjoner", "Kari", "3", 3},
        {"Stammbaum für Jürgen", "2,5 Generationen", "Jürgen", "2,5", 3},
        {"family tree for  Ole", "3.0 GENERATIONS", "Ole", "3.0", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const SheetContent sheet =
            chartSheet(int(c.columns), QString::fromUtf8(c.title), {}, QString::fromUtf8(c.line));
        const ChartOnSheet chart = findChart(sheet, QStringLiteral("chart.ods"));
        EXPECT_EQ(chart.titleName, QString::fromUtf8(c.root));
        EXPECT_EQ(chart.generationText, QString::fromUtf8(c.count));
        EXPECT_EQ(chart.boxColumns, c.columns);
    }
}

// Who the boxes give: sexes by place, the title's root where the root's box
// is empty, people without names where the line must hold, nobody beyond.
TEST(ChartFamily, GivesEachFilledBoxAPersonAndHoldsTheLines) {
    const struct {
        const char* what;
        const char* title;
        std::map<std::uint32_t, QString> labels;
        QStringList people;
    } cases[] = {
        {"root from the title",
         "Family Tree for Ole Hansen",
         {{3, QStringLiteral("Kari Nilsdatter (b. 1800)")}},
         {"1 Ole /Hansen/ U -", "3 Kari /Nilsdatter/ F 1800-"}},
        {"the root's box before the title",
         "Family Tree for Ole",
         {{1, QStringLiteral("1 Anna /Vik/ (1864–1945)")}},
         {"1 Anna /Vik/ U 1864-1945"}},
        {"empty boxes between known people",
         "Family Tree for ",
         {{5, QStringLiteral("Marit")}},
         {"1  U -", "2  M -", "5 Marit F -"}},
        {"an empty chart with a name", "Family Tree for Halvarsen", {}, {"1 Halvarsen U -"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ChartOnSheet chart = findChart(chartSheet(3, QString::fromUtf8(c.title), c.labels), "chart.xls");
        EXPECT_EQ(people(familyOfChart(chart, QStringLiteral("chart.xls")).people), c.people);
    }
}

// What cannot be read whole is warned about, by cell, at most 20 of a kind.
TEST(ChartFamily, WarnsByCellAndCountsTheRest) {
    std::map<std::uint32_t, QString> labels;
    for (std::uint32_t n = 32; n < 64; ++n) labels[n] = QStringLiteral("Ole Hansen (1820");
    labels[2] = QStringLiteral("7 Per Vik");
    SheetContent sheet = chartSheet(6, QStringLiteral("Family Tree for Ole"), labels);
    sheet.add({7, 3, QStringLiteral("married 1845"), CellFill::Unfilled});
    sheet.finish();
    const QStringList warnings = familyOfChart(findChart(sheet, "chart.ods"), QStringLiteral("chart.ods")).warnings;
    ASSERT_EQ(warnings.size(), 23);
    EXPECT_EQ(warnings[0],
              QStringLiteral("chart.ods: warning: F20: \"7 Per Vik\" begins with a number that is not "
                             "this box's; it is kept in the name"));
    EXPECT_EQ(warnings[1],
              QStringLiteral("chart.ods: warning: B5: \"Ole Hansen (1820\" cannot be read as a name with "
                             "years; it is kept whole as the name"));
    EXPECT_EQ(warnings[21],
              QStringLiteral("chart.ods: warning: C7: \"married 1845\" stands in no box and is left out"));
    EXPECT_EQ(warnings[22], QStringLiteral("chart.ods: warning: and 12 more labels kept whole as names"));
}
