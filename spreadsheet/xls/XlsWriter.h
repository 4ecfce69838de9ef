#pragma once

#include <QByteArray>
#include <QString>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xls {

// The BIFF8 workbook stream alone, globals and sheet.
QByteArray workbookStream(const Worksheet& sheet);

// The sheet as an Excel 97-2003 workbook file (an OLE2 compound file holding
// the BIFF8 "Workbook" stream).
QByteArray workbookFileBytes(const Worksheet& sheet);

// Writes the workbook to the path as a FileReplacement: a failure never
// leaves half a file or destroys an existing one. Throws files::Error (Spreadsheet)
// with the reason.
void writeWorkbookFile(const Worksheet& sheet, const QString& path);

} // namespace spreadsheet::xls
