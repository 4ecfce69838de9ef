#pragma once

#include "spreadsheet/VectorPicture.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace chart {

// The kinds of picture file a chart is written as, named by the file's
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
// many tall as needed, rows never split. Throws core::Error (Spreadsheet).
QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, const QString& path);
// The same in the kind given; a bitmap in the image format named ("png", "bmp").
QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, PictureFileKind kind,
                                const QByteArray& bitmapFormat = "png");

// The page a chart prints on, as the workbook sets it up: A4 landscape with a
// spreadsheet's default margins.
QPageLayout chartPageLayout();
// Paints the picture on the device's pages as its page layout allows: one
// page wide, never enlarged, whole rows on every page, as many pages as
// needed. A PDF writer and a printer lay a chart out alike. False when the
// device could not be painted on.
bool paintOnPages(const spreadsheet::VectorPicture& picture, QPagedPaintDevice& device);

} // namespace chart
