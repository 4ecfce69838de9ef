#include "BiffMapping.h"

#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/ExcelConstants.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet::xls {

namespace {

bool isPalette(int index) { return index >= xl::kFirstPaletteIndex && index <= xl::kLastPaletteIndex; }
bool isFilePalette(int index) { return isPalette(index - kPaletteOffset); }

} // namespace

std::uint16_t fileFontColor(int colorIndex) {
    return isPalette(colorIndex) ? static_cast<std::uint16_t>(colorIndex + kPaletteOffset) : kFileAutomaticFontColor;
}

int modelFontColor(std::uint16_t fileColor) {
    return isFilePalette(fileColor) ? fileColor - kPaletteOffset : xl::kColorIndexAutomatic;
}

std::uint16_t filePatternColor(int colorIndex) {
    return isPalette(colorIndex) ? static_cast<std::uint16_t>(colorIndex + kPaletteOffset)
                                 : kFileAutomaticPatternForeground;
}

int modelFillColor(std::uint8_t pattern, std::uint16_t foregroundColor) {
    if (pattern == 0 || !isFilePalette(foregroundColor)) return xl::kColorIndexNone;
    return foregroundColor - kPaletteOffset;
}

std::uint8_t fileBorderStyle(int lineStyle) {
    switch (lineStyle) {
    case xl::kContinuous: return 1;
    case xl::kDash: return 3;
    case xl::kDot: return 4;
    case xl::kDouble: return 6;
    case xl::kDashDot: return 9;
    case xl::kDashDotDot: return 11;
    case xl::kSlantDashDot: return 13;
    default: return 0;
    }
}

int modelLineStyle(std::uint8_t fileStyle) {
    switch (fileStyle) {
    case 1:
    case 2:
    case 5:
    case 7: return xl::kContinuous; // thin, medium, thick, hair
    case 3:
    case 8: return xl::kDash;
    case 4: return xl::kDot;
    case 6: return xl::kDouble;
    case 9:
    case 10: return xl::kDashDot;
    case 11:
    case 12: return xl::kDashDotDot;
    case 13: return xl::kSlantDashDot;
    default: return xl::kLineStyleNone;
    }
}

std::uint8_t fileHorizontalAlignment(int alignment) {
    switch (alignment) {
    case xl::kHAlignLeft: return 1;
    case xl::kHAlignCenter: return 2;
    case xl::kHAlignRight: return 3;
    case xl::kHAlignFill: return 4;
    case xl::kHAlignJustify: return 5;
    case xl::kHAlignCenterAcrossSelection: return 6;
    case xl::kHAlignDistributed: return 7;
    default: return 0;
    }
}

int modelHorizontalAlignment(std::uint8_t fileAlignment) {
    switch (fileAlignment) {
    case 1: return xl::kHAlignLeft;
    case 2: return xl::kHAlignCenter;
    case 3: return xl::kHAlignRight;
    case 4: return xl::kHAlignFill;
    case 5: return xl::kHAlignJustify;
    case 6: return xl::kHAlignCenterAcrossSelection;
    case 7: return xl::kHAlignDistributed;
    default: return xl::kHAlignGeneral;
    }
}

std::uint16_t fileColumnWidth(double characters) {
    const int pixels = spreadsheet::columnWidthPixels(characters);
    return static_cast<std::uint16_t>(std::min(65535, columnWidth256ths(pixels)));
}

int columnWidthPixels(std::uint16_t fileWidth) {
    return static_cast<int>(std::lround(fileWidth * kDigitWidthPixels / 256.0));
}

double modelColumnWidth(std::uint16_t fileWidth) {
    const int pixels = columnWidthPixels(fileWidth);
    const double characters =
        pixels <= kColumnPaddingPixels ? 0.0 : (pixels - kColumnPaddingPixels) / double(kDigitWidthPixels);
    return std::round(characters * 100) / 100;
}

} // namespace spreadsheet::xls
