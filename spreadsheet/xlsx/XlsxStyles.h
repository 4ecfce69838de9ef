#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xlsx {

// The workbook's styles part (xl/styles.xml): one cell format (xf) for
// each of the sheet's formats, in the same order, so that a cell's style
// index is its FormatId; the fonts, fills and borders they use, each once.
QByteArray stylesPart(const Worksheet& sheet);

} // namespace spreadsheet::xlsx
