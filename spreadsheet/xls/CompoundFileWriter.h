#pragma once

#include <QByteArray>

#include <cstddef>
#include <functional>

namespace spreadsheet::xls {

// An OLE2 compound file (version 3, 512-byte sectors) holding one stream,
// "Workbook", laid out as libgsf lays it out: the stream's sectors first, then
// the directory, the allocation table and, past 109 table sectors, the sectors
// that list the rest of it. Written by hand because it is one fixed layout, and
// so that saving a workbook loads no GObject stack.
class CompoundFileWriter {
public:
    // Streams under this size go to a compound file's small-block area,
    // which this writer does not make: they are padded up to it.
    static constexpr std::size_t kMinimumStreamSize = 4096;

    // The whole file for a stream of streamSize bytes, which fill() writes
    // where it is told; the bytes past the stream are written here. Throws
    // files::Error (Spreadsheet) for a stream larger than a file can hold.
    static QByteArray file(std::size_t streamSize, const std::function<void(char* stream)>& fill);
};

} // namespace spreadsheet::xls
