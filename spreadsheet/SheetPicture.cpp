#include "SheetPicture.h"

#include "FileReplacement.h"
#include "RowHeight.h"
#include "SpreadsheetError.h"
#include "Worksheet.h"
#include "xls/BiffMapping.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {

constexpr QRgb kGridColor = qRgb(0xD0, 0xD7, 0xE5);
constexpr int kTextIndent = 3;

// Excel's default palette, ColorIndex 1 to 56.
constexpr QRgb kPalette[56] = {
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF, 0x800000, 0x008000,
    0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080, 0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF,
    0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF, 0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000,
    0x008080, 0x0000FF, 0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696, 0x003366, 0x339966,
    0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333};

QColor paletteColor(int colorIndex, QColor automatic) {
    if (colorIndex < xl::kFirstPaletteIndex || colorIndex > xl::kLastPaletteIndex) return automatic;
    return QColor(QRgb(0xFF000000u | kPalette[colorIndex - 1]));
}

void drawText(QPainter& painter, const Worksheet& sheet, const QRect& area, const QString& text,
              const CellFormat& format) {
    QFont font(sheet.fontName(format));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(format.fontSize() * 96.0 / 72.0))));
    painter.setFont(font);
    painter.setPen(paletteColor(format.fontColorIndex, Qt::black));
    painter.save();
    painter.setClipRect(area);
    const QFontMetrics metrics(font);
    const int baseline = area.bottom() - metrics.descent();
    int x = area.left() + kTextIndent;
    if (format.horizontalAlignment == xl::kHAlignRight)
        x = area.right() - kTextIndent - metrics.horizontalAdvance(text);
    else if (format.horizontalAlignment == xl::kHAlignCenter)
        x = area.left() + (area.width() - metrics.horizontalAdvance(text)) / 2;
    painter.drawText(QPoint(x, baseline), text);
    painter.restore();
}

} // namespace

PictureGrid pictureGrid(const Worksheet& sheet, const CellRange& range) {
    PictureGrid grid;
    grid.columnEdges.reserve(static_cast<std::size_t>(range.columnCount()) + 1);
    grid.rowEdges.reserve(static_cast<std::size_t>(range.rowCount()) + 1);
    int x = 0;
    grid.columnEdges.push_back(x);
    for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
        x += xls::columnWidthPixels(xls::fileColumnWidth(sheet.columnWidth(c)));
        grid.columnEdges.push_back(x);
    }
    int y = 0;
    grid.rowEdges.push_back(y);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        y += rowHeightPixels(sheet, r);
        grid.rowEdges.push_back(y);
    }
    return grid;
}

double pictureScale(qint64 width, qint64 height) {
    double scale = 1.0;
    scale = std::min(scale, double(kMaxPictureSide) / double(std::max<qint64>(width, 1)));
    scale = std::min(scale, double(kMaxPictureSide) / double(std::max<qint64>(height, 1)));
    const double pixels = double(width) * double(height);
    if (pixels * scale * scale >= double(kMaxPicturePixels)) scale = std::sqrt((kMaxPicturePixels - 1) / pixels);
    return scale;
}

QImage drawRange(const Worksheet& sheet, const CellRange& range) {
    const PictureGrid grid = pictureGrid(sheet, range);
    const double scale = pictureScale(grid.width(), grid.height());
    const QSize size(std::max(1, static_cast<int>(grid.width() * scale)),
                     std::max(1, static_cast<int>(grid.height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (scale < 1.0) {
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
    const auto cellRect = [&](int row, int column) {  // inside the grid lines
        const int x0 = grid.columnEdges[column - range.firstColumn];
        const int x1 = grid.columnEdges[column - range.firstColumn + 1];
        const int y0 = grid.rowEdges[row - range.firstRow];
        const int y1 = grid.rowEdges[row - range.firstRow + 1];
        return QRect(QPoint(x0, y0), QPoint(x1, y1));
    };

    // Grid lines: one line at every column and row edge.
    painter.setPen(QColor(kGridColor));
    for (int x : grid.columnEdges) painter.drawLine(x, 0, x, grid.rowEdges.back());
    for (int y : grid.rowEdges) painter.drawLine(0, y, grid.columnEdges.back(), y);

    // Merged areas show as one cell: no grid lines inside.
    for (const CellRange& area : sheet.mergedRanges()) {
        if (!area.intersects(range)) continue;
        const CellRange visible{std::max(area.firstRow, range.firstRow), std::max(area.firstColumn, range.firstColumn),
                                std::min(area.lastRow, range.lastRow), std::min(area.lastColumn, range.lastColumn)};
        const QRect outer = cellRect(visible.firstRow, visible.firstColumn)
                                .united(cellRect(visible.lastRow, visible.lastColumn));
        painter.fillRect(outer.adjusted(1, 1, -1, -1), Qt::white);
    }

    // Fills, then edges over them, then texts.
    const int lastRow = std::min(range.lastRow, sheet.lastStoredRow());
    for (int row = range.firstRow; row <= lastRow; ++row) {
        for (const Cell& cell : sheet.storedCells(row)) {
            if (cell.column < range.firstColumn || cell.column > range.lastColumn) continue;
            const CellFormat& format = sheet.formats().at(cell.format);
            if (format.fillColorIndex == xl::kColorIndexNone) continue;
            painter.fillRect(cellRect(row, cell.column).adjusted(1, 1, 0, 0),
                             paletteColor(format.fillColorIndex, Qt::white));
        }
    }
    painter.setPen(Qt::black);
    for (int row = range.firstRow; row <= lastRow; ++row) {
        for (const Cell& cell : sheet.storedCells(row)) {
            if (cell.column < range.firstColumn || cell.column > range.lastColumn) continue;
            const CellFormat& format = sheet.formats().at(cell.format);
            const QRect r = cellRect(row, cell.column);
            if (format.border(Edge::Left) != xl::kLineStyleNone) painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
            if (format.border(Edge::Right) != xl::kLineStyleNone) painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
            if (format.border(Edge::Top) != xl::kLineStyleNone) painter.drawLine(r.left(), r.top(), r.right(), r.top());
            if (format.border(Edge::Bottom) != xl::kLineStyleNone) painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        }
    }
    for (int row = range.firstRow; row <= lastRow; ++row) {
        for (const Cell& cell : sheet.storedCells(row)) {
            if (!cell.text || cell.column < range.firstColumn || cell.column > range.lastColumn) continue;
            QRect area = cellRect(row, cell.column);
            if (const auto merged = sheet.mergedAreaAt(row, cell.column)) {
                const int lastColumn = std::min(merged->lastColumn, range.lastColumn);
                const int lastMergedRow = std::min(merged->lastRow, range.lastRow);
                area = area.united(cellRect(lastMergedRow, lastColumn));
            }
            drawText(painter, sheet, area.adjusted(1, 1, -1, -1), sheet.text(cell), sheet.formats().at(cell.format));
        }
    }
    return image;
}

void copyPictureToClipboard(const Worksheet& sheet, const CellRange& range) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw SpreadsheetError(QStringLiteral("There is no clipboard to copy the picture to."));
    QGuiApplication::clipboard()->setImage(drawRange(sheet, range));
}

QByteArray pictureFileBytes(const QImage& picture, const QByteArray& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        throw SpreadsheetError(QStringLiteral("The picture cannot be written as %1: %2")
                                   .arg(QString::fromLatin1(format), writer.errorString()));
    return bytes;
}

void writePictureFile(const QImage& picture, const QString& path, const QByteArray& format) {
    replaceFile(path, pictureFileBytes(picture, format));
}

void registerSheetFonts() {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;
    static const char* const candidates[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const char* path : candidates)
        if (QFile::exists(QString::fromLatin1(path))) QFontDatabase::addApplicationFont(QString::fromLatin1(path));
}

} // namespace spreadsheet
