#include "PixelRuns.h"

#include <QPainter>

#include <algorithm>
#include <functional>

namespace spreadsheet {

std::size_t PixelRuns::ColumnsHash::operator()(const Columns& c) const noexcept {
    const std::uint64_t place = (std::uint64_t(std::uint32_t(c.left)) << 32) | std::uint32_t(c.width);
    return std::hash<std::uint64_t>()(place) ^ (std::hash<QRgb>()(c.colour) * 0x9E3779B97F4A7C15ull);
}

void PixelRuns::fill(const QRect& pixels, QRgb colour) {
    if (pixels.isEmpty()) return;
    const Columns columns{pixels.left(), pixels.width(), colour};
    const Run next{pixels.top(), pixels.bottom() + 1};
    const auto [open, added] = m_open.try_emplace(columns, next);
    if (added) return;
    Run& run = open->second;
    if (next.top <= run.bottom && next.bottom >= run.top) {
        run = {std::min(run.top, next.top), std::max(run.bottom, next.bottom)};
        return;
    }
    fillRun(columns, run);
    run = next;
}

void PixelRuns::flush() {
    for (const auto& [columns, run] : m_open) fillRun(columns, run);
    m_open.clear();
}

void PixelRuns::fillRun(const Columns& columns, const Run& run) {
    m_painter.fillRect(QRect(columns.left, run.top, columns.width, run.bottom - run.top), QColor(columns.colour));
}

} // namespace spreadsheet
