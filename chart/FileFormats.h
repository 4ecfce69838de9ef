#pragma once

#include "Automation.h"
#include "PictureExport.h"

#include "spreadsheet/WorkbookFormat.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>

namespace chart {

// Every kind of file a chart is written as.
enum class ChartFileFormat : std::uint8_t {
    Xls,
    Xlsx,
    Ods,
    Pdf,
    Svg,
    Png,
    Bitmap, // any other image format Qt writes: .bmp, .jpg, ...
};

// What a file of the chart holds.
enum class ChartFileKind : std::uint8_t {
    Workbook,
    Picture,
};

// One row of the table of the files a chart is written as.
struct ChartFileType {
    ChartFileFormat format;
    ChartFileKind kind;
    // What a name ends in, in lower case without the dot; null for Bitmap,
    // whose extension names the image format.
    const char* extension;
    // The Save dialog's filter, marked for translation; null where the
    // dialog does not offer the format.
    const char* filter;
    // Its writer: the engine, in this format, for a workbook; the picture
    // export, in this kind, for a picture.
    spreadsheet::WorkbookFormat workbook;
    PictureFileKind picture;
};

// The table, in the Save dialog's order.
std::span<const ChartFileType> chartFileTypes();
const ChartFileType& chartFileType(ChartFileFormat format);

// The type a file name's extension names, in any case (a bitmap in any image
// format Qt writes); null for any other extension.
const ChartFileType* chartFileTypeOf(const QString& path);

// The chart in the workbook as a file of the type; a bitmap in the image
// format the extension names ("png" when none). Throws core::Error.
QByteArray chartFileBytes(automation::Workbook& book, const ChartFileType& type, const QByteArray& extension = {});

// The Save dialog's filter: the Excel file first, the one the preview
// always offered and still offers first, then the other ways out.
QString saveDialogFilter();

// The format a save writes: the one the chosen name's extension names when
// it names one the dialog offers, else the one of the filter chosen
// (counted from 1).
ChartFileFormat saveFormatFor(const QString& chosen, int filterIndex);

} // namespace chart
