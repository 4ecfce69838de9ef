#pragma once

#include "CellRange.h"

#include <QImage>

namespace spreadsheet {

class Worksheet;

// Largest picture drawn: no side over 32,767 pixels and fewer than 64 million
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

// The factor a range of that size is drawn at: 1, or less to fit the bounds.
double pictureScale(qint64 width, qint64 height);

// The range drawn as a spreadsheet shows it on screen: white cells, light
// grid lines, fills, borders, and text in its font, clipped to its merged area.
QImage drawRange(const Worksheet& sheet, const CellRange& range);

// Puts the picture of the range on the system clipboard, as Excel's
// CopyPicture does. Throws SpreadsheetError when there is no clipboard (no
// QGuiApplication).
void copyPictureToClipboard(const Worksheet& sheet, const CellRange& range);

// The bytes of a picture file in the given format ("bmp", "png", ...).
// Throws SpreadsheetError.
QByteArray pictureFileBytes(const QImage& picture, const QByteArray& format);

// Writes a picture file as a FileReplacement: any file there is replaced
// only once the new one is complete. Throws SpreadsheetError.
void writePictureFile(const QImage& picture, const QString& path, const QByteArray& format);

// Makes the sheet's fonts available: Tahoma from the system, or from
// fonts-wine when the system has none. Quietly does nothing when neither is
// there; text then falls back to the nearest face. Needs a QGuiApplication.
void registerSheetFonts();

} // namespace spreadsheet
