// libFuzzer target: any bytes as a filled chart's workbook (.xls, .xlsx or
// .ods, told by the content), read for its chart and its people, whose family
// file is then written. Each ends in a family file or a core::Error, never a
// crash, a hang or runaway memory.
#include "chart/ChartFamily.h"
#include "core/Error.h"
#include "gedcom/GedcomWriter.h"

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
        const chart::ChartFamily family = chart::chartFamilyOf(bytes, QStringLiteral("fuzz"));
        (void)gedcom::familyFileBytes(family.people);
    } catch (const core::Error&) {}
    return 0;
}
