#pragma once

// Excel's own numbers for the values the automation calls take, so that a
// caller written against Excel passes the same numbers here.
namespace spreadsheet::xl {

inline constexpr int kColorIndexAutomatic = -4105;
inline constexpr int kColorIndexNone = -4142;
inline constexpr int kFirstPaletteIndex = 1;
inline constexpr int kLastPaletteIndex = 56;
// Entries of the default palette called by their colour.
inline constexpr int kPaletteGrey50 = 16; // RGB 128, 128, 128
inline constexpr int kPaletteLime = 43;   // RGB 153, 204, 0

// Borders(n)
inline constexpr int kDiagonalDown = 5;
inline constexpr int kDiagonalUp = 6;
inline constexpr int kEdgeLeft = 7;
inline constexpr int kEdgeTop = 8;
inline constexpr int kEdgeBottom = 9;
inline constexpr int kEdgeRight = 10;
inline constexpr int kInsideVertical = 11;
inline constexpr int kInsideHorizontal = 12;

// Border LineStyle
inline constexpr int kLineStyleNone = -4142;
inline constexpr int kContinuous = 1;
inline constexpr int kDash = -4115;
inline constexpr int kDashDot = 4;
inline constexpr int kDashDotDot = 5;
inline constexpr int kDot = -4118;
inline constexpr int kDouble = -4119;
inline constexpr int kSlantDashDot = 13;

// HorizontalAlignment
inline constexpr int kHAlignGeneral = 1;
inline constexpr int kHAlignLeft = -4131;
inline constexpr int kHAlignCenter = -4108;
inline constexpr int kHAlignRight = -4152;
inline constexpr int kHAlignFill = 5;
inline constexpr int kHAlignJustify = -4130;
inline constexpr int kHAlignCenterAcrossSelection = 7;
inline constexpr int kHAlignDistributed = -4117;

// PageSetup.Orientation and .PaperSize
inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;
inline constexpr int kPaperA4 = 9;

// Workbook.SaveAs FileFormat (XlFileFormat)
inline constexpr int kExcel8 = 56;
inline constexpr int kOpenXMLWorkbook = 51;
inline constexpr int kOpenDocumentSpreadsheet = 60;

// Limits of an Excel 97-2003 workbook.
inline constexpr int kMaxTextLength = 32767;
inline constexpr double kMaxColumnWidth = 255.0;
inline constexpr double kMinFontSize = 1.0;
inline constexpr double kMaxFontSize = 409.0;
inline constexpr int kMaxFontNameLength = 31;
inline constexpr int kMaxPaperSize = 0xFFFF;
inline constexpr int kMaxFitToPages = 32767;
inline constexpr int kMaxHeaderFooterLength = 255;

} // namespace spreadsheet::xl
