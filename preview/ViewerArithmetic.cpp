#include "ViewerArithmetic.h"

#include "shell/shared/RoundHalfEven.h"

#include <QtCore/qnamespace.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace preview {

int zoomedLength(float zoom, int base) {
    return static_cast<int>(std::floor(static_cast<double>(zoom) * static_cast<double>(base)));
}

bool fitsZoomCaps(int width, int height) { return width < kZoomedWidthCap && height < kZoomedHeightCap; }

bool zoomShows(float zoom, int baseWidth, int baseHeight) {
    return zoom == 1.0f || fitsZoomCaps(zoomedLength(zoom, baseWidth), zoomedLength(zoom, baseHeight));
}

std::optional<float> nextZoomFactor(float zoom, bool zoomOut, int baseWidth, int baseHeight) {
    const float step = zoomOut ? -kZoomStep : kZoomStep;
    for (float next = zoom + step; next >= kZoomMinimum && next <= kZoomMaximum; next += step)
        if (zoomShows(next, baseWidth, baseHeight)) return next;
    return std::nullopt;
}

ScrollRange scrollRangeFor(int canvasOuter, int viewportOuter) {
    if (canvasOuter <= viewportOuter) return {};
    const float span = static_cast<float>(canvasOuter - viewportOuter);
    if (span <= kFineScrollLimit) return {true, shell::roundHalfEvenToInt(span), 1};
    return {true, shell::roundHalfEvenToInt(span / kCoarseScrollStep), kCoarseScrollStep};
}

int clampCanvasOffset(double offset, int viewportInner, int canvasOuter) {
    if (offset > 0) return 0;
    const int farthest = viewportInner - canvasOuter;
    if (farthest > offset) return farthest;
    return shell::roundHalfEvenToInt(offset);
}

std::optional<int> scrolledPercent(int canvasOffset, int canvasOuter, int viewportOuter) {
    const int overhang = canvasOuter - viewportOuter;
    if (overhang == 0) return std::nullopt;
    return shell::roundHalfEvenToInt(std::abs(canvasOffset) / static_cast<double>(overhang) * 100.0);
}

std::optional<int> scrollValueAtPercent(int percent, int maximum) {
    if (percent < 0) return std::nullopt;
    const double target = percent / 100.0 * maximum;
    if (target > maximum) return std::nullopt;
    return shell::roundHalfEvenToInt(target);
}

WholeChartView wholeChartView(int baseWidth, int baseHeight, int viewportWidth, int viewportHeight) {
    if (baseWidth <= 0 || baseHeight <= 0) return {};
    const double even = std::min({1.0, viewportWidth / double(baseWidth), viewportHeight / double(baseHeight)});
    int width = std::max(1, static_cast<int>(baseWidth * even));
    const int height = std::max(1, static_cast<int>(baseHeight * even));
    // A chart of many generations is far taller than wide: fitted evenly it
    // would stand as a sliver, so its width takes the room there is.
    if (width < viewportWidth / 4) width = std::max(1, std::min(baseWidth, viewportWidth));
    return {width, height, std::min(width / double(baseWidth), height / double(baseHeight))};
}

std::optional<float> zoomInFromWholeChart(double wholeFactor, int baseWidth, int baseHeight) {
    for (float zoom = kZoomMinimum; zoom <= kZoomMaximum; zoom += kZoomStep)
        if (zoom > wholeFactor && zoomShows(zoom, baseWidth, baseHeight)) return zoom;
    return std::nullopt;
}

int barValueCentring(double at, int wholeLength, int zoomedLength, int viewportLength, int step, int maximum) {
    if (step <= 0 || wholeLength <= 0) return 0;
    const double wanted = (at * zoomedLength / wholeLength - viewportLength / 2.0) / step;
    return static_cast<int>(std::clamp<double>(std::lround(wanted), 0, std::max(maximum, 0)));
}

std::optional<BarValues> barValuesForKey(int key, bool withControl, const BarKeyState& horizontal,
                                         const BarKeyState& vertical) {
    int h = horizontal.value;
    int v = vertical.value;
    switch (key) {
    case Qt::Key_Left: --h; break;
    case Qt::Key_Right: ++h; break;
    case Qt::Key_Up: --v; break;
    case Qt::Key_Down: ++v; break;
    case Qt::Key_PageUp: v -= vertical.pageUnits; break;
    case Qt::Key_PageDown: v += vertical.pageUnits; break;
    case Qt::Key_Home:
        v = 0;
        if (withControl) h = 0;
        break;
    case Qt::Key_End:
        v = vertical.maximum;
        if (withControl) h = horizontal.maximum;
        break;
    default: return std::nullopt;
    }
    return BarValues{std::clamp(h, 0, std::max(horizontal.maximum, 0)),
                     std::clamp(v, 0, std::max(vertical.maximum, 0))};
}

int WheelNotches::add(int angleDelta) {
    constexpr int kNotch = 120;
    if ((angleDelta > 0 && m_rest < 0) || (angleDelta < 0 && m_rest > 0)) m_rest = 0;
    m_rest += angleDelta;
    const int notches = m_rest / kNotch;
    m_rest -= notches * kNotch;
    return notches;
}

} // namespace preview
