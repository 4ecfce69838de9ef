#include "BiffTestFiles.h"

#include "spreadsheet/xls/BiffRecords.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>

namespace biff_test {

namespace r = spreadsheet::xls::record;

QByteArray le16(std::uint16_t value) {
    const char bytes[] = {char(value & 0xFF), char(value >> 8)};
    return QByteArray(bytes, 2);
}

QByteArray le32(std::uint32_t value) { return le16(value & 0xFFFF) + le16(value >> 16); }

QByteArray record(std::uint16_t id, const QByteArray& data) {
    return le16(id) + le16(static_cast<std::uint16_t>(data.size())) + data;
}

QByteArray shortString(const QByteArray& latin1) {
    return QByteArray(1, char(latin1.size())) + QByteArray(1, '\0') + latin1;
}

QByteArray xfRecord(std::uint8_t leftBorder, std::uint8_t pattern, std::uint8_t patternColor, std::uint8_t alignment) {
    QByteArray xf = le16(0) + le16(0) + le16(0x0001) + QByteArray(1, char(alignment)) + QByteArray(3, '\0');
    xf += le32(leftBorder);
    xf += le32(std::uint32_t(pattern) << 26);
    xf += le16(patternColor | 0x41 << 7);
    return record(r::kXf, xf);
}

QByteArray workbookStream(const std::vector<QByteArray>& sheetRecords, const std::vector<QByteArray>& globalRecords,
                          const std::vector<QByteArray>& xfs) {
    const QByteArray bofData = le16(r::kBiff8Version) + le16(r::kBofWorkbookGlobals) + QByteArray(12, '\0');
    QByteArray head = record(r::kBof, bofData);
    head +=
        record(r::kFont, le16(200) + le16(0) + le16(0x7FFF) + le16(400) + QByteArray(6, '\0') + shortString("Arial"));
    if (xfs.empty()) head += xfRecord();
    for (const QByteArray& xf : xfs) head += xf;
    QByteArray tail;
    for (const QByteArray& extra : globalRecords) tail += extra;
    tail += record(r::kEof, {});
    const QByteArray sheetName = shortString("Sheet1");
    const int boundSheetSize = 4 + 4 + 2 + sheetName.size();
    const auto sheetOffset = static_cast<std::uint32_t>(head.size() + boundSheetSize + tail.size());
    QByteArray stream = head + record(r::kBoundSheet, le32(sheetOffset) + le16(0) + sheetName) + tail;
    stream += record(r::kBof, le16(r::kBiff8Version) + le16(r::kBofWorksheet) + QByteArray(12, '\0'));
    for (const QByteArray& sheetRecord : sheetRecords) stream += sheetRecord;
    stream += record(r::kEof, {});
    return stream;
}

QByteArray compoundFile(const QByteArray& stream, const char* streamName) {
    GsfOutput* memory = gsf_output_memory_new();
    GsfOutfile* ole = gsf_outfile_msole_new(memory);
    GsfOutput* child = gsf_outfile_new_child(ole, streamName, FALSE);
    gsf_output_write(child, static_cast<size_t>(stream.size()), reinterpret_cast<const guint8*>(stream.constData()));
    gsf_output_close(child);
    g_object_unref(child);
    gsf_output_close(GSF_OUTPUT(ole));
    g_object_unref(ole);
    const QByteArray file(reinterpret_cast<const char*>(gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory))),
                          static_cast<qsizetype>(gsf_output_size(memory)));
    g_object_unref(memory);
    return file;
}

} // namespace biff_test
