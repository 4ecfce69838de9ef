#include "ChartFileExport.h"

#include "Excel1.h"
#include "PictureExport.h"

#include "files/WholeFile.h"
#include "spreadsheet/ExcelConstants.h"

#include <QFileInfo>

namespace chart {

namespace {

// The format's Excel file format number, for a workbook format.
std::optional<int> fileFormatNumber(ChartFileFormat format) {
    switch (format) {
    case ChartFileFormat::Xls: return spreadsheet::xl::kExcel8;
    case ChartFileFormat::Xlsx: return spreadsheet::xl::kOpenXMLWorkbook;
    case ChartFileFormat::Ods: return spreadsheet::xl::kOpenDocumentSpreadsheet;
    default: return std::nullopt;
    }
}

PictureFileKind pictureKind(ChartFileFormat format) {
    switch (format) {
    case ChartFileFormat::Pdf: return PictureFileKind::Pdf;
    case ChartFileFormat::Svg: return PictureFileKind::Svg;
    case ChartFileFormat::Png: return PictureFileKind::Bitmap;
    default: return PictureFileKind::Unknown;
    }
}

} // namespace

std::optional<ChartFileFormat> chartFileFormatOf(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    constexpr std::pair<const char*, ChartFileFormat> kExtensions[] = {
        {"xls", ChartFileFormat::Xls}, {"xlsx", ChartFileFormat::Xlsx}, {"ods", ChartFileFormat::Ods},
        {"pdf", ChartFileFormat::Pdf}, {"svg", ChartFileFormat::Svg},   {"png", ChartFileFormat::Png}};
    for (const auto& [name, format] : kExtensions)
        if (extension == QLatin1String(name)) return format;
    return std::nullopt;
}

QByteArray chartFileBytes(const QString& workbookPath, ChartFileFormat format) {
    if (format == ChartFileFormat::Xls) return files::readWholeFile(workbookPath);
    const std::unique_ptr<automation::Application> application = Excel1::openWorkbookInNewExcel(workbookPath);
    automation::Workbooks& books = application->workbooks();
    const std::shared_ptr<automation::Workbook> book = books.item(books.count());
    QByteArray bytes;
    if (const std::optional<int> number = fileFormatNumber(format)) {
        bytes = book->fileBytes(*number);
    } else {
        automation::Worksheet& sheet = book->activeSheet();
        const automation::UsedRange used = sheet.usedRange();
        bytes = exportedPictureBytes(sheet.picture(used.range()), pictureKind(format));
    }
    application->setDisplayAlerts(false);
    book->close();
    application->quit();
    return bytes;
}

} // namespace chart
