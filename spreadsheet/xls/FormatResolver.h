#pragma once

#include "WorkbookGlobals.h"

#include "spreadsheet/Worksheet.h"

#include <optional>
#include <vector>

namespace spreadsheet::xls {

// Turns the XF indexes that cells and columns carry into the sheet's shared
// formats. Only the XFs actually used become formats, each once.
class FormatResolver {
public:
    FormatResolver(const WorkbookGlobals& globals, Worksheet& sheet);

    // Throws a damaged-file failure for an XF or font index the file lacks,
    // naming the cell (row and column from 1), or the column when row is 0.
    FormatId formatOf(std::uint16_t xfIndex, int row, int column);

private:
    CellFormat modelFormat(const XfRecord& xf, int row, int column);

    const WorkbookGlobals& m_globals;
    Worksheet& m_sheet;
    std::vector<std::optional<FormatId>> m_byXf;
};

} // namespace spreadsheet::xls
