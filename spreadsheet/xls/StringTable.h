#pragma once

#include "ByteBuffer.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// The workbook's shared string table: every distinct cell text once, cells
// refer to it by index.
class StringTable {
public:
    std::uint32_t add(const QString& text);
    std::uint32_t referenceCount() const { return m_references; }
    std::size_t uniqueCount() const { return m_strings.size(); }

    // Writes SST and EXTSST. A string that does not fit the rest of a record
    // goes on in a CONTINUE record, which repeats the string's character-size
    // flag; a string's header never splits.
    void write(RecordWriter& stream) const;

private:
    std::vector<QString> m_strings;
    QHash<QString, std::uint32_t> m_index;
    std::uint32_t m_references = 0;
};

} // namespace spreadsheet::xls
