#pragma once

#include <cstdint>

// How the engine's model (Excel's automation numbers) and the BIFF8 file's
// own codes correspond. The writer and the reader both go through here, so a
// saved and reopened workbook gives back the same model.
namespace spreadsheet::xls {

// The model's colour indexes are Excel's ColorIndex (1..56). The file counts
// the palette from 8, so ColorIndex 16 (grey) is stored as 23 and 43 (lime) as 50.
inline constexpr int kPaletteOffset = 7;
inline constexpr std::uint16_t kFileAutomaticFontColor = 0x7FFF;
inline constexpr std::uint16_t kFileAutomaticPatternForeground = 0x0040;
inline constexpr std::uint16_t kFileAutomaticPatternBackground = 0x0041;

// Font colour: model ColorIndex (or automatic) <-> file palette index.
std::uint16_t fileFontColor(int colorIndex);
int modelFontColor(std::uint16_t fileColor);
// Fill colour: model ColorIndex (or none) <-> file pattern foreground colour;
// a fill is stored as a solid pattern.
std::uint16_t filePatternColor(int colorIndex);
int modelFillColor(std::uint8_t pattern, std::uint16_t foregroundColor);

// Border line styles: Excel's LineStyle numbers <-> BIFF8 border style codes (0..13).
std::uint8_t fileBorderStyle(int lineStyle);
int modelLineStyle(std::uint8_t fileStyle);

// Horizontal alignment: Excel's constants <-> BIFF8 codes (0 general .. 7 distributed).
std::uint8_t fileHorizontalAlignment(int alignment);
int modelHorizontalAlignment(std::uint8_t fileAlignment);

// Column widths: characters typed, stored as Excel stores them, from the
// column's pixels (ColumnWidth.h) in 256ths of the 7-pixel digit:
// trunc(pixels * 256 / 7). Width 2 is 694, width 24 is 6326. Reading rounds
// back to the two decimals Excel shows.
std::uint16_t fileColumnWidth(double characters);
double modelColumnWidth(std::uint16_t fileWidth);
// Pixels on screen of a stored width (19 for width 2, 173 for width 24).
int columnWidthPixels(std::uint16_t fileWidth);

} // namespace spreadsheet::xls
