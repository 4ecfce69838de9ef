// libFuzzer target for the records alone: the bare workbook stream, without
// the compound file around it, so that every mutation lands in a record.
#include "core/Error.h"
#include "spreadsheet/xls/WorkbookReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const auto sheet = spreadsheet::xls::readWorkbookStream(bytes, QStringLiteral("fuzz.xls"));
        const spreadsheet::CellRange used = sheet->usedRange();
        (void)sheet->value(used.lastRow, used.lastColumn);
        (void)sheet->format(used.lastRow, used.lastColumn);
    } catch (const core::Error&) {}
    return 0;
}
