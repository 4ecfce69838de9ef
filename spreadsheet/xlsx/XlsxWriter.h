#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xlsx {

// The sheet as an Office Open XML workbook (.xlsx): a zip package of the
// workbook, its one sheet, the sheet's styles and its shared strings.
// Throws core::Error (CallRejected).
QByteArray workbookFileBytes(const Worksheet& sheet);

} // namespace spreadsheet::xlsx
