#pragma once

#include "RecordStream.h"
#include "WorkbookGlobals.h"

#include "spreadsheet/Worksheet.h"

#include <memory>

namespace spreadsheet::xls {

// Merged areas a sheet may have: the model checks each new area against all
// earlier ones, so their number bounds the time a hostile file can take.
inline constexpr std::size_t kMaxMergedAreas = 16384;

// Reads the worksheet substream that `entry` points to into a new sheet:
// cell texts (numbers, booleans, errors and formula results as the text a
// spreadsheet shows), cell, column and sheet-wide formats, column widths,
// merged areas and print settings. Row records are skipped: the model
// derives row heights.
std::unique_ptr<Worksheet> readWorksheet(RecordStream& stream, const WorkbookGlobals& globals, const SheetEntry& entry);

} // namespace spreadsheet::xls
