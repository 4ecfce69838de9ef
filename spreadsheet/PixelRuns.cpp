#include "PixelRuns.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace spreadsheet {

namespace {

constexpr std::size_t kFirstSlots = 64; // a power of two

std::size_t hashOf(int left, int width, QRgb colour) {
    std::uint64_t h = (std::uint64_t(std::uint32_t(left)) << 32) ^ std::uint32_t(width) ^ (std::uint64_t(colour) << 16);
    h *= 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> 32);
}

} // namespace

PixelRuns::PixelRuns(QPainter& painter) : m_painter(painter), m_slots(kFirstSlots) {}

PixelRuns::Run& PixelRuns::slotFor(int left, int width, QRgb colour) {
    // Most rectangles continue the run the one before went to.
    if (m_last && m_last->left == left && m_last->width == width && m_last->colour == colour) return *m_last;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hashOf(left, width, colour) & mask;; i = (i + 1) & mask) {
        Run& slot = m_slots[i];
        if (slot.width == 0 || (slot.left == left && slot.width == width && slot.colour == colour))
            return *(m_last = &slot);
    }
}

void PixelRuns::grow() {
    std::vector<Run> old(m_slots.size() * 2);
    old.swap(m_slots);
    m_last = nullptr;
    for (const Run& run : old)
        if (run.width != 0) slotFor(run.left, run.width, run.colour) = run;
}

void PixelRuns::fill(const QRect& pixels, QRgb colour) {
    if (pixels.isEmpty()) return;
    const int top = pixels.top(), bottom = pixels.bottom() + 1;
    Run& run = slotFor(pixels.left(), pixels.width(), colour);
    if (run.width == 0) {
        run = {pixels.left(), pixels.width(), colour, top, bottom};
        if (++m_used * 2 > m_slots.size()) grow();
        return;
    }
    if (top <= run.bottom && bottom >= run.top) {
        run.top = std::min(run.top, top);
        run.bottom = std::max(run.bottom, bottom);
        return;
    }
    fillRun(run);
    run.top = top;
    run.bottom = bottom;
}

void PixelRuns::flush() {
    for (Run& run : m_slots) {
        if (run.width != 0) fillRun(run);
        run = {};
    }
    m_used = 0;
    m_last = nullptr;
}

void PixelRuns::fillRun(const Run& run) {
    m_painter.fillRect(QRect(run.left, run.top, run.width, run.bottom - run.top), QColor(run.colour));
}

} // namespace spreadsheet
