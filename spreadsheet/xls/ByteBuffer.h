#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace spreadsheet::xls {

// Little-endian bytes, as every number in a BIFF8 stream is stored. Written
// through a pointer into room kept ahead: a sheet's stream is a record or
// two for each of up to half a million cells.
class ByteBuffer {
public:
    void u8(std::uint8_t v) { *room(1) = v; }
    void u16(std::uint16_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    // count numbers of two bytes, the k-th being valueAt(k), through one
    // pointer: a row's run of blank cells is one number each.
    template <typename ValueAt>
    void u16s(std::size_t count, ValueAt&& valueAt) {
        std::uint8_t* at = room(2 * count);
        for (std::size_t k = 0; k < count; ++k, at += 2) {
            const std::uint16_t v = valueAt(k);
            at[0] = static_cast<std::uint8_t>(v);
            at[1] = static_cast<std::uint8_t>(v >> 8);
        }
    }
    void bytes(const std::uint8_t* data, std::size_t size) {
        if (size != 0) std::memcpy(room(size), data, size);
    }
    void append(const ByteBuffer& other) { bytes(other.data(), other.size()); }
    // The characters of a string: one byte each when they all fit Latin-1
    // (flag 0), else two (flag 1). Returns the flag.
    std::uint8_t characters(const QString& text);
    // A string with a one-byte length, as sheet and font names are stored.
    void shortString(const QString& text);
    // A string with a two-byte length, as headers and footers are stored.
    void string(const QString& text);

    void patchU16(std::size_t at, std::uint16_t v) {
        m_bytes[at] = static_cast<std::uint8_t>(v);
        m_bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    void patchU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) m_bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void reserve(std::size_t n) {
        if (n > m_capacity) grow(n);
    }
    void clear() { m_size = 0; }

    const std::uint8_t* data() const { return m_bytes.get(); }
    std::size_t size() const { return m_size; }

private:
    // The option byte, then the characters it describes.
    void flaggedCharacters(const QString& text);
    void put(std::uint64_t v, std::size_t width) {
        std::uint8_t* at = room(width);
        for (std::size_t i = 0; i < width; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    // Where the next size bytes go, counted as written.
    std::uint8_t* room(std::size_t size) {
        if (m_capacity - m_size < size) grow(std::max(2 * m_capacity, m_size + size));
        std::uint8_t* at = m_bytes.get() + m_size;
        m_size += size;
        return at;
    }
    void grow(std::size_t capacity);
    std::unique_ptr<std::uint8_t[]> m_bytes; // the bytes written, then room
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

bool fitsLatin1(const QString& text);

// A workbook stream being written: records of an identifier, a length and data.
class RecordWriter {
public:
    // Appends one record; data longer than a record holds goes on in CONTINUE records.
    void write(std::uint16_t id, const ByteBuffer& data);
    void write(std::uint16_t id, const std::uint8_t* data, std::size_t size);
    // A short record written in place, for the many small records of a
    // sheet: begin() writes the header, the caller appends the data to
    // body(), end() fills in the length. The data must fit one record.
    std::size_t begin(std::uint16_t id) {
        m_stream.u16(id);
        m_stream.u16(0);
        return m_stream.size();
    }
    ByteBuffer& body() { return m_stream; }
    void end(std::size_t dataStart) {
        m_stream.patchU16(dataStart - 2, static_cast<std::uint16_t>(m_stream.size() - dataStart));
    }

    void writeU16(std::uint16_t id, std::uint16_t value);
    // BOF of the workbook globals or of a worksheet, BIFF8.
    void writeBof(std::uint16_t substreamType);
    // A record whose data was laid out by the caller, header included.
    void writeRaw(const ByteBuffer& records) { m_stream.append(records); }

    std::size_t position() const { return m_stream.size(); }
    void patchU32(std::size_t at, std::uint32_t v) { m_stream.patchU32(at, v); }
    const ByteBuffer& bytes() const { return m_stream; }
    void reserve(std::size_t n) { m_stream.reserve(n); }

private:
    ByteBuffer m_stream;
};

} // namespace spreadsheet::xls
