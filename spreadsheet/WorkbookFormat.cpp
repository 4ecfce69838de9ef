#include "WorkbookFormat.h"

#include "ods/OdsWriter.h"
#include "xls/XlsWriter.h"
#include "xlsx/XlsxWriter.h"

#include <QFileInfo>

namespace spreadsheet {

std::optional<WorkbookFormat> workbookFormatOf(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("xls")) return WorkbookFormat::Excel8;
    if (extension == QLatin1String("xlsx")) return WorkbookFormat::OpenXmlWorkbook;
    if (extension == QLatin1String("ods")) return WorkbookFormat::OpenDocumentSpreadsheet;
    return std::nullopt;
}

std::optional<WorkbookFormat> workbookFormatFromNumber(int fileFormat) {
    for (const WorkbookFormat format :
         {WorkbookFormat::Excel8, WorkbookFormat::OpenXmlWorkbook, WorkbookFormat::OpenDocumentSpreadsheet})
        if (static_cast<int>(format) == fileFormat) return format;
    return std::nullopt;
}

QByteArray workbookFileBytes(const Worksheet& sheet, WorkbookFormat format) {
    switch (format) {
    case WorkbookFormat::OpenXmlWorkbook: return xlsx::workbookFileBytes(sheet);
    case WorkbookFormat::OpenDocumentSpreadsheet: return ods::workbookFileBytes(sheet);
    case WorkbookFormat::Excel8: break;
    }
    return xls::workbookFileBytes(sheet);
}

} // namespace spreadsheet
