#include "SheetRecords.h"

#include "BiffMapping.h"
#include "BiffRecords.h"
#include "FormatRecords.h"
#include "PrintRecords.h"
#include "StringTable.h"

#include "spreadsheet/FileRows.h"
#include "spreadsheet/RowHeight.h"
#include "spreadsheet/Worksheet.h"

#include <algorithm>
#include <optional>

namespace spreadsheet::xls {

namespace {

constexpr int kRowsPerBlock = 32;
constexpr std::uint16_t kTwipsPerPoint = 20;

// Column widths and formats. Every column carries the sheet-wide format, so
// a whole-sheet font shows in every reader, also in cells without a record.
void writeColumns(RecordWriter& stream, const Worksheet& sheet, const FormatRecords& formats) {
    stream.writeU16(record::kDefColWidth, 8);
    struct Column {
        std::uint16_t width;
        std::uint16_t xf;
        bool operator==(const Column&) const = default;
    };
    const auto columnAt = [&](int c) {
        const FormatId format = sheet.columnFormatId(c).value_or(sheet.sheetFormatId());
        return Column{fileColumnWidth(sheet.columnWidth(c)), formats.xfIndex(format)};
    };
    const bool plain = sheet.sheetFormatId() == 0;
    int first = 1;
    while (first <= kMaxColumns) {
        const Column column = columnAt(first);
        int last = first;
        while (last < kMaxColumns && columnAt(last + 1) == column) ++last;
        const bool needed = !plain || sheet.columnFormatId(first) || sheet.hasCustomWidth(first);
        if (needed) {
            ByteBuffer info;
            info.u16(static_cast<std::uint16_t>(first - 1));
            info.u16(static_cast<std::uint16_t>(last - 1));
            info.u16(column.width);
            info.u16(column.xf);
            info.u16(0);
            info.u16(0);
            stream.write(record::kColInfo, info);
        }
        first = last + 1;
    }
}

void writeDimensions(RecordWriter& stream, const Worksheet& sheet, bool empty) {
    const CellRange used = sheet.usedRange();
    ByteBuffer dims;
    dims.u32(empty ? 0 : static_cast<std::uint32_t>(used.firstRow - 1));
    dims.u32(empty ? 0 : static_cast<std::uint32_t>(used.lastRow));
    dims.u16(empty ? 0 : static_cast<std::uint16_t>(used.firstColumn - 1));
    dims.u16(empty ? 0 : static_cast<std::uint16_t>(used.lastColumn));
    dims.u16(0);
    stream.write(record::kDimensions, dims);
}

void writeRow(RecordWriter& stream, int row, const std::vector<FileCell>& cells, int heightPixels) {
    const std::size_t at = stream.begin(record::kRow);
    ByteBuffer& data = stream.body();
    data.u16(static_cast<std::uint16_t>(row - 1));
    data.u16(cells.empty() ? 0 : static_cast<std::uint16_t>(cells.front().column - 1));
    data.u16(cells.empty() ? 0 : static_cast<std::uint16_t>(cells.back().column));
    data.u16(static_cast<std::uint16_t>(pixelsToPoints(heightPixels) * kTwipsPerPoint));
    data.u16(0);
    data.u16(0);
    // The height is the automatic fit, not set by hand, so a spreadsheet
    // fits the row again when its fonts change.
    data.u16(0x0100);
    data.u16(FormatRecords::kDefaultCellXf);
    stream.end(at);
}

void writeCells(RecordWriter& stream, int row, const std::vector<FileCell>& cells, const FormatRecords& formats,
                StringTable& strings) {
    const auto r = static_cast<std::uint16_t>(row - 1);
    ByteBuffer& data = stream.body();
    std::size_t i = 0;
    while (i < cells.size()) {
        const FileCell& cell = cells[i];
        if (cell.hasText()) {
            const std::size_t at = stream.begin(record::kLabelSst);
            data.u16(r);
            data.u16(static_cast<std::uint16_t>(cell.column - 1));
            data.u16(formats.xfIndex(cell.format));
            data.u32(strings.add(*cell.text));
            stream.end(at);
            ++i;
            continue;
        }
        // A run of formatted empty cells in adjacent columns: one MULBLANK.
        std::size_t end = i + 1;
        while (end < cells.size() && cells[end].column == cells[end - 1].column + 1 && !cells[end].hasText()) ++end;
        const std::size_t at = stream.begin(end - i == 1 ? record::kBlank : record::kMulBlank);
        data.u16(r);
        data.u16(static_cast<std::uint16_t>(cell.column - 1));
        data.u16s(end - i, [&](std::size_t k) { return formats.xfIndex(cells[i + k].format); });
        if (end - i > 1) data.u16(static_cast<std::uint16_t>(cells[end - 1].column - 1));
        stream.end(at);
        i = end;
    }
}

void writeWindow(RecordWriter& stream) {
    ByteBuffer window;
    window.u16(0x06B6); // grid, headers, zeros, outline; selected and shown
    window.u16(0);
    window.u16(0);
    window.u32(0x40); // grid line colour: automatic
    window.u16(0);
    window.u16(0);
    window.u32(0);
    stream.write(record::kWindow2, window);
}

void writeMergedCells(RecordWriter& stream, const std::vector<CellRange>& merges) {
    constexpr std::size_t kPerRecord = 1026;
    for (std::size_t first = 0; first < merges.size(); first += kPerRecord) {
        const std::size_t count = std::min(kPerRecord, merges.size() - first);
        ByteBuffer data;
        data.u16(static_cast<std::uint16_t>(count));
        for (std::size_t i = first; i < first + count; ++i) {
            data.u16(static_cast<std::uint16_t>(merges[i].firstRow - 1));
            data.u16(static_cast<std::uint16_t>(merges[i].lastRow - 1));
            data.u16(static_cast<std::uint16_t>(merges[i].firstColumn - 1));
            data.u16(static_cast<std::uint16_t>(merges[i].lastColumn - 1));
        }
        stream.write(record::kMergedCells, data);
    }
}

} // namespace

void writeSheetRecords(RecordWriter& stream, const Worksheet& sheet, const FormatRecords& formats,
                       StringTable& strings) {
    stream.writeBof(record::kBofWorksheet);
    writePrintRecords(stream, sheet.printSettings());
    writeColumns(stream, sheet, formats);

    const int lastRow = lastFileRow(sheet);
    writeDimensions(stream, sheet, lastRow < 1);

    // Rows in blocks of 32: the ROW records, then the block's cells.
    const RowCells rowCells(sheet);
    const int defaultPixels = defaultRowHeightPixels(sheet);
    std::vector<std::vector<FileCell>> block(kRowsPerBlock);
    for (int blockStart = 1; blockStart <= lastRow; blockStart += kRowsPerBlock) {
        const int blockEnd = std::min(lastRow, blockStart + kRowsPerBlock - 1);
        for (int row = blockStart; row <= blockEnd; ++row) {
            auto& cells = block[row - blockStart];
            rowCells.of(row, cells);
            const int height = rowHeightPixels(sheet, row);
            if (!cells.empty() || height != defaultPixels) writeRow(stream, row, cells, height);
        }
        for (int row = blockStart; row <= blockEnd; ++row)
            writeCells(stream, row, block[row - blockStart], formats, strings);
    }

    writeWindow(stream);
    writeMergedCells(stream, sheet.mergedRanges());
    stream.write(record::kEof, ByteBuffer{});
}

} // namespace spreadsheet::xls
