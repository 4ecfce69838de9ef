#include "RowHeight.h"

#include "Worksheet.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {

int autoFitRowHeightPixels(double largestFontPoints) {
    return static_cast<int>(std::ceil(largestFontPoints * 1.7 - 1e-9));
}

namespace {

// The default font of the workbook (Arial 10) sets the standard height,
// whatever font the cells show.
constexpr int kDefaultFontHeight = CellFormat{}.fontHeight;
const int kDefaultRowHeightPixels = autoFitRowHeightPixels(kDefaultFontHeight / 20.0);

} // namespace

int defaultRowHeightPixels(const Worksheet&) { return kDefaultRowHeightPixels; }

int rowHeightPixels(const Worksheet& sheet, int row) {
    int largest = 0;
    for (const Cell& cell : sheet.storedCells(row))
        largest = std::max<int>(largest, sheet.formats().at(cell.format).fontHeight);
    // The fit grows with the font, so a row of no font above the default's
    // keeps the default height without working it out again.
    if (largest <= kDefaultFontHeight) return kDefaultRowHeightPixels;
    return std::max(kDefaultRowHeightPixels, autoFitRowHeightPixels(largest / 20.0));
}

} // namespace spreadsheet
