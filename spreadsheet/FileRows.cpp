#include "FileRows.h"

#include "Worksheet.h"

#include <algorithm>

namespace spreadsheet {

std::vector<FileCell> RowCells::of(int row) const {
    std::vector<FileCell> cells;
    of(row, cells);
    return cells;
}

void RowCells::of(int row, std::vector<FileCell>& cells) const {
    cells.clear();
    for (const Cell& cell : m_sheet.storedCells(row))
        cells.push_back({cell.column, cell.format, cell.text ? &m_sheet.text(cell) : nullptr});
    bool merged = false;
    for (const CellRange& area : m_sheet.mergedRanges()) {
        if (row < area.firstRow || row > area.lastRow) continue;
        merged = true;
        const FormatId areaFormat = m_sheet.formatId(area.firstRow, area.firstColumn);
        for (int c = area.firstColumn; c <= area.lastColumn; ++c) {
            auto it = std::find_if(cells.begin(), cells.end(), [&](const FileCell& f) { return f.column == c; });
            if (it == cells.end()) {
                cells.push_back({c, areaFormat, nullptr, &area});
            } else {
                it->format = areaFormat;
                it->area = &area;
            }
        }
    }
    if (merged)
        std::sort(cells.begin(), cells.end(), [](const FileCell& a, const FileCell& b) { return a.column < b.column; });
}

int lastFileRow(const Worksheet& sheet) {
    int lastRow = std::max(0, sheet.lastStoredRow());
    for (const CellRange& area : sheet.mergedRanges()) lastRow = std::max(lastRow, area.lastRow);
    return lastRow;
}

} // namespace spreadsheet
