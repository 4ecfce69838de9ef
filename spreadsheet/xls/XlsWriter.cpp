#include "XlsWriter.h"

#include "BiffRecords.h"
#include "ByteArrayOutput.h"
#include "ByteBuffer.h"
#include "FormatRecords.h"
#include "GsfObject.h"
#include "SheetRecords.h"
#include "StringTable.h"

#include "core/Error.h"
#include "spreadsheet/Worksheet.h"

#include <gsf/gsf-outfile-msole.h>

#include <algorithm>
#include <cstring>

namespace spreadsheet::xls {

namespace {

// Excel keeps streams under 4,096 bytes in the compound file's small-block
// area and expects the workbook stream in the regular one: pad to that size.
constexpr std::size_t kMinimumStreamSize = 4096;

void writeWindow1(RecordWriter& stream) {
    ByteBuffer window;
    window.u16(0);
    window.u16(0);
    window.u16(0x3000);
    window.u16(0x1E00);
    window.u16(0x0038); // horizontal and vertical scroll bars, sheet tabs
    window.u16(0);      // active sheet
    window.u16(0);
    window.u16(1); // one sheet selected
    window.u16(0x0258);
    stream.write(record::kWindow1, window);
}

// Returns where the sheet's stream position is to be filled in.
std::size_t writeBoundSheet(RecordWriter& stream, const QString& name) {
    ByteBuffer sheet;
    sheet.u32(0); // position of the sheet's BOF, patched once known
    sheet.u16(0); // visible worksheet
    sheet.shortString(name);
    const std::size_t at = stream.position() + 4;
    stream.write(record::kBoundSheet, sheet);
    return at;
}

// The globals and the sheet, written apart: the sheet is laid out first, since
// its texts fill the string table that the globals, which come before it, hold.
struct StreamParts {
    RecordWriter globals;
    RecordWriter sheet;
    std::size_t size() const { return globals.bytes().size() + sheet.bytes().size(); }
    void copyTo(char* to) const {
        std::memcpy(to, globals.bytes().data(), globals.bytes().size());
        std::memcpy(to + globals.bytes().size(), sheet.bytes().data(), sheet.bytes().size());
    }
};

StreamParts streamParts(const Worksheet& sheet) {
    const FormatRecords formats(sheet);
    StringTable strings;
    strings.reserve(sheet.textCount());
    StreamParts parts;
    parts.sheet.reserve(sheet.storedCellCount() * 6 + 4096);
    writeSheetRecords(parts.sheet, sheet, formats, strings);

    RecordWriter& stream = parts.globals;
    stream.reserve(65536);
    stream.writeBof(record::kBofWorkbookGlobals);
    stream.writeU16(record::kCodePage, 1200); // UTF-16
    writeWindow1(stream);
    stream.writeU16(record::kDate1904, 0);
    stream.writeU16(record::kBookBool, 0);
    formats.write(stream);
    const std::size_t sheetPositionAt = writeBoundSheet(stream, sheet.name());
    ByteBuffer country;
    country.u16(1);
    country.u16(1);
    stream.write(record::kCountry, country);
    strings.write(stream);
    stream.write(record::kEof, ByteBuffer{});
    stream.patchU32(sheetPositionAt, static_cast<std::uint32_t>(stream.position()));
    return parts;
}

} // namespace

QByteArray workbookStream(const Worksheet& sheet) {
    const StreamParts parts = streamParts(sheet);
    QByteArray bytes(static_cast<qsizetype>(std::max(parts.size(), kMinimumStreamSize)), '\0');
    parts.copyTo(bytes.data());
    return bytes;
}

QByteArray workbookFileBytes(const Worksheet& sheet) {
    const StreamParts parts = streamParts(sheet);
    const auto write = [](GsfOutput* to, const std::uint8_t* bytes, std::size_t size) {
        return size == 0 || gsf_output_write(to, size, bytes);
    };
    static constexpr std::uint8_t kZeros[kMinimumStreamSize] = {};
    initialiseGsf();
    // Room for the stream, its allocation table and the container's own sectors, kept ahead.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(parts.size() + parts.size() / 64 + 65536));
    GsfPtr<GsfOutput> file(byteArrayOutputNew(bytes));
    GsfPtr<GsfOutfile> container(gsf_outfile_msole_new(file.get()));
    GsfPtr<GsfOutput> workbook(gsf_outfile_new_child(container.get(), "Workbook", FALSE));
    // The two parts go straight into the container, never joined in a copy of their own.
    const bool written = write(workbook.get(), parts.globals.bytes().data(), parts.globals.bytes().size())
        && write(workbook.get(), parts.sheet.bytes().data(), parts.sheet.bytes().size())
        && write(workbook.get(), kZeros, kMinimumStreamSize - std::min(parts.size(), kMinimumStreamSize))
        && gsf_output_close(workbook.get()) && gsf_output_close(GSF_OUTPUT(container.get()));
    if (!written)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "The workbook could not be put together."));
    return bytes;
}

} // namespace spreadsheet::xls
