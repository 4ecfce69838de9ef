#pragma once

#include "ExcelConstants.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace spreadsheet {

class Worksheet;

// The file formats a workbook is saved in, each written by a module of its
// own: Excel 97-2003 (xls/), Office Open XML (xlsx/) and OpenDocument (ods/).
// Their values are Excel's XlFileFormat numbers, which SaveAs takes.
enum class WorkbookFormat {
    Excel8 = xl::kExcel8,                                   // .xls
    OpenXmlWorkbook = xl::kOpenXMLWorkbook,                 // .xlsx
    OpenDocumentSpreadsheet = xl::kOpenDocumentSpreadsheet, // .ods
};

// The format a file name's extension names (.xls, .xlsx, .ods, in any case);
// nothing for any other.
std::optional<WorkbookFormat> workbookFormatOf(const QString& path);
// The format of an XlFileFormat number; nothing for a number the engine does not write.
std::optional<WorkbookFormat> workbookFormatFromNumber(int fileFormat);

// The sheet as a workbook file of that format. Throws core::Error (Spreadsheet).
QByteArray workbookFileBytes(const Worksheet& sheet, WorkbookFormat format);

} // namespace spreadsheet
