#include "FileFormats.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace chart {

namespace {

using spreadsheet::WorkbookFormat;

// In the Save dialog's order. The filters are shown in the preview's Save
// dialog and translated with its texts.
constexpr std::array kTypes{
    ChartFileType{ChartFileFormat::Xls, ChartFileKind::Workbook, "xls",
                  QT_TRANSLATE_NOOP("Form2", "Excel Files (*.xls)"), WorkbookFormat::Excel8, PictureFileKind::Unknown},
    ChartFileType{ChartFileFormat::Xlsx, ChartFileKind::Workbook, "xlsx",
                  QT_TRANSLATE_NOOP("Form2", "Excel Workbook (*.xlsx)"), WorkbookFormat::OpenXmlWorkbook,
                  PictureFileKind::Unknown},
    ChartFileType{ChartFileFormat::Ods, ChartFileKind::Workbook, "ods",
                  QT_TRANSLATE_NOOP("Form2", "OpenDocument Spreadsheet (*.ods)"),
                  WorkbookFormat::OpenDocumentSpreadsheet, PictureFileKind::Unknown},
    ChartFileType{ChartFileFormat::Pdf, ChartFileKind::Picture, "pdf",
                  QT_TRANSLATE_NOOP("Form2", "PDF Document (*.pdf)"), WorkbookFormat::Excel8, PictureFileKind::Pdf},
    ChartFileType{ChartFileFormat::Svg, ChartFileKind::Picture, "svg",
                  QT_TRANSLATE_NOOP("Form2", "SVG Picture (*.svg)"), WorkbookFormat::Excel8, PictureFileKind::Svg},
    ChartFileType{ChartFileFormat::Png, ChartFileKind::Picture, "png",
                  QT_TRANSLATE_NOOP("Form2", "PNG Picture (*.png)"), WorkbookFormat::Excel8, PictureFileKind::Bitmap},
    ChartFileType{ChartFileFormat::Bitmap, ChartFileKind::Picture, nullptr, nullptr, WorkbookFormat::Excel8,
                  PictureFileKind::Bitmap},
};

QByteArray extensionOf(const QString& path) { return QFileInfo(path).suffix().toLower().toLatin1(); }

} // namespace

std::span<const ChartFileType> chartFileTypes() { return kTypes; }

const ChartFileType& chartFileType(ChartFileFormat format) {
    return *std::find_if(kTypes.begin(), kTypes.end(),
                         [&](const ChartFileType& type) { return type.format == format; });
}

const ChartFileType* chartFileTypeOf(const QString& path) {
    const QByteArray extension = extensionOf(path);
    for (const ChartFileType& type : kTypes)
        if (type.extension && extension == type.extension) return &type;
    if (!extension.isEmpty() && writesImageFormat(extension)) return &chartFileType(ChartFileFormat::Bitmap);
    return nullptr;
}

QByteArray chartFileBytes(automation::Workbook& book, const ChartFileType& type, const QByteArray& extension) {
    if (type.kind == ChartFileKind::Workbook) return book.fileBytes(type.workbook);
    automation::Worksheet& sheet = book.activeSheet();
    const automation::UsedRange used = sheet.usedRange();
    const QByteArray imageFormat = type.extension ? QByteArray(type.extension) : extension;
    return exportedPictureBytes(sheet.picture(used.range()), type.picture, imageFormat.isEmpty() ? "png" : imageFormat);
}

QString saveDialogFilter() {
    QString filter;
    for (const ChartFileType& type : kTypes)
        if (type.filter)
            filter += QCoreApplication::translate("Form2", type.filter) + QStringLiteral("|*.")
                + QLatin1String(type.extension) + QLatin1Char('|');
    return filter;
}

ChartFileFormat saveFormatFor(const QString& chosen, int filterIndex) {
    const ChartFileType* named = chartFileTypeOf(chosen);
    if (named && named->filter) return named->format;
    const auto offered = std::count_if(kTypes.begin(), kTypes.end(), [](const ChartFileType& t) { return t.filter; });
    return kTypes[std::clamp(filterIndex, 1, static_cast<int>(offered)) - 1].format;
}

} // namespace chart
