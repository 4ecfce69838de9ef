#pragma once

#include "spreadsheet/VectorPicture.h"

#include <QString>

namespace chart {

// The kinds of picture file kinloom-chart writes, named by the file's
// extension: bitmaps (.bmp, .png and the other formats Qt writes) and the
// vector formats .svg and .pdf. Unknown for any other extension.
enum class PictureFileKind {
    Unknown,
    Bitmap,
    Svg,
    Pdf
};
PictureFileKind pictureFileKind(const QString& path);

// The bytes of the picture file in the kind the path's extension names. A
// PDF goes on A4 landscape pages as the workbook prints: one page wide, as
// many tall as needed, rows never split. Throws SpreadsheetError.
QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, const QString& path);

} // namespace chart
