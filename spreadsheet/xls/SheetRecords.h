#pragma once

#include "ByteBuffer.h"

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xls {

class FormatRecords;
class StringTable;

// Writes one worksheet's substream, BOF to EOF: print settings, column widths
// and formats, rows with their heights, the cells, the window and the merged
// areas. Cell texts go into the shared string table.
void writeSheetRecords(RecordWriter& stream, const Worksheet& sheet, const FormatRecords& formats,
                       StringTable& strings);

} // namespace spreadsheet::xls
