#include "FormatResolver.h"

#include "BiffMapping.h"
#include "ReadFailures.h"

#include <algorithm>

namespace spreadsheet::xls {

namespace {

// BIFF never stores font index 4: indexes from 5 on stand for the 5th record on.
constexpr std::uint16_t kMissingFontIndex = 4;

constexpr std::uint16_t kMinFontHeight = static_cast<std::uint16_t>(xl::kMinFontSize * 20);
constexpr std::uint16_t kMaxFontHeight = static_cast<std::uint16_t>(xl::kMaxFontSize * 20);

core::Phrase placeName(int row, int column) {
    if (row > 0)
        return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "cell %1"), {addressText(CellRange::cell(row, column))});
    return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "column %1"), {columnName(column)});
}

} // namespace

FormatResolver::FormatResolver(const WorkbookGlobals& globals, Worksheet& sheet)
    : m_globals(globals), m_sheet(sheet), m_byXf(globals.xfs.size()) {}

FormatId FormatResolver::formatOf(std::uint16_t xfIndex, int row, int column) {
    if (xfIndex >= m_byXf.size())
        throwDamaged(
            core::Phrase(QT_TRANSLATE_NOOP("core::Error", "%1 refers to cell format %2, but the workbook has only %3"),
                         {placeName(row, column), xfIndex, m_byXf.size()}));
    auto& known = m_byXf[xfIndex];
    if (!known) known = m_sheet.internFormat(modelFormat(m_globals.xfs[xfIndex], row, column));
    return *known;
}

CellFormat FormatResolver::modelFormat(const XfRecord& xf, int row, int column) {
    // Some writers do refer to font 4; it is taken as the default font.
    const std::size_t fontRecord = xf.font > kMissingFontIndex ? xf.font - 1u
        : xf.font == kMissingFontIndex                         ? 0u
                                                               : xf.font;
    if (fontRecord >= m_globals.fonts.size())
        throwDamaged(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "the cell format of %1 refers to font %2, but the workbook has %3 fonts"),
            {placeName(row, column), xf.font, m_globals.fonts.size()}));
    const FontRecord& font = m_globals.fonts[fontRecord];

    CellFormat format;
    format.fontName = m_sheet.fontNameId(font.name);
    // The model keeps font sizes to what Excel accepts.
    format.fontHeight = std::clamp(font.height, kMinFontHeight, kMaxFontHeight);
    format.fontColorIndex = static_cast<std::int16_t>(modelFontColor(font.color));
    format.fillColorIndex = static_cast<std::int16_t>(modelFillColor(xf.pattern, xf.patternColor));
    for (int edge = 0; edge < kEdgeCount; ++edge)
        format.borders[edge] = static_cast<std::int16_t>(modelLineStyle(xf.borders[edge]));
    format.horizontalAlignment = static_cast<std::int16_t>(modelHorizontalAlignment(xf.horizontalAlignment));
    return format;
}

} // namespace spreadsheet::xls
