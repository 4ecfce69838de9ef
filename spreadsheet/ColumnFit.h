#pragma once

#include <QString>

namespace spreadsheet {

class Worksheet;

// Pixels on screen (96 dpi) that a text takes in a font, as a spreadsheet
// measures it when it fits a column. A workbook is read where its font may
// be missing: spreadsheets on Linux show Tahoma, for one, in DejaVu Sans,
// about a tenth wider. The text is measured in both, and the wider counts,
// so that it reads whole in either. Needs a QGuiApplication.
int textWidthPixels(const QString& text, const QString& fontName, double points);

// The narrowest width, in whole characters of the standard font, of a
// column that shows a text of that many pixels with a cell's room on both
// sides; at most the 255 characters a column can have.
double columnWidthShowing(int textPixels);

// Columns.AutoFit, except that no column narrows: each column from first to
// last grows until its widest text, in the cell's own font, shows whole.
// Merged cells do not count, as a spreadsheet's fit leaves them out. Throws
// core::Error (CallRejected) where there are no fonts to measure with.
void widenColumnsToTexts(Worksheet& sheet, int firstColumn, int lastColumn);

} // namespace spreadsheet
