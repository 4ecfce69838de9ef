#include "CellRows.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <utility>

namespace spreadsheet {

namespace {

// A row that gets a second cell usually gets more (a chart row has one for
// each generation): it skips the smallest steps of growth. A row of one cell
// keeps room for one.
constexpr std::size_t kCellsAtSecond = 16;

int sizeClassFor(std::size_t cells) { return std::bit_width(cells - 1); }

void copyCells(Cell* to, const Cell* from, std::size_t count) {
    if (count != 0) std::memmove(static_cast<void*>(to), from, count * sizeof(Cell));
}

} // namespace

CellRows::CellRows(const CellRows& other) { *this = other; }

CellRows& CellRows::operator=(const CellRows& other) {
    if (this == &other) return *this;
    CellRows copy;
    copy.m_rows.resize(other.m_rows.size());
    for (std::size_t r = 0; r < other.m_rows.size(); ++r) {
        const Row& from = other.m_rows[r];
        if (from.size == 0) continue;
        copyCells(copy.open(static_cast<int>(r), 0, from.size), from.cells, from.size);
    }
    return *this = std::move(copy);
}

CellRows& CellRows::operator=(CellRows&& other) noexcept {
    m_rows = std::exchange(other.m_rows, {});
    m_blocks = std::exchange(other.m_blocks, {});
    m_blockCells = std::exchange(other.m_blockCells, 0);
    m_next = std::exchange(other.m_next, nullptr);
    m_left = std::exchange(other.m_left, 0);
    std::copy(std::begin(other.m_free), std::end(other.m_free), std::begin(m_free));
    std::fill(std::begin(other.m_free), std::end(other.m_free), nullptr);
    return *this;
}

Cell* CellRows::openGrowing(Row& row, std::size_t at, std::size_t count) {
    const std::size_t size = row.size + count;
    if (size > row.capacity) {
        const std::size_t wanted = row.size == 0 ? size : std::max({size, kCellsAtSecond, 2 * std::size_t(row.size)});
        const int sizeClass = sizeClassFor(wanted);
        Cell* room = take(sizeClass);
        copyCells(room, row.cells, at);
        copyCells(room + at + count, row.cells + at, row.size - at);
        give(row.cells, row.capacity);
        row.cells = room;
        row.capacity = std::uint32_t(1) << sizeClass;
    } else {
        copyCells(row.cells + at + count, row.cells + at, row.size - at);
    }
    row.size = static_cast<std::uint32_t>(size);
    return row.cells + at;
}

Cell* CellRows::take(int sizeClass) {
    if (Cell* room = m_free[sizeClass]) {
        std::memcpy(&m_free[sizeClass], static_cast<const void*>(room), sizeof(Cell*));
        return room;
    }
    const std::size_t cells = std::size_t(1) << sizeClass;
    if (cells > m_left) {
        // What is left of the last block goes to waste: it is less than one row's room.
        // Each block is as large as all before it, up to 64 KB.
        const std::size_t blockCells = std::max(cells, std::clamp(m_blockCells, kFirstBlockCells, kLargestBlockCells));
        m_blocks.push_back(std::make_unique_for_overwrite<Cell[]>(blockCells));
        m_blockCells += blockCells;
        m_next = m_blocks.back().get();
        m_left = blockCells;
    }
    Cell* room = m_next;
    m_next += cells;
    m_left -= cells;
    return room;
}

void CellRows::give(Cell* cells, std::uint32_t capacity) {
    if (!cells) return;
    const int sizeClass = sizeClassFor(capacity);
    std::memcpy(static_cast<void*>(cells), &m_free[sizeClass], sizeof(Cell*));
    m_free[sizeClass] = cells;
}

std::size_t CellRows::approximateBytes() const { return m_rows.capacity() * sizeof(Row) + m_blockCells * sizeof(Cell); }

} // namespace spreadsheet
