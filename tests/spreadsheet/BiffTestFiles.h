#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// Hand-made BIFF8 workbook streams for reader tests: exact records where a
// case needs bytes no ordinary writer produces.
namespace biff_test {

QByteArray le16(std::uint16_t value);
QByteArray le32(std::uint32_t value);
QByteArray record(std::uint16_t id, const QByteArray& data);
// A compressed one-byte-count string, as FONT and BOUNDSHEET names are stored.
QByteArray shortString(const QByteArray& latin1);
// An XF record with font 0, the given fill, left border and alignment codes.
QByteArray xfRecord(std::uint8_t leftBorder = 0, std::uint8_t pattern = 0, std::uint8_t patternColor = 0x40,
                    std::uint8_t alignment = 0);

// Globals (BOF, one Arial font, the given XFs, BOUNDSHEET, the given extra
// records such as SST, EOF) followed by one worksheet holding `sheetRecords`.
// Without XFs one plain XF is written.
QByteArray workbookStream(const std::vector<QByteArray>& sheetRecords,
                          const std::vector<QByteArray>& globalRecords = {}, const std::vector<QByteArray>& xfs = {});

// An OLE2 compound file holding one stream, written with libgsf.
QByteArray compoundFile(const QByteArray& stream, const char* streamName = "Workbook");

} // namespace biff_test
