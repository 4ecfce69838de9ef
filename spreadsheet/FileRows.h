#pragma once

#include "CellFormat.h"
#include "CellRange.h"

#include <QString>

#include <vector>

namespace spreadsheet {

class Worksheet;

// A cell as every file format stores it: a stored cell, or a cell of a
// merged area, which all carry the area's format.
struct FileCell {
    int column;
    FormatId format;
    const QString* text;             // null when the cell holds no value
    const CellRange* area = nullptr; // the merged area it lies in, if any (the sheet's own)
    bool hasText() const { return text && !text->isEmpty(); }
    // A merged area's cell other than its first, which shows the area.
    bool isCovered(int row) const { return area && !(area->firstRow == row && area->firstColumn == column); }
};

// The cells of each row as files store them, in column order.
class RowCells {
public:
    explicit RowCells(const Worksheet& sheet) : m_sheet(sheet) {}
    std::vector<FileCell> of(int row) const;
    // The same into cells, whose room is kept from row to row.
    void of(int row, std::vector<FileCell>& cells) const;

private:
    const Worksheet& m_sheet;
};

// The last row a file holds: the last stored row, or a merged area's last
// row when one reaches further. 0 for an empty sheet.
int lastFileRow(const Worksheet& sheet);

} // namespace spreadsheet
