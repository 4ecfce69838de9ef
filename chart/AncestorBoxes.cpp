#include "AncestorBoxes.h"

#include "ChartLayout.h"

namespace chart {

std::vector<AncestorBox> ancestorBoxes(long long boxColumns) {
    std::vector<AncestorBox> boxes;
    if (boxColumns <= 0) return boxes;
    boxes.reserve((std::size_t(1) << boxColumns) - 1);
    // Generation g (the root's is 0) stands in column index k = columns - 1 - g:
    // its first box on row 2^k + 4, its boxes 2^(k+1) rows apart.
    for (long long generation = 0; generation < boxColumns; ++generation) {
        const long long k = boxColumns - 1 - generation;
        const auto first = static_cast<std::uint32_t>(1u << generation);
        for (std::uint32_t b = 0; b < first; ++b)
            boxes.push_back({first + b, static_cast<int>((1LL << k) + kFirstBoxRowOffset + b * (2LL << k)),
                             static_cast<int>(kFirstBoxColumn + k)});
    }
    return boxes;
}

std::uint32_t boxNumberAt(long long boxColumns, int row, int column) {
    const long long k = column - kFirstBoxColumn;
    if (k < 0 || k >= boxColumns) return 0;
    const long long below = row - (1LL << k) - kFirstBoxRowOffset; // rows below the column's first box
    const long long spacing = 2LL << k;
    const long long generation = boxColumns - 1 - k;
    if (below < 0 || below % spacing != 0 || below / spacing >= (1LL << generation)) return 0;
    return static_cast<std::uint32_t>((1LL << generation) + below / spacing);
}

} // namespace chart
