#pragma once

#include "RecordStream.h"

#include "core/Error.h"

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls {

// Reads the fields of one record in order. Every read is checked against the
// record's length: running past it is a damaged-file failure naming the record.
class RecordReader {
public:
    explicit RecordReader(const Record& record) : m_record(record) {}

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    double f64();
    QByteArrayView bytes(std::size_t count);
    void skip(std::size_t count) { bytes(count); }
    // The record's last bytes, without moving on.
    QByteArrayView peekLast(std::size_t count) const;

    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return static_cast<std::size_t>(m_record.data.size()) - m_position; }
    // Bytes left in the current piece; 0 exactly where a CONTINUE piece starts
    // (or at the end), where a split string expects its new option byte.
    std::size_t bytesToPieceEnd() const;

    [[noreturn]] void fail(core::Phrase what) const;

private:
    const Record& m_record;
    std::size_t m_position = 0;
};

} // namespace spreadsheet::xls
