#pragma once

#include "spreadsheet/ExcelConstants.h"

// How a chart looks on its sheet: its fonts, colours, column widths and
// where its boxes begin.
namespace chart {

inline constexpr const char* kSheetFontName = "Tahoma";
inline constexpr int kTitleFontSize = 20;
inline constexpr int kGenerationLineFontSize = 11;
inline constexpr int kTitleColorIndex = spreadsheet::xl::kPaletteGrey50;
inline constexpr int kBoxColorIndex = spreadsheet::xl::kPaletteLime;
// Column widths in characters, written as the chart passes them.
inline constexpr const char* kMarginColumnWidth = "2";
inline constexpr const char* kBoxColumnWidth = "24";

// The title and the generation line stand in column B, the title above.
inline constexpr int kTitleRow = 2;
inline constexpr int kGenerationLineRow = 3;
inline constexpr int kTextColumn = 2;

// The oldest generation's boxes stand in column B; the first box of the k-th
// box column (from 0) on row 2^k + kFirstBoxRowOffset.
inline constexpr int kFirstBoxColumn = 2;
inline constexpr int kFirstBoxRowOffset = 4;

} // namespace chart
