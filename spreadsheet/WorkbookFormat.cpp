#include "WorkbookFormat.h"

#include "ods/OdsWriter.h"
#include "xls/XlsWriter.h"
#include "xlsx/XlsxWriter.h"

namespace spreadsheet {

QByteArray workbookFileBytes(const Worksheet& sheet, WorkbookFormat format) {
    switch (format) {
    case WorkbookFormat::OpenXmlWorkbook: return xlsx::workbookFileBytes(sheet);
    case WorkbookFormat::OpenDocumentSpreadsheet: return ods::workbookFileBytes(sheet);
    case WorkbookFormat::Excel8: break;
    }
    return xls::workbookFileBytes(sheet);
}

} // namespace spreadsheet
