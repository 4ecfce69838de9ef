#include "SheetPicture.h"

#include "Palette.h"
#include "RowHeight.h"
#include "Worksheet.h"
#include "core/Error.h"
#include "core/VisibleText.h"
#include "files/FileReplacement.h"
#include "files/WholeFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace spreadsheet {

namespace {

PictureText::Alignment textAlignment(int horizontalAlignment) {
    if (horizontalAlignment == xl::kHAlignRight) return PictureText::Alignment::Right;
    if (horizontalAlignment == xl::kHAlignCenter) return PictureText::Alignment::Center;
    return PictureText::Alignment::Left;
}

std::uint16_t pixelLength(int pixels) { return static_cast<std::uint16_t>(std::clamp(pixels, 0, 0xFFFF)); }

} // namespace

PictureGrid pictureGrid(const Worksheet& sheet, const CellRange& range) {
    PictureGrid grid;
    grid.columnEdges.reserve(static_cast<std::size_t>(range.columnCount()) + 1);
    grid.rowEdges.reserve(static_cast<std::size_t>(range.rowCount()) + 1);
    int x = 0;
    grid.columnEdges.push_back(x);
    for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
        x += sheet.columnWidthPixels(c);
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

namespace {

std::vector<std::uint16_t> lengthsBetween(const std::vector<int>& edges) {
    std::vector<std::uint16_t> lengths;
    lengths.reserve(edges.size() - 1);
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) lengths.push_back(pixelLength(edges[i + 1] - edges[i]));
    return lengths;
}

// One picture style for each sheet format that shows a fill or an edge.
class PictureStyles {
public:
    PictureStyles(const Worksheet& sheet, std::vector<PictureStyle>& styles) : m_sheet(sheet), m_styles(styles) {}

    // The style's index, or -1 for a format that draws nothing.
    int styleFor(FormatId id) {
        if (const auto it = m_styleOf.find(id); it != m_styleOf.end()) return it->second;
        const CellFormat& format = m_sheet.formats().at(id);
        PictureStyle style;
        if (format.fillColorIndex != xl::kColorIndexNone) {
            style.hasFill = 1;
            style.fill = paletteColor(format.fillColorIndex, 0xFFFFFFFFu);
        }
        for (int e = 0; e < kEdgeCount; ++e)
            if (format.borders[static_cast<std::size_t>(e)] != xl::kLineStyleNone)
                style.borders |= std::uint8_t(1u << e);
        if (!style.hasFill && !style.borders) return m_styleOf[id] = -1;
        const auto same = std::find(m_styles.begin(), m_styles.end(), style);
        const auto index = static_cast<int>(same - m_styles.begin());
        if (same == m_styles.end()) m_styles.push_back(style);
        return m_styleOf[id] = index;
    }

private:
    const Worksheet& m_sheet;
    std::vector<PictureStyle>& m_styles;
    std::unordered_map<FormatId, int> m_styleOf;
};

// A text shows in its cell (at, in the range's cell indexes), or across the
// merged area it begins.
PictureText textOf(const Worksheet& sheet, const CellRange& range, const Cell& cell, int row, QPoint at) {
    QPoint end = at;
    if (const auto merged = sheet.mergedAreaAt(row, cell.column))
        end = QPoint(std::min(merged->lastColumn, range.lastColumn) - range.firstColumn,
                     std::min(merged->lastRow, range.lastRow) - range.firstRow);
    const CellFormat& format = sheet.formats().at(cell.format);
    return {QRect(at, end),
            core::storableText(sheet.text(cell)),
            sheet.fontName(format),
            textPixelSize(format.fontSize()),
            paletteColor(format.fontColorIndex, 0xFF000000u),
            textAlignment(format.horizontalAlignment)};
}

// The merged areas that reach into the range, cut to it, in its cell indexes.
std::vector<QRect> mergesWithin(const Worksheet& sheet, const CellRange& range) {
    std::vector<QRect> merges;
    for (const CellRange& area : sheet.mergedRanges()) {
        if (!area.intersects(range)) continue;
        merges.push_back(QRect(QPoint(std::max(area.firstColumn, range.firstColumn) - range.firstColumn,
                                      std::max(area.firstRow, range.firstRow) - range.firstRow),
                               QPoint(std::min(area.lastColumn, range.lastColumn) - range.firstColumn,
                                      std::min(area.lastRow, range.lastRow) - range.firstRow)));
    }
    return merges;
}

} // namespace

VectorPicture pictureOfRange(const Worksheet& sheet, const CellRange& range) {
    const PictureGrid grid = pictureGrid(sheet, range);
    PictureContent c;
    c.columnWidths = lengthsBetween(grid.columnEdges);
    c.rowHeights = lengthsBetween(grid.rowEdges);
    PictureStyles styles(sheet, c.styles);
    c.rowStarts.reserve(static_cast<std::size_t>(range.rowCount()) + 1);
    c.rowStarts.push_back(0);
    const int lastRow = std::min(range.lastRow, sheet.lastStoredRow());
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        if (row <= lastRow) {
            for (const Cell& cell : sheet.storedCells(row)) {
                if (cell.column < range.firstColumn || cell.column > range.lastColumn) continue;
                const QPoint at(cell.column - range.firstColumn, row - range.firstRow);
                if (const int style = styles.styleFor(cell.format); style >= 0)
                    c.cells.push_back({static_cast<std::uint16_t>(at.x()), static_cast<std::uint16_t>(style)});
                if (cell.text) c.texts.push_back(textOf(sheet, range, cell, row, at));
            }
        }
        c.rowStarts.push_back(static_cast<std::uint32_t>(c.cells.size()));
    }
    c.merges = mergesWithin(sheet, range);
    return VectorPicture(std::move(c));
}

QImage drawRange(const Worksheet& sheet, const CellRange& range) { return bitmapOf(pictureOfRange(sheet, range)); }

QImage bitmapOf(const VectorPicture& picture) {
    const QSize sheet = picture.sheetSize();
    const double scale = pictureScale(sheet.width(), sheet.height());
    return picture.toImage(QSize(std::max(1, static_cast<int>(sheet.width() * scale)),
                                 std::max(1, static_cast<int>(sheet.height() * scale))));
}

namespace {

// The clipboard's picture: the vector picture, and a bitmap of it drawn only
// when another program asks for one.
class PictureMimeData : public QMimeData {
public:
    explicit PictureMimeData(VectorPicture picture) : m_picture(std::move(picture)) {
        setData(VectorPicture::mimeType(), m_picture.toBytes());
    }
    QStringList formats() const override { return QMimeData::formats() << QStringLiteral("application/x-qt-image"); }
    bool hasFormat(const QString& mimeType) const override { return formats().contains(mimeType); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        if (mimeType == QLatin1String("application/x-qt-image")) return bitmapOf(m_picture);
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    VectorPicture m_picture;
};

} // namespace

VectorPicture copyPictureToClipboard(const Worksheet& sheet, const CellRange& range) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "There is no clipboard to copy the picture to."));
    VectorPicture picture = pictureOfRange(sheet, range);
    QGuiApplication::clipboard()->setMimeData(new PictureMimeData(picture));
    return picture;
}

QByteArray pictureFileBytes(const QImage& picture, const QByteArray& format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "The picture cannot be written as %1: %2"),
                          {QString::fromLatin1(format), writer.errorString()});
    return bytes;
}

void writePictureFile(const QImage& picture, const QString& path, const QByteArray& format) {
    files::replaceFile(path, pictureFileBytes(picture, format));
}

VectorPicture readPictureFile(const QString& path) {
    const QByteArray bytes = files::readWholeFile(path, kMaxPictureFileBytes);
    try {
        return VectorPicture::fromBytes(bytes);
    } catch (const core::Error& e) {
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "Cannot load the picture '%1': %2"), {path, e.phrase()});
    }
}

void registerSheetFonts() {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;
    static const char* const candidates[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
    for (const char* path : candidates)
        if (QFile::exists(QString::fromLatin1(path))) QFontDatabase::addApplicationFont(QString::fromLatin1(path));
}

} // namespace spreadsheet
