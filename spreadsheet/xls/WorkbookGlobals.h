#pragma once

#include "RecordStream.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

struct FontRecord {
    std::uint16_t height = 200; // twentieths of a point
    std::uint16_t color = 0x7FFF;
    QString name;
};

// The parts of an XF record the model keeps.
struct XfRecord {
    std::uint16_t font = 0;
    std::uint8_t horizontalAlignment = 0;
    std::array<std::uint8_t, 4> borders{}; // file border styles, in the model's Edge order
    std::uint8_t pattern = 0;
    std::uint16_t patternColor = 0;
};

struct SheetEntry {
    QString name;
    std::uint32_t offset = 0; // of the sheet's BOF record in the stream
    std::uint8_t type = 0;    // 0 worksheet, 2 chart, 6 VBA module...
};

inline constexpr std::uint8_t kWorksheetType = 0;

// What the workbook globals say that reading one sheet needs.
struct WorkbookGlobals {
    std::vector<FontRecord> fonts;
    std::vector<XfRecord> xfs;
    std::vector<SheetEntry> sheets;
    int activeTab = 0; // index into sheets, from WINDOW1
    std::vector<QString> sharedStrings;
};

// Reads from the stream's first record (which must be a BIFF8 workbook BOF)
// to the globals' EOF. Records it has no use for are skipped; a PALETTE is
// ignored, since the model keeps Excel's colour indexes.
WorkbookGlobals readWorkbookGlobals(RecordStream& stream);

} // namespace spreadsheet::xls
