#include "RowHeight.h"

#include "Worksheet.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {

int autoFitRowHeightPixels(double largestFontPoints) {
    return static_cast<int>(std::ceil(largestFontPoints * 1.7 - 1e-9));
}

int defaultRowHeightPixels(const Worksheet&) {
    // The default font of the workbook (Arial 10) sets the standard height,
    // whatever font the cells show.
    return autoFitRowHeightPixels(10);
}

int rowHeightPixels(const Worksheet& sheet, int row) {
    int largest = 0;
    for (const Cell& cell : sheet.storedCells(row))
        largest = std::max<int>(largest, sheet.formats().at(cell.format).fontHeight);
    return std::max(defaultRowHeightPixels(sheet), autoFitRowHeightPixels(largest / 20.0));
}

} // namespace spreadsheet
