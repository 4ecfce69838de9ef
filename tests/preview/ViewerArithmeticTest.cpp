#include "preview/ViewerArithmetic.h"

#include <gtest/gtest.h>

using namespace preview;

TEST(ViewerArithmetic, ScrollRangeInTensRoundsHalvesToEven) {
    EXPECT_FALSE(ScrollRangeFor(622, 622).enabled);
    EXPECT_EQ(ScrollRangeFor(622, 622).step, 0);
    EXPECT_EQ(ScrollRangeFor(727, 622).maximum, 10);  // 10.5
    EXPECT_EQ(ScrollRangeFor(737, 622).maximum, 12);  // 11.5
    EXPECT_EQ(ScrollRangeFor(737, 622).step, 10);
}

TEST(ViewerArithmetic, ButtonUpPercentages) {
    EXPECT_EQ(ScrolledPercent(-150, 1300, 800), 30);
    EXPECT_EQ(ScrolledPercent(-4, 800, 800), std::nullopt);  // undefined: the bar is left alone
    EXPECT_LT(*ScrolledPercent(322, 300, 622), 0);            // a narrow canvas never moves a bar

    EXPECT_EQ(ScrollValueAtPercent(30, 38), 11);  // 11.4
    EXPECT_EQ(ScrollValueAtPercent(100, 38), 38);
    EXPECT_EQ(ScrollValueAtPercent(-1, 38), std::nullopt);
    EXPECT_EQ(ScrollValueAtPercent(101, 38), std::nullopt);
}
