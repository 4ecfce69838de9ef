#include "LayoutDescription.h"

#include "chart/ChartLayout.h"
#include "chart/GenerationCount.h"
#include "chart/LocaleNumber.h"
#include "shell/shared/RoundHalfEven.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>
#include <map>
#include <set>

using namespace chart;
using chart::testing::describeAll;

namespace {

std::vector<std::string> fixedPart(const std::string& title, const std::string& generationLine) {
    return {
        "116 Cells.Font.Name=\"Tahoma\"",
        "118 Columns(A:A).ColumnWidth=\"2\"",
        "120 Columns(B:B).ColumnWidth=\"24\"",
        "122 Columns(C:C).ColumnWidth=\"24\"",
        "124 Columns(D:D).ColumnWidth=\"24\"",
        "126 Columns(E:E).ColumnWidth=\"24\"",
        "128 Columns(F:F).ColumnWidth=\"24\"",
        "130 Range(B2:F2).Merge",
        "132 Cells(2,2).HorizontalAlignment=-4131",
        "134 Cells(2,2).Font.Size=20",
        "136 Cells(2,2).Font.Name=\"Tahoma\"",
        "138 Cells(2,2).Value=\"" + title + "\"",
        "140 Cells(2,2).Font.ColorIndex=16",
        "142 Range(B3:F3).Merge",
        "144 Cells(3,2).HorizontalAlignment=-4131",
        "146 Cells(3,2).Font.Size=11",
        "148 Cells(3,2).Value=\"" + generationLine + "\"",
    };
}

void addBox(std::vector<std::string>& ops, int row, int column) {
    const std::string cell = "Cells(" + std::to_string(row) + "," + std::to_string(column) + ")";
    ops.push_back("170 " + cell + ".Interior.ColorIndex=" + std::to_string(kBoxColorIndex));
    ops.push_back("172 " + cell + ".Borders(7).LineStyle=1");
    ops.push_back("174 " + cell + ".Borders(8).LineStyle=1");
    ops.push_back("176 " + cell + ".Borders(9).LineStyle=1");
    ops.push_back("178 " + cell + ".Borders(10).LineStyle=1");
}

void addRightEdges(std::vector<std::string>& ops, int fromRow, int toRow, int column) {
    for (int r = fromRow; r <= toRow; ++r)
        ops.push_back("184 Cells(" + std::to_string(r) + "," + std::to_string(column) + ").Borders(10).LineStyle=1");
}

struct Box {
    int row;
    int column;
    bool operator<(const Box& o) const { return std::tie(column, row) < std::tie(o.column, o.row); }
};

std::vector<Box> boxesOf(const ChartLayout& layout) {
    std::vector<Box> boxes;
    for (const auto& op : layout.operations)
        if (op.member == SheetMember::InteriorColorIndex) boxes.push_back({op.address.row, op.address.column});
    return boxes;
}

} // namespace

TEST(ChartLayout, ThreeGenerationsGiveTheWorkedExampleInOrder) {
    std::vector<std::string> expected = fixedPart("Family Tree for Halvarsen", "3 Generations");
    addBox(expected, 5, 2);
    addRightEdges(expected, 5, 7, 2);
    addBox(expected, 7, 2);
    addRightEdges(expected, 7, 9, 2);
    addBox(expected, 9, 2);
    addRightEdges(expected, 9, 11, 2);
    addBox(expected, 11, 2);
    addBox(expected, 6, 3);
    addRightEdges(expected, 6, 10, 3);
    addBox(expected, 10, 3);
    addBox(expected, 8, 4);
    ASSERT_EQ(expected.size(), 66u);

    const ChartLayout layout = BuildChartLayout(QStringLiteral("Halvarsen"), QStringLiteral("3"));
    EXPECT_EQ(describeAll(layout), expected);
}

TEST(ChartLayout, SizesFollowTheGenerationCount) {
    struct Row {
        const char* count;
        std::size_t operations;
        std::size_t boxes;
        std::size_t connectors;
        int lastRowOfColumnB;
    };
    for (const Row& row : {Row{"1", 22, 1, 0, 5}, Row{"2", 35, 3, 3, 7}, Row{"4", 137, 15, 45, 19},
                           Row{"5", 296, 31, 124, 35}, Row{"15", 622590, 32767, 458738, 32771}}) {
        SCOPED_TRACE(row.count);
        const ChartLayout layout = BuildChartLayout(QStringLiteral("X"), QString::fromLatin1(row.count));
        EXPECT_EQ(layout.operations.size(), row.operations);
        const auto boxes = boxesOf(layout);
        EXPECT_EQ(boxes.size(), row.boxes);
        std::size_t connectors = 0;
        for (const auto& op : layout.operations) connectors += op.step == 184;
        EXPECT_EQ(connectors, row.connectors);
        int lastB = 0;
        for (const Box& b : boxes)
            if (b.column == 2) lastB = std::max(lastB, b.row);
        EXPECT_EQ(lastB, row.lastRowOfColumnB);
    }
}

TEST(ChartLayout, CountsWithoutBoxesKeepTitleAndGenerationLine) {
    for (const char* count : {"0", "-1", "-3.7", "0.4", "-1e308"}) {
        SCOPED_TRACE(count);
        const ChartLayout layout = BuildChartLayout(QStringLiteral("Halvarsen"), QString::fromLatin1(count));
        EXPECT_EQ(describeAll(layout), fixedPart("Family Tree for Halvarsen", std::string(count) + " Generations"));
    }
}

TEST(ChartLayout, FractionalCountsRoundHalfToEvenAndShowAsTyped) {
    for (const char* count : {"2.5", "3.5"}) {
        SCOPED_TRACE(count);
        const ChartLayout layout = BuildChartLayout(QStringLiteral("A"), QString::fromLatin1(count));
        std::set<int> columns;
        for (const Box& b : boxesOf(layout)) columns.insert(b.column);
        EXPECT_EQ(columns, (std::set<int>{2, 3, 4}));
        EXPECT_EQ(layout.text(layout.operations[16].value.text), QString::fromLatin1(count) + " Generations");
    }
    // A count typed as 3.0 draws three generations and still reads 3.0.
    const ChartLayout typed = BuildChartLayout(QStringLiteral("A"), QStringLiteral("3.0"));
    EXPECT_EQ(boxesOf(typed).size(), 7u);
    EXPECT_EQ(typed.text(typed.operations[16].value.text), QStringLiteral("3.0 Generations"));
}

TEST(ChartLayout, SixGenerationsReachPastColumnFAndTheTitleStaysOverBToF) {
    const ChartLayout layout = BuildChartLayout(QStringLiteral("A"), QStringLiteral("6"));
    std::set<int> columns;
    for (const Box& b : boxesOf(layout)) columns.insert(b.column);
    EXPECT_EQ(columns, (std::set<int>{2, 3, 4, 5, 6, 7}));
    const auto lines = describeAll(layout);
    EXPECT_EQ(lines[7], "130 Range(B2:F2).Merge");
    EXPECT_EQ(lines[13], "142 Range(B3:F3).Merge");
    // No width is set for the seventh column.
    for (const auto& line : lines) EXPECT_EQ(line.find("G:G"), std::string::npos);
}

TEST(ChartLayout, EmptyRootNameKeepsTheTrailingBlank) {
    const ChartLayout layout = BuildChartLayout(QString(), QStringLiteral("1"));
    EXPECT_EQ(describeAll(layout)[11], "138 Cells(2,2).Value=\"Family Tree for \"");
}

// The drawing's rules, checked on every chart up to 12 generations: box k of a
// column sits 2^(k+1) rows below the previous one, every later box sits on the
// middle row between its two parents, and each column's right edges form one
// unbroken line from its first box to its last.
TEST(ChartLayout, EveryChartUpToTwelveGenerationsFollowsThePedigreeRules) {
    for (int G = 1; G <= 12; ++G) {
        SCOPED_TRACE(G);
        const ChartLayout layout = BuildChartLayout(QStringLiteral("R"), QString::number(G));
        std::map<int, std::vector<int>> boxRows; // column -> rows in order
        std::map<Box, std::vector<int>> bordersOfBox;
        std::map<int, std::set<int>> rightEdges; // column -> rows with a right edge
        for (const auto& op : layout.operations) {
            if (op.target != SheetTarget::Cell || op.step < 170) continue;
            const Box cell{op.address.row, op.address.column};
            if (op.member == SheetMember::InteriorColorIndex) {
                EXPECT_EQ(op.value.number, kBoxColorIndex);
                boxRows[cell.column].push_back(cell.row);
            } else {
                ASSERT_EQ(op.member, SheetMember::BorderLineStyle);
                EXPECT_EQ(op.value.number, 1);
                if (op.step != 184) bordersOfBox[cell].push_back(op.borderIndex);
                if (op.borderIndex == 10) rightEdges[cell.column].insert(cell.row);
            }
        }
        ASSERT_EQ(static_cast<int>(boxRows.size()), G);
        for (int k = 0; k < G; ++k) {
            const int column = 2 + k;
            const auto& rows = boxRows[column];
            ASSERT_EQ(rows.size(), std::size_t(1) << (G - 1 - k));
            for (std::size_t b = 0; b < rows.size(); ++b) {
                EXPECT_EQ(rows[b], (1 << k) + 4 + static_cast<int>(b) * (2 << k));
                EXPECT_EQ(bordersOfBox[(Box{rows[b], column})], (std::vector<int>{7, 8, 9, 10}));
            }
            // One unbroken right-edge line from the first box to the last, nothing beyond.
            std::set<int> line;
            for (int r = rows.front(); r <= rows.back(); ++r) line.insert(r);
            EXPECT_EQ(rightEdges[column], line);
            if (k + 1 < G) {
                const auto& children = boxRows[column + 1];
                for (std::size_t b = 0; b < children.size(); ++b)
                    EXPECT_EQ(children[b], (rows[2 * b] + rows[2 * b + 1]) / 2);
            }
        }
    }
}

TEST(ChartLayout, BadCountsGiveAClearErrorOrNoBoxes) {
    for (const char* notNumeric : {"", "  ", "abc", "nan", "NaN", "inf", "-inf", "infinity", "5 6", "0x10"}) {
        SCOPED_TRACE(notNumeric);
        try {
            BuildChartLayout(QStringLiteral("A"), QString::fromLatin1(notNumeric));
            ADD_FAILURE() << "accepted";
        } catch (const core::Error& e) {
            EXPECT_STREQ(e.what(), "Number of generations must be numeric.");
        }
    }
    for (const char* tooLarge : {"16", "16.5", "15.51", "1e308", "1.7976931348623157e308"}) {
        SCOPED_TRACE(tooLarge);
        try {
            BuildChartLayout(QStringLiteral("A"), QString::fromLatin1(tooLarge));
            ADD_FAILURE() << "accepted";
        } catch (const core::Error& e) {
            EXPECT_STREQ(e.what(), "Number of generations must be 15 or less.");
        }
    }
    // 15.5 - 1 = 14.5 rounds to the even 14: still fifteen columns.
    EXPECT_EQ(boxesOf(BuildChartLayout(QStringLiteral("A"), QStringLiteral("15.5"))).size(), 32767u);
}

TEST(ChartLayout, RoundingAndPowerHelpers) {
    EXPECT_EQ(shell::roundHalfEven(0.5), 0);
    EXPECT_EQ(shell::roundHalfEven(1.5), 2);
    EXPECT_EQ(shell::roundHalfEven(2.5), 2);
    EXPECT_EQ(shell::roundHalfEven(-0.5), -0.0);
    EXPECT_EQ(shell::roundHalfEven(-1.5), -2);
    EXPECT_EQ(shell::roundHalfEven(2.5000001), 3);
    EXPECT_EQ(MyPower(2, 14), 16384);
    EXPECT_EQ(MyPower(2, 0), 1);
    EXPECT_EQ(boxColumnCount(-1e308), 0);
    EXPECT_EQ(boxColumnCount(0.5), 1); // -0.5 rounds to 0: the root box alone
    EXPECT_EQ(boxColumnCount(0.49), 0);
    EXPECT_EQ(boxColumnCount(1.5), 1); // 0.5 rounds to 0: one column
    EXPECT_EQ(boxColumnCount(1e308), kMaxGenerations + 1);
}

TEST(LocaleNumber, TakesTheCFormAndBlanksButNoSpecialValues) {
    EXPECT_EQ(parseLocaleNumber(QStringLiteral("2.5")), 2.5);
    EXPECT_EQ(parseLocaleNumber(QStringLiteral(" 7 ")), 7.0);
    EXPECT_EQ(parseLocaleNumber(QStringLiteral("-3")), -3.0);
    EXPECT_EQ(parseLocaleNumber(QStringLiteral("1e3")), 1000.0);
    EXPECT_FALSE(parseLocaleNumber(QStringLiteral("nan")));
    EXPECT_FALSE(parseLocaleNumber(QStringLiteral("inf")));
    EXPECT_FALSE(parseLocaleNumber(QString()));
}

TEST(LocaleNumber, NumbersBeyondADoubleAreStillNumbers) {
    const double largest = std::numeric_limits<double>::max();
    const QString nines(10000, QLatin1Char('9'));
    const QString tiny = QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1");
    struct Case {
        QString text;
        std::optional<double> value;
        GenerationCountCheck check;
    };
    for (const Case& c :
         {Case{nines, largest, GenerationCountCheck::TooMany},
          Case{QStringLiteral("1e400"), largest, GenerationCountCheck::TooMany},
          Case{nines + QStringLiteral("e-00000000000000000001"), largest, GenerationCountCheck::TooMany},
          Case{QStringLiteral("1e+0000000000000000400"), largest, GenerationCountCheck::TooMany},
          Case{QStringLiteral("1e-0000000000000000400"), 0.0, GenerationCountCheck::Accepted},
          Case{QStringLiteral("-1e400"), -largest, GenerationCountCheck::Accepted},
          Case{QStringLiteral("1e-400"), 0.0, GenerationCountCheck::Accepted},
          Case{tiny, 0.0, GenerationCountCheck::Accepted},
          Case{QStringLiteral("1e400x"), std::nullopt, GenerationCountCheck::NotNumeric},
          Case{QStringLiteral("1.2e400.5"), std::nullopt, GenerationCountCheck::NotNumeric}}) {
        SCOPED_TRACE(c.text.left(20).toStdString());
        EXPECT_EQ(parseLocaleNumber(c.text), c.value);
        EXPECT_EQ(checkGenerationCount(c.text), c.check);
    }
}

// Run by ctest a second time under a German locale (see CMakeLists.txt).
TEST(LocaleNumber, GermanSessionTakesTheDecimalComma) {
    if (QLocale::system().decimalPoint() != QStringLiteral(","))
        GTEST_SKIP() << "the session's locale writes decimals with a point";
    EXPECT_EQ(parseLocaleNumber(QStringLiteral("2,5")), 2.5);
    EXPECT_EQ(parseLocaleNumber(QStringLiteral("2.5")), 2.5);
    const ChartLayout layout = BuildChartLayout(QStringLiteral("A"), QStringLiteral("2,5"));
    EXPECT_EQ(boxesOf(layout).size(), 7u);
    EXPECT_EQ(layout.text(layout.operations[16].value.text), QStringLiteral("2,5 Generations"));
}
