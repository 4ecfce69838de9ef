#include "CompoundFileWriter.h"

#include "files/Error.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace spreadsheet::xls {

namespace {

constexpr std::size_t kSector = 512;
constexpr std::size_t kEntriesPerSector = kSector / 4;
constexpr std::size_t kHeaderTableSlots = 109;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kTableSector = 0xFFFFFFFD;
constexpr std::uint32_t kTableListSector = 0xFFFFFFFC;
constexpr std::size_t kDirectoryEntry = 128;

void put16(char* at, std::uint16_t v) {
    at[0] = static_cast<char>(v);
    at[1] = static_cast<char>(v >> 8);
}

void put32(char* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<char>(v >> (8 * i));
}

// Where the parts of the file lie, in sectors after the header.
struct Layout {
    std::size_t streamSectors = 0;
    std::size_t tableSectors = 0; // the allocation table
    std::size_t listSectors = 0;  // the table sectors the header has no room for
    std::size_t directory() const { return streamSectors; }
    std::size_t firstTable() const { return streamSectors + 1; }
    std::size_t firstList() const { return firstTable() + tableSectors; }
    std::size_t total() const { return firstList() + listSectors; }

    explicit Layout(std::size_t streamSize) : streamSectors((streamSize + kSector - 1) / kSector) {
        // The table describes every sector, its own included.
        const auto listFor = [](std::size_t table) {
            return table <= kHeaderTableSlots
                ? 0
                : (table - kHeaderTableSlots + kEntriesPerSector - 2) / (kEntriesPerSector - 1);
        };
        tableSectors = 1;
        while (tableSectors * kEntriesPerSector < streamSectors + 1 + tableSectors + listFor(tableSectors))
            ++tableSectors;
        listSectors = listFor(tableSectors);
    }
};

void writeHeader(char* header, const Layout& layout) {
    static constexpr unsigned char kSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(header, kSignature, sizeof kSignature);
    put16(header + 24, 0x003E); // minor version
    put16(header + 26, 3);      // major version: 512-byte sectors
    put16(header + 28, 0xFFFE); // little-endian
    put16(header + 30, 9);      // sector size 2^9
    put16(header + 32, 6);      // small sector size 2^6
    put32(header + 44, static_cast<std::uint32_t>(layout.tableSectors));
    put32(header + 48, static_cast<std::uint32_t>(layout.directory()));
    put32(header + 56, 4096);        // streams below this go to small sectors
    put32(header + 60, kEndOfChain); // no small-sector table
    put32(header + 68, layout.listSectors ? static_cast<std::uint32_t>(layout.firstList()) : kEndOfChain);
    put32(header + 72, static_cast<std::uint32_t>(layout.listSectors));
    for (std::size_t i = 0; i < kHeaderTableSlots; ++i)
        put32(header + 76 + 4 * i,
              i < layout.tableSectors ? static_cast<std::uint32_t>(layout.firstTable() + i) : kFree);
}

void writeDirectoryEntry(char* entry, const char* name, std::uint8_t type, std::uint32_t child, std::uint32_t start,
                         std::uint32_t size) {
    std::size_t length = 0;
    for (; name[length]; ++length) put16(entry + 2 * length, static_cast<unsigned char>(name[length]));
    put16(entry + 64, static_cast<std::uint16_t>(2 * (length + 1))); // with the terminating zero
    entry[66] = static_cast<char>(type);
    entry[67] = 1; // black
    put32(entry + 68, kFree);
    put32(entry + 72, kFree);
    put32(entry + 76, child);
    put32(entry + 116, start);
    put32(entry + 120, size);
}

void writeDirectory(char* sector, std::size_t streamSize) {
    writeDirectoryEntry(sector, "Root Entry", 5, 1, kEndOfChain, 0);
    writeDirectoryEntry(sector + kDirectoryEntry, "Workbook", 2, kFree, 0, static_cast<std::uint32_t>(streamSize));
}

void writeTable(char* table, const Layout& layout) {
    std::uint32_t sector = 0;
    const auto next = [&](std::uint32_t value) { put32(table + 4 * sector++, value); };
    for (std::size_t i = 1; i < layout.streamSectors; ++i) next(sector + 1);
    if (layout.streamSectors) next(kEndOfChain);
    next(kEndOfChain); // the directory
    for (std::size_t i = 0; i < layout.tableSectors; ++i) next(kTableSector);
    for (std::size_t i = 0; i < layout.listSectors; ++i) next(kTableListSector);
    std::memset(table + 4 * sector, 0xFF, layout.tableSectors * kSector - 4 * sector);
}

// The table sectors past the header's 109, 127 to a sector, each sector
// naming the next.
void writeTableList(char* list, const Layout& layout) {
    std::memset(list, 0xFF, layout.listSectors * kSector);
    std::size_t table = kHeaderTableSlots;
    for (std::size_t s = 0; s < layout.listSectors; ++s) {
        char* sector = list + s * kSector;
        for (std::size_t i = 0; i + 1 < kEntriesPerSector && table < layout.tableSectors; ++i, ++table)
            put32(sector + 4 * i, static_cast<std::uint32_t>(layout.firstTable() + table));
        const bool last = s + 1 == layout.listSectors;
        put32(sector + kSector - 4, last ? kEndOfChain : static_cast<std::uint32_t>(layout.firstList() + s + 1));
    }
}

} // namespace

QByteArray CompoundFileWriter::file(std::size_t streamSize, const std::function<void(char* stream)>& fill) {
    const std::size_t padded = std::max(streamSize, kMinimumStreamSize);
    // Sector numbers and the stream's size are 32-bit.
    if (padded > 0xFFFFFFFFull - 64 * kSector)
        throw files::Error(files::ErrorKind::Spreadsheet,
                           QT_TRANSLATE_NOOP("files::Error", "The workbook could not be put together."));
    const Layout layout(padded);
    QByteArray bytes(static_cast<qsizetype>(kSector * (1 + layout.total())), Qt::Uninitialized);
    char* data = bytes.data();
    std::memset(data, 0, kSector);
    writeHeader(data, layout);
    char* sectors = data + kSector;
    fill(sectors);
    // The stream's padding, to its size and to the end of its last sector, and the directory's unused room.
    std::memset(sectors + streamSize, 0, (layout.streamSectors + 1) * kSector - streamSize);
    writeDirectory(sectors + layout.directory() * kSector, padded);
    writeTable(sectors + layout.firstTable() * kSector, layout);
    writeTableList(sectors + layout.firstList() * kSector, layout);
    return bytes;
}

} // namespace spreadsheet::xls
