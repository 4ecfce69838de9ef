#pragma once

#include <QtGlobal>

#include <optional>

// The preview viewer's arithmetic, apart from any widget.
namespace preview {

inline constexpr float kZoomStep = 0.25f;
inline constexpr float kZoomMinimum = 0.25f;
inline constexpr float kZoomMaximum = 4.0f;
// A zoomed picture must stay below both, so its scroll arithmetic stays small.
inline constexpr int kZoomedWidthCap = 4000;
inline constexpr int kZoomedHeightCap = 9000;
// Up to this many pixels of overhang a scroll unit is one pixel; beyond, ten.
inline constexpr int kFineScrollLimit = 100;
inline constexpr int kCoarseScrollStep = 10;

// floor(zoom × base), formed in double precision.
int zoomedLength(float zoom, int base);

bool fitsZoomCaps(int width, int height);

// A factor shows when its picture stays below both caps; the unscaled
// picture (1.0) always shows.
bool zoomShows(float zoom, int baseWidth, int baseHeight);

// Where a zoom step goes: the next factor in its direction, within the
// bounds, that shows; nothing when none does (the factor stays).
std::optional<float> nextZoomFactor(float zoom, bool zoomOut, int baseWidth, int baseHeight);

// A scroll bar's set-up for a canvas of one outer length in a viewport of
// another: off when the canvas fits, otherwise a maximum in pixels (step 1)
// or in tens of pixels (step 10).
struct ScrollRange {
    bool enabled = false;
    int maximum = 0;
    qint16 step = 0;
};
ScrollRange scrollRangeFor(int canvasOuter, int viewportOuter);

// Where a dragged canvas may go on one axis: never right of (below) the
// viewport's origin, never leaving a gap at the far edge. A canvas smaller
// than the viewport thus sits against the far edge unless the offset is positive.
int clampCanvasOffset(double offset, int viewportInner, int canvasOuter);

// How far, in percent, the canvas is scrolled on one axis; nothing when the
// canvas and the viewport are equally long and the share is undefined.
std::optional<int> scrolledPercent(int canvasOffset, int canvasOuter, int viewportOuter);

// The bar value at a percentage of its maximum; nothing for a negative
// percentage or one beyond the maximum.
std::optional<int> scrollValueAtPercent(int percent, int maximum);

// The whole-chart view, outside the zoom steps: the picture fitted evenly
// into the viewport, never enlarged; where that would leave it a sliver (a
// chart two hundred times taller than wide), its width takes the room there
// is, so that its whole shape shows. Its factor is the smaller of the two
// axes'.
struct WholeChartView {
    int width = 0;
    int height = 0;
    double factor = 1.0;
};
WholeChartView wholeChartView(int baseWidth, int baseHeight, int viewportWidth, int viewportHeight);

// Where "Zoom In" goes from the whole-chart view: the smallest zoom factor
// above the whole chart's that shows; nothing when none does.
std::optional<float> zoomInFromWholeChart(double wholeFactor, int baseWidth, int baseHeight);

// The bar value that brings a point of the whole-chart view (at, on a canvas
// wholeLength long) to the middle of the viewport once the canvas is
// zoomedLength long; within the bar's range, 0 for a bar that is off (step 0).
int barValueCentring(double at, int wholeLength, int zoomedLength, int viewportLength, int step, int maximum);

// A scroll bar as a key on the picture moves it: its value, its maximum (0
// for a bar that is off) and how many of its units the viewport spans.
struct BarKeyState {
    int value = 0;
    int maximum = 0;
    int pageUnits = 1;
};
struct BarValues {
    int horizontal = 0;
    int vertical = 0;
};
// Where a key pressed on the picture moves the bars: an arrow one unit, as
// the bars' own arrows do; Page Up and Page Down the vertical bar by the
// viewport's height; Home and End to its start and end, with Ctrl both
// bars. Within each bar's range; nothing for any other key.
std::optional<BarValues> barValuesForKey(int key, bool withControl, const BarKeyState& horizontal,
                                         const BarKeyState& vertical);

// Whole notches of a mouse wheel (120 units of its angle each) from the
// turns it reports, which may come in parts (a fine-grained wheel or a touch
// pad); the rest waits for the next turn the same way. A turn the other way
// starts afresh.
class WheelNotches {
public:
    int add(int angleDelta);

private:
    int m_rest = 0;
};

} // namespace preview
