#pragma once

namespace spreadsheet {

class Worksheet;

// Rows are as tall as a spreadsheet's automatic fit makes them for the
// largest font in the row: 1.7 pixels a point, whole pixels, at 96 dpi
// (17 px for the 10-point default, 34 px = 25.5 pt for 20 points).
int autoFitRowHeightPixels(double largestFontPoints);
inline double pixelsToPoints(int pixels) { return pixels * 0.75; }

// The height of one row in pixels; rows without larger text keep the default.
int rowHeightPixels(const Worksheet& sheet, int row);
int defaultRowHeightPixels(const Worksheet& sheet);

} // namespace spreadsheet
