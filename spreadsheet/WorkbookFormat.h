#pragma once

#include "ExcelConstants.h"

#include <QByteArray>

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

// The sheet as a workbook file of that format. Throws core::Error (CallRejected).
QByteArray workbookFileBytes(const Worksheet& sheet, WorkbookFormat format);

} // namespace spreadsheet
