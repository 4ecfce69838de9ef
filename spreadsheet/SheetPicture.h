#pragma once

#include "CellRange.h"
#include "VectorPicture.h"

#include <QImage>

namespace spreadsheet {

class Worksheet;

// Largest bitmap drawn: no side over 32,767 pixels and fewer than 64 million
// pixels in all. A larger range is drawn scaled down evenly to fit.
inline constexpr int kMaxPictureSide = 32767;
inline constexpr qint64 kMaxPicturePixels = 64'000'000;

// Column and row edges of a range on screen, in pixels at 1:1. Edge i is the
// line before column (or row) i of the range; the last edge closes the range.
struct PictureGrid {
    std::vector<int> columnEdges;
    std::vector<int> rowEdges;
    int width() const { return columnEdges.back() + 1; }
    int height() const { return rowEdges.back() + 1; }
};

PictureGrid pictureGrid(const Worksheet& sheet, const CellRange& range);

// The factor a bitmap of that size is drawn at: 1, or less to fit the bounds.
double pictureScale(qint64 width, qint64 height);

// The range as a spreadsheet shows it on screen: white cells, light grid
// lines, fills, borders, and text in its font, clipped to its merged area.
VectorPicture pictureOfRange(const Worksheet& sheet, const CellRange& range);

// The same as a bitmap, one sheet pixel to one pixel within the bounds above.
QImage bitmapOf(const VectorPicture& picture);
QImage drawRange(const Worksheet& sheet, const CellRange& range);

// Puts the picture of the range on the system clipboard, as Excel's
// CopyPicture does: the vector picture (VectorPicture::mimeType()), and a
// bitmap for other programs, drawn when one asks. Throws core::Error (CallRejected)
// when there is no clipboard (no QGuiApplication). Answers the picture.
VectorPicture copyPictureToClipboard(const Worksheet& sheet, const CellRange& range);

// The bytes of a picture file in the given format ("bmp", "png", ...).
// Throws core::Error (CallRejected).
QByteArray pictureFileBytes(const QImage& picture, const QByteArray& format);

// Writes a picture file as a FileReplacement: any file there is replaced
// only once the new one is complete. Throws core::Error: File when it
// cannot be written, Spreadsheet when the picture cannot be encoded.
void writePictureFile(const QImage& picture, const QString& path, const QByteArray& format);
// The largest picture file read. A 15-generation chart's picture is 1.9 MB;
// filled, every label 300 characters long (a GEDCOM line's 255, with the
// ancestor number and the years), 23.3 MB. What is larger is no chart's.
inline constexpr qint64 kMaxPictureFileBytes = 32 * 1024 * 1024;

// Reads a vector picture's file: a regular file of at most
// kMaxPictureFileBytes, judged before anything is read. Throws
// core::Error: File for a file that cannot be read or is larger,
// Spreadsheet for one that holds no sound picture.
VectorPicture readPictureFile(const QString& path);

// Makes the sheet's fonts available: Tahoma from the system, or from
// fonts-wine when the system has none. Quietly does nothing when neither is
// there; text then falls back to the nearest face. Needs a QGuiApplication.
void registerSheetFonts();

} // namespace spreadsheet
