#include "VectorPictureIndex.h"

#include "CellFormat.h"

namespace spreadsheet {

namespace {

constexpr std::uint8_t bit(Edge edge) { return std::uint8_t(1u << static_cast<int>(edge)); }

// Row is never above the last run's: rows come in order.
void addRow(std::vector<RowRun>& runs, std::int32_t row) {
    if (!runs.empty() && runs.back().last + 1 >= row)
        runs.back().last = row;
    else
        runs.push_back({row, row});
}

} // namespace

PaintIndex indexForPainting(const PictureContent& c) {
    // What each style asks of the index, looked up once per style.
    std::vector<std::uint8_t> verticalEdges(c.styles.size()), hasFace(c.styles.size());
    for (std::size_t s = 0; s < c.styles.size(); ++s) {
        const PictureStyle& style = c.styles[s];
        verticalEdges[s] = style.borders & (bit(Edge::Left) | bit(Edge::Right));
        hasFace[s] = style.hasFill != PictureStyle::kNoFill || (style.borders & (bit(Edge::Top) | bit(Edge::Bottom)));
    }
    PaintIndex index;
    index.verticalRuns.resize(c.columnWidths.size() + 1);
    index.faceRowStarts.reserve(c.rowHeights.size() + 1);
    index.faceRowStarts.push_back(0);
    for (std::size_t row = 0; row < c.rowHeights.size(); ++row) {
        for (std::uint32_t i = c.rowStarts[row]; i < c.rowStarts[row + 1]; ++i) {
            const PictureCell cell = c.cells[i];
            if (const std::uint8_t edges = verticalEdges[cell.style]) {
                if (edges & bit(Edge::Left)) addRow(index.verticalRuns[cell.column], std::int32_t(row));
                if (edges & bit(Edge::Right)) addRow(index.verticalRuns[cell.column + 1], std::int32_t(row));
            }
            if (hasFace[cell.style]) index.faceCells.push_back(cell);
        }
        index.faceRowStarts.push_back(static_cast<std::uint32_t>(index.faceCells.size()));
    }
    return index;
}

} // namespace spreadsheet
