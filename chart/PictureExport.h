#pragma once

#include "spreadsheet/VectorPicture.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

namespace chart {

// The kinds of picture file a chart is written as: bitmaps (.bmp, .png and
// the other formats Qt writes) and the vector formats .svg and .pdf; Unknown
// for no picture. The table of formats names the kind of each extension.
enum class PictureFileKind {
    Unknown,
    Bitmap,
    Svg,
    Pdf
};

// The bytes of the picture file in the kind given; a bitmap in the image
// format named ("png", "bmp"). A PDF goes on A4 landscape pages as the
// workbook prints: one page wide, as many tall as needed, rows never split.
// Throws core::Error (CallRejected).
QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, PictureFileKind kind,
                                const QByteArray& bitmapFormat = "png");

// Whether Qt writes bitmaps in the image format an extension names ("bmp",
// "jpg"), in lower case.
bool writesImageFormat(const QByteArray& format);

// The page a chart prints on, as the workbook sets it up: A4 landscape with a
// spreadsheet's default margins.
QPageLayout chartPageLayout();
// Paints the picture on the device's pages as its page layout allows: one
// page wide, never enlarged, whole rows on every page, as many pages as
// needed. A PDF writer and a printer lay a chart out alike. False when the
// device could not be painted on.
bool paintOnPages(const spreadsheet::VectorPicture& picture, QPagedPaintDevice& device);

} // namespace chart
