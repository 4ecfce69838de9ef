#pragma once

#include "ByteBuffer.h"

#include "spreadsheet/CellFormat.h"

#include <cstdint>
#include <vector>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xls {

// The FONT, XF and STYLE records of a sheet's formats: one cell XF for each
// distinct format, one FONT for each distinct font among them.
class FormatRecords {
public:
    explicit FormatRecords(const Worksheet& sheet);

    std::uint16_t xfIndex(FormatId format) const { return static_cast<std::uint16_t>(kFirstCellXf + format); }
    void write(RecordWriter& stream) const;

    // XFs 0-14 are the built-in style XFs, 15 the default cell XF.
    static constexpr std::uint16_t kFirstCellXf = 16;
    static constexpr std::uint16_t kDefaultCellXf = 15;

private:
    struct Font {
        QString name;
        std::uint16_t height;
        std::uint16_t color;
        bool operator==(const Font&) const = default;
    };

    std::vector<Font> m_fonts;           // written from font index 5 on
    std::vector<CellFormat> m_formats;   // by FormatId
    std::vector<std::uint16_t> m_fontOf; // font index of each format
};

} // namespace spreadsheet::xls
