#include "ZipPackage.h"

#include "core/Error.h"

#include <libdeflate.h>

#include <cstring>
#include <limits>

namespace spreadsheet {

namespace {

// 1 January 1980, 00:00: the first day a zip file can name.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr int kFastestLevel = 1;
constexpr int kCompactLevel = 6;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr qsizetype kLocalHeader = 30;

[[noreturn]] void fail(const char* doing) {
    throw core::Error(core::ErrorKind::CallRejected,
                      QT_TRANSLATE_NOOP("core::Error", "The workbook could not be put together (%1: %2)."),
                      {QString::fromLatin1(doing), core::Phrase(QT_TRANSLATE_NOOP("core::Error", "unknown error"))});
}

// Without the 64-bit extensions a zip file counts in 32 bits.
std::uint32_t checked32(std::size_t n, const char* doing) {
    if (n >= std::numeric_limits<std::uint32_t>::max()) fail(doing);
    return static_cast<std::uint32_t>(n);
}

} // namespace

// Little-endian fields, as every number in a zip file is stored.
class ZipPackage::Fields {
public:
    explicit Fields(char* at) : m_at(at) {}
    Fields& u16(std::uint16_t v) {
        *m_at++ = static_cast<char>(v);
        *m_at++ = static_cast<char>(v >> 8);
        return *this;
    }
    Fields& u32(std::uint32_t v) { return u16(static_cast<std::uint16_t>(v)).u16(static_cast<std::uint16_t>(v >> 16)); }

private:
    char* m_at;
};

ZipPackage::ZipPackage() = default;

ZipPackage::~ZipPackage() {
    libdeflate_free_compressor(m_fast);
    libdeflate_free_compressor(m_compact);
}

libdeflate_compressor* ZipPackage::compressor(Compression compression) {
    const bool fast = compression == Compression::Fast;
    libdeflate_compressor*& made = fast ? m_fast : m_compact;
    if (!made) made = libdeflate_alloc_compressor(fast ? kFastestLevel : kCompactLevel);
    if (!made) fail("memory");
    return made;
}

void ZipPackage::add(const char* name, const QByteArray& bytes, Compression compression) {
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool stored = compression == Compression::Stored;
    libdeflate_compressor* deflater = stored ? nullptr : compressor(compression);
    const std::size_t room = stored ? size : libdeflate_deflate_compress_bound(deflater, size);
    const qsizetype nameLength = static_cast<qsizetype>(std::strlen(name));
    const qsizetype at = m_bytes.size();
    // The part goes straight in after its header; the header is written once its size is known.
    m_bytes.resize(at + kLocalHeader + nameLength + static_cast<qsizetype>(room));
    char* data = m_bytes.data() + at + kLocalHeader + nameLength;
    std::size_t written = size;
    if (stored) {
        if (size) std::memcpy(data, bytes.constData(), size);
    } else {
        written = libdeflate_deflate_compress(deflater, bytes.constData(), size, data, room);
        if (written == 0 && size != 0) fail(name);
    }
    m_bytes.resize(at + kLocalHeader + nameLength + static_cast<qsizetype>(written));
    const Entry entry{QByteArray(name),
                      stored ? kStored : kDeflated,
                      static_cast<std::uint32_t>(libdeflate_crc32(0, bytes.constData(), size)),
                      checked32(written, name),
                      checked32(size, name),
                      checked32(static_cast<std::size_t>(at), name)};
    Fields header(m_bytes.data() + at);
    header.u32(0x04034B50);
    describe(header, entry).u16(0); // no extra field
    std::memcpy(m_bytes.data() + at + kLocalHeader, name, static_cast<std::size_t>(nameLength));
    m_entries.push_back(entry);
}

// What the local and the central header of a part both say, from the version
// that reads it to the length of its name.
ZipPackage::Fields& ZipPackage::describe(Fields& header, const Entry& entry) {
    return header.u16(entry.method == kStored ? 10 : 20)
        .u16(0)
        .u16(entry.method)
        .u16(kDosTime)
        .u16(kDosDate)
        .u32(entry.crc)
        .u32(entry.compressedSize)
        .u32(entry.size)
        .u16(static_cast<std::uint16_t>(entry.name.size()));
}

QByteArray ZipPackage::finish() {
    constexpr qsizetype kCentralHeader = 46;
    constexpr qsizetype kEnd = 22;
    const std::uint32_t directoryAt = checked32(static_cast<std::size_t>(m_bytes.size()), "size");
    qsizetype directorySize = 0;
    for (const Entry& entry : m_entries) directorySize += kCentralHeader + entry.name.size();
    qsizetype at = m_bytes.size();
    m_bytes.resize(at + directorySize + kEnd);
    for (const Entry& entry : m_entries) {
        Fields header(m_bytes.data() + at);
        header.u32(0x02014B50).u16(20); // made by: MS-DOS attributes, version 2.0
        describe(header, entry)
            .u16(0) // no extra field
            .u16(0) // no comment
            .u16(0) // disk
            .u16(0) // internal attributes
            .u32(0) // external attributes
            .u32(entry.offset);
        std::memcpy(m_bytes.data() + at + kCentralHeader, entry.name.constData(),
                    static_cast<std::size_t>(entry.name.size()));
        at += kCentralHeader + entry.name.size();
    }
    const auto count = static_cast<std::uint16_t>(m_entries.size());
    Fields(m_bytes.data() + at)
        .u32(0x06054B50)
        .u16(0)
        .u16(0)
        .u16(count)
        .u16(count)
        .u32(static_cast<std::uint32_t>(directorySize))
        .u32(directoryAt)
        .u16(0);
    m_entries.clear();
    return std::move(m_bytes);
}

} // namespace spreadsheet
