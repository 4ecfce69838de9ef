#include "chart/AncestorBoxes.h"
#include "chart/ChartLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

using namespace chart;

// Every numbered box is a box the layout fills, every filled box has one
// number, and each person's father stands above and their mother below them,
// one column to the left.
TEST(AncestorBoxes, NumberEveryBoxOfTheLayoutFatherAboveMother) {
    for (int generations = 1; generations <= 8; ++generations) {
        const ChartLayout layout = BuildChartLayout(QString(), QString::number(generations));
        std::set<std::pair<int, int>> filled;
        for (const SheetOperation& op : layout.operations)
            if (op.member == SheetMember::InteriorColorIndex) filled.insert({op.address.row, op.address.column});

        std::map<std::uint32_t, AncestorBox> byNumber;
        std::set<std::pair<int, int>> numbered;
        for (const AncestorBox& box : ancestorBoxes(boxColumnCount(generations))) {
            byNumber[box.number] = box;
            numbered.insert({box.row, box.column});
        }
        EXPECT_EQ(numbered, filled) << generations;
        ASSERT_EQ(byNumber.size(), filled.size());
        EXPECT_EQ(byNumber.begin()->first, 1u);
        EXPECT_EQ(byNumber.rbegin()->first, filled.size());
        for (const auto& [number, box] : byNumber) {
            if (2 * number + 1 > filled.size()) continue;
            const AncestorBox& father = byNumber[2 * number];
            const AncestorBox& mother = byNumber[2 * number + 1];
            EXPECT_EQ(father.column, box.column - 1);
            EXPECT_EQ(mother.column, box.column - 1);
            EXPECT_LT(father.row, box.row);
            EXPECT_GT(mother.row, box.row);
        }
    }
    EXPECT_TRUE(ancestorBoxes(0).empty());
}
