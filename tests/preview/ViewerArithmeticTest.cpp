#include "preview/ViewerArithmetic.h"

#include <gtest/gtest.h>

using namespace preview;

TEST(ViewerArithmetic, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfEven(10.5), 10);
    EXPECT_EQ(RoundHalfEven(11.5), 12);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(37.8), 38);
}

TEST(ViewerArithmetic, ScrollRangeSwitchesToTensAboveAHundredPixels) {
    EXPECT_FALSE(ScrollRangeFor(622, 622).enabled);
    EXPECT_EQ(ScrollRangeFor(622, 622).step, 0);
    EXPECT_FALSE(ScrollRangeFor(300, 622).enabled);

    const ScrollRange one = ScrollRangeFor(623, 622);
    EXPECT_TRUE(one.enabled);
    EXPECT_EQ(one.maximum, 1);
    EXPECT_EQ(one.step, 1);

    const ScrollRange hundred = ScrollRangeFor(722, 622);
    EXPECT_EQ(hundred.maximum, 100);
    EXPECT_EQ(hundred.step, 1);

    const ScrollRange hundredOne = ScrollRangeFor(723, 622);
    EXPECT_EQ(hundredOne.maximum, 10);
    EXPECT_EQ(hundredOne.step, 10);

    EXPECT_EQ(ScrollRangeFor(727, 622).maximum, 10);  // 10.5 rounds down to even
    EXPECT_EQ(ScrollRangeFor(737, 622).maximum, 12);  // 11.5 rounds up to even
}

TEST(ViewerArithmetic, ZoomedSizesAndCaps) {
    EXPECT_EQ(ZoomedLength(3.75f, 1000), 3750);
    EXPECT_EQ(ZoomedLength(0.75f, 201), 150);
    EXPECT_TRUE(FitsZoomCaps(3999, 8999));
    EXPECT_FALSE(FitsZoomCaps(4000, 100));
    EXPECT_FALSE(FitsZoomCaps(100, 9000));
}

TEST(ViewerArithmetic, DraggedOffsetStaysWithinTheViewport) {
    EXPECT_EQ(ClampCanvasOffset(-70, 622, 1000), -70);
    EXPECT_EQ(ClampCanvasOffset(35, 622, 1000), 0);
    EXPECT_EQ(ClampCanvasOffset(-900, 622, 1000), -378);
    // A narrow canvas goes against the far edge unless the offset is positive.
    EXPECT_EQ(ClampCanvasOffset(-5, 622, 300), 322);
    EXPECT_EQ(ClampCanvasOffset(0, 622, 300), 322);
    EXPECT_EQ(ClampCanvasOffset(1, 622, 300), 0);
}

TEST(ViewerArithmetic, ButtonUpPercentages) {
    EXPECT_EQ(ScrolledPercent(-150, 1300, 800), 30);
    EXPECT_EQ(ScrolledPercent(0, 1300, 800), 0);
    EXPECT_EQ(ScrolledPercent(-4, 800, 800), std::nullopt);  // undefined: the bar is left alone
    EXPECT_LT(*ScrolledPercent(322, 300, 622), 0);

    EXPECT_EQ(ScrollValueAtPercent(30, 50), 15);
    EXPECT_EQ(ScrollValueAtPercent(30, 38), 11);  // 11.4
    EXPECT_EQ(ScrollValueAtPercent(100, 38), 38);
    EXPECT_EQ(ScrollValueAtPercent(-1, 38), std::nullopt);
    EXPECT_EQ(ScrollValueAtPercent(101, 38), std::nullopt);
}
