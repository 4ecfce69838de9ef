#include "FormatRecords.h"

#include "BiffMapping.h"
#include "BiffRecords.h"

#include "spreadsheet/Worksheet.h"

#include <algorithm>

namespace spreadsheet::xls {

namespace {

constexpr std::uint16_t kDefaultFontHeight = 200;
constexpr std::uint16_t kNormalWeight = 400;
constexpr std::uint8_t kVerticalBottom = 2 << 4;
constexpr std::uint16_t kAutomaticBorderColor = 0x40;
constexpr std::uint8_t kSolidPattern = 1;

void writeFont(RecordWriter& stream, const QString& name, std::uint16_t height, std::uint16_t color) {
    ByteBuffer font;
    font.u16(height);
    font.u16(0); // not italic, not struck out
    font.u16(color);
    font.u16(kNormalWeight);
    font.u16(0); // no super- or subscript
    font.u8(0);  // no underline
    font.u8(0);  // family
    font.u8(0);  // character set
    font.u8(0);
    font.shortString(name);
    stream.write(record::kFont, font);
}

// An XF record. Cell XFs name style XF 0 as parent and use all of their own attributes.
void writeXf(RecordWriter& stream, std::uint16_t font, bool styleXf, std::uint8_t attributes,
             const CellFormat& format) {
    ByteBuffer xf;
    xf.u16(font);
    xf.u16(0);                         // number format: General
    xf.u16(styleXf ? 0xFFF5 : 0x0001); // locked; style XFs have no parent
    xf.u8(fileHorizontalAlignment(format.horizontalAlignment) | kVerticalBottom);
    xf.u8(0); // no rotation
    xf.u8(0); // no indent
    xf.u8(attributes);
    const auto style = [&](Edge e) { return std::uint32_t(fileBorderStyle(format.border(e))); };
    const auto color = [&](Edge e) { return style(e) ? kAutomaticBorderColor : 0u; };
    xf.u32(style(Edge::Left) | style(Edge::Right) << 4 | style(Edge::Top) << 8 | style(Edge::Bottom) << 12
           | color(Edge::Left) << 16 | color(Edge::Right) << 23);
    const bool filled = format.fillColorIndex != xl::kColorIndexNone;
    xf.u32(color(Edge::Top) | color(Edge::Bottom) << 7 | std::uint32_t(filled ? kSolidPattern : 0) << 26);
    xf.u16(static_cast<std::uint16_t>(filePatternColor(format.fillColorIndex) | kFileAutomaticPatternBackground << 7));
    stream.write(record::kXf, xf);
}

} // namespace

FormatRecords::FormatRecords(const Worksheet& sheet) {
    const FormatTable& table = sheet.formats();
    for (FormatId id = 0; id < table.size(); ++id) {
        const CellFormat& format = table.at(id);
        const Font font{table.fontName(format.fontName), format.fontHeight, fileFontColor(format.fontColorIndex)};
        auto it = std::find(m_fonts.begin(), m_fonts.end(), font);
        if (it == m_fonts.end()) it = m_fonts.insert(m_fonts.end(), font);
        m_formats.push_back(format);
        m_fontOf.push_back(static_cast<std::uint16_t>(5 + (it - m_fonts.begin())));
    }
}

void FormatRecords::write(RecordWriter& stream) const {
    // Fonts 0-3 are the workbook's default font; index 4 does not exist.
    for (int i = 0; i < 4; ++i) writeFont(stream, QStringLiteral("Arial"), kDefaultFontHeight, kFileAutomaticFontColor);
    for (const Font& font : m_fonts) writeFont(stream, font.name, font.height, font.color);

    const CellFormat plain;
    writeXf(stream, 0, true, 0x00, plain); // the Normal style
    for (int i = 1; i < 15; ++i) writeXf(stream, 0, true, 0xF4, plain);
    writeXf(stream, 0, false, 0x00, plain); // default cell XF
    for (std::size_t id = 0; id < m_formats.size(); ++id) writeXf(stream, m_fontOf[id], false, 0xF8, m_formats[id]);

    ByteBuffer normal;
    normal.u16(0x8000); // built-in style on XF 0
    normal.u8(0);       // Normal
    normal.u8(0xFF);
    stream.write(record::kStyle, normal);
}

} // namespace spreadsheet::xls
