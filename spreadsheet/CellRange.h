#pragma once

#include <QString>
#include <QStringView>

namespace spreadsheet {

// Sheet size of an Excel 97-2003 worksheet.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;

// A rectangle of cells, 1-based and inclusive on both ends.
struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    static CellRange cell(int row, int column) { return {row, column, row, column}; }
    static CellRange wholeSheet() { return {1, 1, kMaxRows, kMaxColumns}; }

    int rowCount() const { return lastRow - firstRow + 1; }
    int columnCount() const { return lastColumn - firstColumn + 1; }
    bool isSingleCell() const { return firstRow == lastRow && firstColumn == lastColumn; }
    bool coversWholeColumns() const { return firstRow == 1 && lastRow == kMaxRows; }
    bool isWholeSheet() const { return coversWholeColumns() && firstColumn == 1 && lastColumn == kMaxColumns; }
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    bool intersects(const CellRange& o) const {
        return firstRow <= o.lastRow && o.firstRow <= lastRow && firstColumn <= o.lastColumn
            && o.firstColumn <= lastColumn;
    }
    CellRange unitedWith(const CellRange& o) const;
    bool operator==(const CellRange&) const = default;
};

// Throws core::Error (CallRejected) naming the row or column that lies off the sheet.
[[noreturn]] void throwOffSheet(int row, int column);

// Throws core::Error (CallRejected) unless row and column lie on the sheet.
inline void checkCell(int row, int column) {
    if (row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns) throwOffSheet(row, column);
}

// Parses an A1-style address: "B2", "B2:F2", "A:A", "B:D", "3:5" (with or
// without '$'). Throws core::Error (CallRejected) naming the address when it is not one.
CellRange parseAddress(QStringView address);

// "A", "B", ..., "IV".
QString columnName(int column);
// "B2:F2", or "B2" for a single cell.
QString addressText(const CellRange& range);

} // namespace spreadsheet
