#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace spreadsheet {

// A cell that holds a value or a format of its own. Cells that hold neither
// are not stored at all.
struct Cell {
    std::uint16_t column = 0;
    std::uint16_t format = 0; // a FormatId: a sheet has fewer than 65,536 of them
    std::uint32_t text = 0;   // 1-based index into the sheet's texts; 0: no value
};

// The stored cells of every row, each row's in column order. A row's cells
// lie together in room taken from large blocks, in sizes of powers of two;
// room a row outgrows is kept for another row of that size. A large chart's
// tens of thousands of rows thus cost a few allocations, not two each.
class CellRows {
public:
    CellRows() = default;
    CellRows(const CellRows& other);
    CellRows& operator=(const CellRows& other);
    CellRows(CellRows&& other) noexcept { *this = std::move(other); }
    CellRows& operator=(CellRows&& other) noexcept;

    // Below 1 when no row has been stored.
    int lastRow() const { return static_cast<int>(m_rows.size()) - 1; }
    std::span<Cell> cells(int row) {
        const Row& r = m_rows[static_cast<std::size_t>(row)];
        return {r.cells, r.size};
    }
    std::span<const Cell> cells(int row) const {
        const Row& r = m_rows[static_cast<std::size_t>(row)];
        return {r.cells, r.size};
    }
    // Makes the row exist, with the rows before it.
    void reach(int row) {
        if (row > lastRow()) m_rows.resize(static_cast<std::size_t>(row) + 1);
    }
    // Makes room for count new cells at position at of a row that exists,
    // the cells from at on moving behind them. Answers the first new cell,
    // for the caller to fill in; every other pointer into the row is stale.
    Cell* open(int row, std::size_t at, std::size_t count) {
        Row& r = m_rows[static_cast<std::size_t>(row)];
        if (at == r.size && r.size + count <= r.capacity) {
            r.size += static_cast<std::uint32_t>(count);
            return r.cells + at;
        }
        return openGrowing(r, at, count);
    }

    // Bytes held, for the memory figures of the benchmarks.
    std::size_t approximateBytes() const;

private:
    struct Row {
        Cell* cells = nullptr;
        std::uint32_t size = 0;
        std::uint32_t capacity = 0;
    };
    static constexpr int kSizeClasses = 17;                 // 1 to 65,536 cells
    static constexpr std::size_t kFirstBlockCells = 256;    // 2 KB: a small sheet stays small
    static constexpr std::size_t kLargestBlockCells = 8192; // 64 KB

    Cell* openGrowing(Row& row, std::size_t at, std::size_t count);
    Cell* take(int sizeClass);
    void give(Cell* cells, std::uint32_t capacity);

    std::vector<Row> m_rows; // by row
    std::vector<std::unique_ptr<Cell[]>> m_blocks;
    std::size_t m_blockCells = 0; // cells held by m_blocks
    Cell* m_next = nullptr;       // room not yet handed out in the last block
    std::size_t m_left = 0;
    Cell* m_free[kSizeClasses] = {}; // room given back, by size class; each holds the next
};

} // namespace spreadsheet
