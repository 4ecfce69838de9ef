#pragma once

#include "ExcelConstants.h"

#include <QString>

namespace spreadsheet {

// How a sheet prints, in Excel's numbers: its PageSetup and whether grid
// lines print. A new sheet prints portrait on A4 at full size, without
// headers, footers or grid lines.
struct PrintSettings {
    int orientation = xl::kPortrait;
    int paperSize = xl::kPaperA4; // Excel's XlPaperSize codes, as the file stores them
    // When set, the sheet shrinks to fit fitToPagesWide by fitToPagesTall
    // pages, 0 standing for as many as it needs; otherwise it prints at full size.
    bool fitToPages = false;
    int fitToPagesWide = 1;
    int fitToPagesTall = 1;
    // Excel's header and footer codes ("&LTree&RPage &P"); empty for none.
    QString header;
    QString footer;
    bool printGridLines = false;

    bool operator==(const PrintSettings&) const = default;
};

// Throws core::Error (CallRejected) naming the first setting Excel would refuse.
void checkPrintSettings(const PrintSettings& settings);

} // namespace spreadsheet
