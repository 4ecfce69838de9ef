// libFuzzer target: any bytes given to the workbook reader end in a sheet or
// a core::Error, never a crash, a hang or runaway memory.
#include "core/Error.h"
#include "spreadsheet/xls/WorkbookReader.h"

#include <glib.h>

#include <cstddef>
#include <cstdint>

namespace {
void ignoreLog(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // libgsf reports broken containers as critical warnings before it fails;
    // printing thousands of them would only slow the run down.
    g_log_set_default_handler(ignoreLog, nullptr);
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
