#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xls {

// The BIFF8 workbook stream alone, globals and sheet.
QByteArray workbookStream(const Worksheet& sheet);

// The sheet as an Excel 97-2003 workbook file (an OLE2 compound file holding
// the BIFF8 "Workbook" stream).
QByteArray workbookFileBytes(const Worksheet& sheet);

} // namespace spreadsheet::xls
