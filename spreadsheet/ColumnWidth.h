#pragma once

namespace spreadsheet {

// Column widths are typed in characters: digits of the workbook's default
// font (Arial 10), 7 pixels each at 96 dpi. On screen a column is the whole
// pixels of those characters and 5 pixels of padding (19 px for width 2,
// 173 px for width 24); a hidden column (width 0) takes none. Every file
// format stores the width from these pixels, so all of them show it alike.
int columnWidthPixels(double characters);

inline constexpr int kDigitWidthPixels = 7;
inline constexpr int kColumnPaddingPixels = 5;

// A width of so many pixels as files store it: in 1/256 of a digit's width.
inline constexpr int columnWidth256ths(int pixels) { return pixels * 256 / kDigitWidthPixels; }

} // namespace spreadsheet
