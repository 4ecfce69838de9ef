#pragma once

#include <cstdint>
#include <vector>

namespace chart {

// Where the chart draws the box of an ancestor number: the root person is 1,
// the father of n is 2n and the mother 2n + 1, so numbers run down each
// column and a father's box stands above the mother's.
struct AncestorBox {
    std::uint32_t number = 0;
    int row = 0;
    int column = 0;
};

// Every box of a chart with that many box columns, root first, each
// generation top to bottom.
std::vector<AncestorBox> ancestorBoxes(long long boxColumns);

// The ancestor number of the box at a cell, 0 where the chart has no box.
std::uint32_t boxNumberAt(long long boxColumns, int row, int column);

} // namespace chart
