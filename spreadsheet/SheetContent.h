#pragma once

#include "CellRange.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace spreadsheet {

// Whether a cell is filled with a colour, as far as its own format says.
enum class CellFill : std::uint8_t {
    Inherited, // no format of its own: the areas below decide
    Filled,
    Unfilled,
};

struct ContentCell {
    int row = 0; // from 1
    int column = 0;
    QString text; // as the cell shows it; empty where it holds no value
    CellFill fill = CellFill::Inherited;
};

// What the first worksheet of a workbook file shows: the text of each cell
// that holds a value (numbers, booleans and formula results as a spreadsheet
// shows them in General format) and which cells are filled. Nothing else of
// the sheet is kept: it is read to be looked at, never saved again.
class SheetContent {
public:
    QString sheetName;

    // Sorts the cells and keeps one of each, the last added; call once all are in.
    void finish();

    const std::vector<ContentCell>& cells() const { return m_cells; }
    QString text(int row, int column) const;
    bool isFilled(int row, int column) const;

    void add(ContentCell cell) { m_cells.push_back(std::move(cell)); }
    // Cells of the area without a format of their own are filled (a column's format).
    void addFilledArea(const CellRange& area) { m_filledAreas.push_back(area); }

private:
    const ContentCell* find(int row, int column) const;

    std::vector<ContentCell> m_cells;
    std::vector<CellRange> m_filledAreas;
};

// The most cells a reader keeps of one sheet: a filled chart of 15
// generations has some 500,000 formatted cells, while repeated rows could
// claim billions.
inline constexpr std::size_t kMaxContentCells = std::size_t(1) << 22;
// Throws core::Error (DataDamaged) saying that a sheet holds more cells than
// that, its file named %1 and left empty.
[[noreturn]] void throwTooManyCells();

// The most a workbook file may take: a filled chart of 15 generations takes
// a few megabytes in any format.
inline constexpr qint64 kMaxWorkbookFileBytes = 256LL << 20;

// Reads the first worksheet of an .xls, .xlsx or .ods file, whatever its
// name says: the format is told by the content. Throws core::Error: FileFailed
// when the file cannot be read, DataDamaged when it is no workbook of these
// formats, is password-protected or damaged, each message naming the file.
SheetContent readSheetContent(const QString& path);
SheetContent sheetContentOf(const QByteArray& bytes, const QString& nameForMessages);

} // namespace spreadsheet
