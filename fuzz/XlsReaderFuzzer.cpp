// libFuzzer target: any bytes given to the workbook reader end in a sheet or
// a core::Error, never a crash, a hang or runaway memory.
#include "core/Error.h"
#include "spreadsheet/xls/WorkbookReader.h"

#include "QuietGlib.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quietGlib();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const auto sheet = spreadsheet::xls::readWorkbookBytes(bytes, QStringLiteral("fuzz.xls"));
        // Ask what a reopened workbook is asked.
        const spreadsheet::CellRange used = sheet->usedRange();
        (void)sheet->value(used.lastRow, used.lastColumn);
        (void)sheet->format(used.lastRow, used.lastColumn);
    } catch (const core::Error&) {}
    return 0;
}
