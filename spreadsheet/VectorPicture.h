#pragma once

#include <QByteArray>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class QPainter;

namespace spreadsheet {

// Longest side a picture shows at its own size: the largest span a 16-bit
// scroll bar covers in steps of 10 pixels. A larger range shows scaled down
// evenly to fit.
inline constexpr int kMaxShownPictureSide = 327670;

// Room between a cell's grid line and its text, on the side the text is
// aligned to, in sheet pixels.
inline constexpr int kTextIndent = 3;

// The pixel size a text of that many points is drawn at (96 dpi).
int textPixelSize(double points);

// What a picture of a range is made of: the grid, the distinct cell styles
// and, row by row, the cells that carry one; merged areas and texts. All
// positions are in sheet pixels (column and row indexes within the range,
// 0-based). Small enough to keep for the largest chart, and ordered by rows
// so that a viewer draws only the rows that show.
struct PictureStyle {
    static constexpr std::uint8_t kNoFill = 0;
    std::uint8_t hasFill = kNoFill;
    std::uint8_t borders = 0; // bit (1 << Edge) for each edge drawn
    QRgb fill = 0;
    bool operator==(const PictureStyle&) const = default;
};

struct PictureCell {
    std::uint16_t column = 0;
    std::uint16_t style = 0;
};

struct PictureText {
    enum class Alignment : std::uint8_t {
        Left,
        Center,
        Right
    };
    QRect area; // cell indexes, corners inclusive
    QString text;
    QString fontName;
    int pixelSize = 13;
    QRgb colour = 0xFF000000;
    Alignment alignment = Alignment::Left;
};

struct PictureContent {
    std::vector<std::uint16_t> columnWidths; // pixels
    std::vector<std::uint16_t> rowHeights;   // pixels
    std::vector<PictureStyle> styles;
    std::vector<std::uint32_t> rowStarts; // cells of row r: [rowStarts[r], rowStarts[r + 1])
    std::vector<PictureCell> cells;       // by row, then column
    std::vector<QRect> merges;            // cell indexes, corners inclusive
    std::vector<PictureText> texts;
};

// The picture of a range as a vector drawing, as a spreadsheet's picture copy
// is a metafile: white cells, light grid lines, fills, borders, texts in
// their fonts clipped to their (merged) areas. Drawn at any size it stays
// sharp; drawn in part it costs only the rows that show. Cheap to copy.
class VectorPicture {
public:
    VectorPicture() = default;
    // Throws core::Error (DataDamaged) when the content does not hold together.
    explicit VectorPicture(PictureContent content);

    bool isNull() const { return !m_data; }
    // Size in sheet pixels: the column widths and row heights, and the
    // closing grid line.
    QSize sheetSize() const;
    // Size it shows at zoom 1.0: one sheet pixel to one screen pixel,
    // scaled down evenly when a side would pass kMaxShownPictureSide.
    QSize size() const;
    const PictureContent& content() const;
    // The sheet pixels of a block of cells (cell indexes, corners
    // inclusive), the grid lines around it included.
    QRect cellArea(const QRect& cells) const;

    // Draws the whole picture stretched over target (painter coordinates),
    // only what falls inside exposed. Every sheet pixel covers whole device
    // pixels, so lines stay sharp at any zoom; a line thinner than a device
    // pixel is drawn one pixel wide in its full colour.
    void paint(QPainter& painter, const QRectF& target, const QRect& exposed) const;

    // A bitmap of the whole picture at size (default: its own size).
    QImage toImage(QSize size = QSize()) const;

    // The picture file: a small binary format of its own (see VectorPictureFile.cpp).
    QByteArray toBytes() const;
    // Throws core::Error (DataDamaged) for anything that is not a whole, sound picture.
    static VectorPicture fromBytes(const QByteArray& bytes);

    // The picture on the clipboard, beside a bitmap for other programs.
    static const QString& mimeType();

private:
    struct Data;
    std::shared_ptr<const Data> m_data;
};

} // namespace spreadsheet
