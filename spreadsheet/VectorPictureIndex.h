#pragma once

#include "VectorPicture.h"

#include <cstdint>
#include <vector>

namespace spreadsheet {

// Rows first to last, inclusive.
struct RowRun {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

// What a paint goes through instead of every styled cell. Most cells of a
// large chart carry nothing but the line down the right of their column
// (450,000 of a 15-generation chart's 490,000): joined down each column edge
// into runs of rows, they are 15 lines. What else a cell carries, a fill or
// a line along its top or bottom, is kept for the cells that have one.
struct PaintIndex {
    // By column edge (0: the left of the first column): the rows whose cell on
    // either side has a border on that edge.
    std::vector<std::vector<RowRun>> verticalRuns;
    // Cells with a fill or a top or bottom border, by row, then column:
    // row r's are [faceRowStarts[r], faceRowStarts[r + 1]).
    std::vector<std::uint32_t> faceRowStarts;
    std::vector<PictureCell> faceCells;
};

PaintIndex indexForPainting(const PictureContent& content);

} // namespace spreadsheet
