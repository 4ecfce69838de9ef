#pragma once

#include "ByteBuffer.h"

#include <QString>

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace spreadsheet::xls {

// The workbook's shared string table: every distinct cell text once, cells
// refer to it by index.
class StringTable {
public:
    // Room for that many distinct texts, so that the index is not built again as it grows.
    void reserve(std::size_t texts);
    std::uint32_t add(const QString& text);
    std::uint32_t referenceCount() const { return m_references; }
    std::size_t uniqueCount() const { return m_strings.size(); }

    // Writes SST and EXTSST. A string that does not fit the rest of a record
    // goes on in a CONTINUE record, which repeats the string's character-size
    // flag; a string's header never splits.
    void write(RecordWriter& stream) const;

private:
    std::vector<QString> m_strings; // as a file can hold them
    std::vector<QString> m_keys;    // as the cells hold them
    // Over the characters of m_keys, which stay where they are while the
    // vector moves its QStrings.
    std::unordered_map<std::u16string_view, std::uint32_t> m_index;
    std::uint32_t m_references = 0;
};

} // namespace spreadsheet::xls
