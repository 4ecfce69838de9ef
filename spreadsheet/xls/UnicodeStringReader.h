#pragma once

#include "RecordReader.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// How many bytes a string's character count takes: one in FONT and
// BOUNDSHEET names, two in cell texts and the shared string table.
enum class CountSize {
    OneByte,
    TwoBytes
};

// Reads a BIFF8 Unicode string: count, option byte, the optional rich-text
// run count and phonetic data size, the characters (one byte each when
// compressed, two otherwise), then skips the runs and the phonetic data.
// Characters that go on in a CONTINUE piece start it with a new option byte,
// which may switch between compressed and uncompressed.
QString readUnicodeString(RecordReader& in, CountSize countSize);

// The strings of an SST record with its CONTINUE pieces joined.
std::vector<QString> readSharedStrings(const Record& sst);

} // namespace spreadsheet::xls
