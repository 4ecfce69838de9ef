#include "ByteBuffer.h"

#include "BiffRecords.h"

#include <algorithm>

namespace spreadsheet::xls {

bool fitsLatin1(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
}

std::uint8_t ByteBuffer::characters(const QString& text) {
    if (fitsLatin1(text)) {
        for (QChar c : text) u8(static_cast<std::uint8_t>(c.unicode()));
        return 0;
    }
    for (QChar c : text) u16(c.unicode());
    return 1;
}

void ByteBuffer::grow(std::size_t capacity) {
    auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
    if (m_size != 0) std::memcpy(bytes.get(), m_bytes.get(), m_size);
    m_bytes = std::move(bytes);
    m_capacity = capacity;
}

void ByteBuffer::shortString(const QString& text) {
    const QString clipped = text.left(255);
    u8(static_cast<std::uint8_t>(clipped.size()));
    flaggedCharacters(clipped);
}

void ByteBuffer::string(const QString& text) {
    u16(static_cast<std::uint16_t>(text.size()));
    flaggedCharacters(text);
}

void ByteBuffer::flaggedCharacters(const QString& text) {
    const std::size_t flagAt = size();
    u8(0);
    m_bytes[flagAt] = characters(text);
}

void RecordWriter::write(std::uint16_t id, const ByteBuffer& data) { write(id, data.data(), data.size()); }

void RecordWriter::write(std::uint16_t id, const std::uint8_t* data, std::size_t size) {
    std::size_t chunk = std::min(size, record::kMaxRecordData);
    m_stream.u16(id);
    m_stream.u16(static_cast<std::uint16_t>(chunk));
    m_stream.bytes(data, chunk);
    for (std::size_t done = chunk; done < size; done += chunk) {
        chunk = std::min(size - done, record::kMaxRecordData);
        m_stream.u16(record::kContinue);
        m_stream.u16(static_cast<std::uint16_t>(chunk));
        m_stream.bytes(data + done, chunk);
    }
}

void RecordWriter::writeU16(std::uint16_t id, std::uint16_t value) {
    ByteBuffer data;
    data.u16(value);
    write(id, data);
}

void RecordWriter::writeBof(std::uint16_t substreamType) {
    ByteBuffer bof;
    bof.u16(record::kBiff8Version);
    bof.u16(substreamType);
    bof.u16(0x0DBB); // build
    bof.u16(0x07CC); // year
    bof.u32(0);
    bof.u32(0x06); // the lowest version that reads it: BIFF8
    write(record::kBof, bof);
}

} // namespace spreadsheet::xls
