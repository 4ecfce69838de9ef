#include "preview/ViewerArithmetic.h"

#include <gtest/gtest.h>

#include <QSize>

using namespace preview;

TEST(ViewerArithmetic, ScrollRangeInTensRoundsHalvesToEven) {
    EXPECT_FALSE(scrollRangeFor(622, 622).enabled);
    EXPECT_EQ(scrollRangeFor(622, 622).step, 0);
    EXPECT_EQ(scrollRangeFor(727, 622).maximum, 10); // 10.5
    EXPECT_EQ(scrollRangeFor(737, 622).maximum, 12); // 11.5
    EXPECT_EQ(scrollRangeFor(737, 622).step, 10);
}

TEST(ViewerArithmetic, ButtonUpPercentages) {
    EXPECT_EQ(scrolledPercent(-150, 1300, 800), 30);
    EXPECT_EQ(scrolledPercent(-4, 800, 800), std::nullopt); // undefined: the bar is left alone
    EXPECT_LT(*scrolledPercent(322, 300, 622), 0);          // a narrow canvas never moves a bar

    EXPECT_EQ(scrollValueAtPercent(30, 38), 11); // 11.4
    EXPECT_EQ(scrollValueAtPercent(100, 38), 38);
    EXPECT_EQ(scrollValueAtPercent(0, 38), 0);
    EXPECT_EQ(scrollValueAtPercent(-1, 38), std::nullopt);
    EXPECT_EQ(scrollValueAtPercent(101, 38), std::nullopt);
}

TEST(ViewerArithmetic, AZoomStepPassesOverFactorsThatReachACap) {
    struct Case {
        float zoom;
        bool out;
        int width, height;
        std::optional<float> next;
    };
    for (const Case& c : {Case{1.0f, true, 100, 17460, 0.5f},  // 0.75 is 13,095 tall
                          Case{0.5f, false, 100, 17460, 1.0f}, // 0.75 passed over, 1.0 always shows
                          Case{1.0f, false, 100, 17460, {}},   // nothing above 1.0 shows
                          Case{0.25f, true, 100, 17460, {}},   // the bound
                          Case{3.75f, false, 1000, 300, {}},   // 4000 wide reaches the cap
                          Case{2.0f, true, 3000, 100, 1.25f},  // 1.75 and 1.5 are 5250 and 4500 wide
                          Case{1.0f, false, 201, 100, 1.25f}}) {
        EXPECT_EQ(nextZoomFactor(c.zoom, c.out, c.width, c.height), c.next)
            << c.zoom << (c.out ? " out " : " in ") << c.width << "x" << c.height;
    }
}

TEST(ViewerArithmetic, WheelTurnsCountWholeNotchesAndARevertedTurnStartsAfresh) {
    struct Case {
        std::vector<int> turns;
        std::vector<int> notches;
    };
    for (const Case& c : {Case{{120, 240, -360}, {1, 2, -3}}, Case{{40, 40, 40, 40}, {0, 0, 1, 0}},
                          Case{{100, -30, -90}, {0, 0, -1}}, // the 100 does not cancel the way back
                          Case{{-150, -90}, {-1, -1}}}) {
        WheelNotches wheel;
        std::vector<int> notches;
        for (const int turn : c.turns) notches.push_back(wheel.add(turn));
        EXPECT_EQ(notches, c.notches);
    }
}

// A spot of the whole-chart view comes to the middle of the viewport, in the
// bar's steps, as far as the bar reaches.
TEST(ViewerArithmetic, TheSpotClickedOnTheWholeChartComesToTheMiddle) {
    struct Case {
        double at;
        int whole, zoomed, viewport, step, maximum, value;
    };
    for (const Case& c : {Case{311, 622, 1244, 622, 1, 622, 311}, Case{100, 100, 1000, 300, 10, 100, 85},
                          Case{104.5, 100, 1000, 300, 10, 100, 90}, // 89.5 rounds away from zero
                          Case{0, 622, 1531, 622, 1, 909, 0}, Case{622, 622, 1531, 622, 1, 909, 909},
                          Case{300, 622, 500, 622, 0, 0, 0}}) { // the bar is off
        EXPECT_EQ(barValueCentring(c.at, c.whole, c.zoomed, c.viewport, c.step, c.maximum), c.value) << c.at;
    }
}

// The whole chart fits the viewport evenly and never enlarged; a chart so
// tall that it would stand narrower than a quarter of the viewport is
// widened to the viewport, or to its own width.
TEST(ViewerArithmetic, TheWholeChartFitsEvenlyAndASliverIsWidened) {
    struct Case {
        int width, height;
        WholeChartView view;
    };
    for (const Case& c : {Case{310, 990, {155, 495, 0.5}}, // a quarter of 622, at 155: not a sliver
                          Case{309, 990, {309, 495, 0.5}}, // 154: widened, to its own width
                          Case{1529, 327670, {622, 495, 495 / 327670.0}},
                          Case{2000, 990, {622, 307, 307 / 990.0}}, // evenly, by the width
                          Case{200, 100, {200, 100, 1.0}},          // never enlarged
                          Case{0, 100, {}}}) {
        const WholeChartView view = wholeChartView(c.width, c.height, 622, 495);
        EXPECT_EQ(QSize(view.width, view.height), QSize(c.view.width, c.view.height)) << c.width << "x" << c.height;
        EXPECT_DOUBLE_EQ(view.factor, c.view.factor) << c.width << "x" << c.height;
    }
}
