#include "VectorPicture.h"

#include "CellFormat.h"
#include "CellRange.h"
#include "PixelRuns.h"

#include "files/Error.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>

namespace spreadsheet {

namespace {

constexpr QRgb kGridColor = qRgb(0xD0, 0xD7, 0xE5);
constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kBlack = qRgb(0, 0, 0);
// Wider than any column or taller than any row a sheet can have; keeps every
// sum of them within an int.
constexpr int kMaxLinePixels = 4096;
constexpr int kMaxTextPixelSize = 2048;

[[noreturn]] void refuse(const char* what) {
    throw files::Error(files::ErrorKind::Spreadsheet, QT_TRANSLATE_NOOP("files::Error", "The picture is damaged: %1."),
                       {files::Phrase(what)});
}

std::vector<int> edgesOf(const std::vector<std::uint16_t>& lengths) {
    std::vector<int> edges;
    edges.reserve(lengths.size() + 1);
    int at = 0;
    edges.push_back(at);
    for (const std::uint16_t length : lengths) edges.push_back(at += length);
    return edges;
}

// Sheet pixel edges to device pixels on one axis: edge v lands on the device
// pixel boundary nearest to origin + v × scale.
// floor() for values well within an int, without a library call: the
// smallest charts drawn take it for every line of every cell.
int floorToInt(double x) {
    const int truncated = static_cast<int>(x);
    return truncated - (x < truncated);
}

struct Axis {
    double origin;
    double scale;
    int at(int v) const { return floorToInt(origin + v * scale + 0.5); }
    // The device pixel that holds the middle of sheet pixels [v0, v1].
    int middleOf(int v0, int v1) const { return floorToInt(origin + (v0 + v1 + 1) * 0.5 * scale); }
    // The sheet pixels whose device pixels reach into [from, to).
    int firstSheetPixel(int from) const { return static_cast<int>(std::floor((from - origin) / scale)) - 1; }
    int lastSheetPixel(int to) const { return static_cast<int>(std::ceil((to - origin) / scale)) + 1; }
};

// Index of the first line whose span [edges[i], edges[i + 1]] reaches pixel p.
int firstLineReaching(const std::vector<int>& edges, int p) {
    const auto it = std::lower_bound(edges.begin(), edges.end(), p);
    return std::max(0, static_cast<int>(it - edges.begin()) - 1);
}
int lastLineReaching(const std::vector<int>& edges, int p) {
    const auto it = std::upper_bound(edges.begin(), edges.end(), p);
    return std::min(static_cast<int>(edges.size()) - 2, static_cast<int>(it - edges.begin()) - 1);
}

} // namespace

struct VectorPicture::Data {
    PictureContent content;
    std::vector<int> columnEdges;
    std::vector<int> rowEdges;
    QSize size;
};

VectorPicture::VectorPicture(PictureContent c) {
    const std::size_t columns = c.columnWidths.size();
    const std::size_t rows = c.rowHeights.size();
    if (columns < 1 || columns > kMaxColumns || rows < 1 || rows > kMaxRows)
        refuse(QT_TRANSLATE_NOOP("files::Error", "its size is out of range"));
    for (const std::uint16_t w : c.columnWidths)
        if (w > kMaxLinePixels) refuse(QT_TRANSLATE_NOOP("files::Error", "a column is too wide"));
    for (const std::uint16_t h : c.rowHeights)
        if (h > kMaxLinePixels) refuse(QT_TRANSLATE_NOOP("files::Error", "a row is too tall"));
    if (c.styles.size() > 0x10000) refuse(QT_TRANSLATE_NOOP("files::Error", "it has too many styles"));
    if (c.rowStarts.size() != rows + 1 || c.rowStarts.front() != 0 || c.rowStarts.back() != c.cells.size())
        refuse(QT_TRANSLATE_NOOP("files::Error", "its rows do not match its cells"));
    for (std::size_t r = 0; r < rows; ++r) {
        if (c.rowStarts[r] > c.rowStarts[r + 1])
            refuse(QT_TRANSLATE_NOOP("files::Error", "its rows do not match its cells"));
        for (std::uint32_t i = c.rowStarts[r]; i < c.rowStarts[r + 1]; ++i) {
            if (c.cells[i].column >= columns || c.cells[i].style >= c.styles.size())
                refuse(QT_TRANSLATE_NOOP("files::Error", "a cell lies outside"));
            if (i > c.rowStarts[r] && c.cells[i].column <= c.cells[i - 1].column)
                refuse(QT_TRANSLATE_NOOP("files::Error", "its cells are out of order"));
        }
    }
    const QRect bounds(0, 0, static_cast<int>(columns), static_cast<int>(rows));
    for (const QRect& m : c.merges)
        if (m.isEmpty() || !bounds.contains(m)) refuse(QT_TRANSLATE_NOOP("files::Error", "a merged area lies outside"));
    for (const PictureText& t : c.texts) {
        if (t.area.isEmpty() || !bounds.contains(t.area))
            refuse(QT_TRANSLATE_NOOP("files::Error", "a text lies outside"));
        if (t.pixelSize < 1 || t.pixelSize > kMaxTextPixelSize)
            refuse(QT_TRANSLATE_NOOP("files::Error", "a text size is out of range"));
        if (t.text.size() > xl::kMaxTextLength || t.fontName.size() > 255)
            refuse(QT_TRANSLATE_NOOP("files::Error", "a text is too long"));
        if (t.alignment > PictureText::Alignment::Right)
            refuse(QT_TRANSLATE_NOOP("files::Error", "a text alignment is unknown"));
    }

    auto data = std::make_shared<Data>();
    data->columnEdges = edgesOf(c.columnWidths);
    data->rowEdges = edgesOf(c.rowHeights);
    const double width = data->columnEdges.back() + 1;
    const double height = data->rowEdges.back() + 1;
    const double scale = std::min(1.0, kMaxShownPictureSide / std::max(width, height));
    data->size = QSize(std::max(1, static_cast<int>(std::lround(width * scale))),
                       std::max(1, static_cast<int>(std::lround(height * scale))));
    data->content = std::move(c);
    m_data = std::move(data);
}

QSize VectorPicture::sheetSize() const {
    if (!m_data) return {};
    return {m_data->columnEdges.back() + 1, m_data->rowEdges.back() + 1};
}

QSize VectorPicture::size() const { return m_data ? m_data->size : QSize(); }

const PictureContent& VectorPicture::content() const {
    static const PictureContent empty;
    return m_data ? m_data->content : empty;
}

namespace {

// The device pixels of sheet pixels [x0, x1] × [y0, y1] (inclusive): whole
// pixels from the boundary nearest each edge, possibly none.
QRect devicePixels(const Axis& ax, const Axis& ay, int x0, int x1, int y0, int y1) {
    return QRect(QPoint(ax.at(x0), ay.at(y0)), QPoint(ax.at(x1 + 1) - 1, ay.at(y1 + 1) - 1));
}

// A line over sheet pixels [x0, x1] × [y0, y1]: at least one device pixel
// across, however small the scale, and always in its full colour, so that a
// chart drawn small keeps every line it has. A line thinner than a pixel
// takes the pixel that holds its middle, which keeps the closing lines of
// the picture inside it.
void drawLine(PixelRuns& runs, const Axis& ax, const Axis& ay, int x0, int x1, int y0, int y1, QRgb colour) {
    QRect r = devicePixels(ax, ay, x0, x1, y0, y1);
    if (r.width() < 1) r = QRect(ax.middleOf(x0, x1), r.top(), 1, r.height());
    if (r.height() < 1) r = QRect(r.left(), ay.middleOf(y0, y1), r.width(), 1);
    runs.fill(r, colour);
}

// How much of a text is drawn. A text shows only inside its area, so what
// lies outside the part of the area in view is left out before Qt lays the
// text out: drawing costs what shows, not the text's length (up to 32,767
// characters). No glyph a font draws advances less than an eighth of its
// size (zero-width marks aside), so kPerEm characters per em of room, with
// one em to spare, hold all that can reach the edge of the view.
constexpr int kPerEm = 8;
constexpr int kSpareEms = 1;
// A text area smaller than kMinTextArea sheet pixels a side, or shown smaller
// than kMinTextPixels device pixels, holds no part of a glyph that can be
// made out: its text is not laid out. Without this rule a picture of tiny
// cells, each with a text, would have Qt lay out tens of thousands of texts
// for one paint.
constexpr int kMinTextArea = 5;
constexpr double kMinTextPixels = 3;

// The characters that fit in so many pixels of room at the text's size.
qsizetype charactersFor(double room, int pixelSize) {
    return static_cast<qsizetype>(std::ceil((std::max(room, 0.0) / pixelSize + kSpareEms) * kPerEm));
}

// The first or last count characters, never half a surrogate pair.
QString leading(const QString& text, qsizetype count) {
    if (count >= text.size()) return text;
    if (count > 0 && text[count - 1].isHighSurrogate()) ++count;
    return text.left(count);
}
QString trailing(const QString& text, qsizetype count) {
    if (count >= text.size()) return text;
    if (text[text.size() - count].isLowSurrogate()) ++count;
    return text.right(count);
}

// The font of the last text drawn, kept for the next: a picture's texts
// share one or two.
class TextFonts {
public:
    const QFont& font(const PictureText& text) {
        if (!m_metrics || text.fontName != m_name || text.pixelSize != m_pixelSize) {
            m_name = text.fontName;
            m_pixelSize = text.pixelSize;
            m_font = QFont(text.fontName);
            m_font.setPixelSize(text.pixelSize);
            m_metrics.emplace(m_font);
            m_exactMetrics.emplace(m_font);
        }
        return m_font;
    }
    const QFontMetrics& metrics() const { return *m_metrics; }
    const QFontMetricsF& exactMetrics() const { return *m_exactMetrics; }

private:
    QString m_name;
    int m_pixelSize = 0;
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
    std::optional<QFontMetricsF> m_exactMetrics;
};

// What of a text is drawn, and where it begins; nothing when none of it can
// reach the columns from visibleLeft to visibleRight (sheet pixels). Text
// placed from its end or its middle is placed to the fraction of a pixel,
// so that its glyphs stand where they would stand were it drawn whole.
struct TextPlacement {
    QString text;
    double x = 0;
};

std::optional<TextPlacement> placeText(const PictureText& text, const QRect& area, int visibleLeft, int visibleRight,
                                       const QFontMetricsF& metrics) {
    const int start = area.left() + kTextIndent;
    const int end = area.right() - kTextIndent;
    const double longest = double(text.text.size()) * std::max(metrics.maxWidth(), double(text.pixelSize));
    // Text that begins right to left is laid out from the right: its logical
    // end shows at the left.
    const bool fromRight = text.text.isRightToLeft();
    switch (text.alignment) {
    case PictureText::Alignment::Left: {
        const qsizetype room = charactersFor(std::min(visibleRight, end) - start, text.pixelSize);
        return TextPlacement{fromRight ? trailing(text.text, room) : leading(text.text, room), double(start)};
    }
    case PictureText::Alignment::Right: {
        if (end - longest > visibleRight) return std::nullopt; // it ends too far right to reach the view
        const qsizetype room = charactersFor(end - std::max(visibleLeft, start), text.pixelSize);
        QString shown = fromRight ? leading(text.text, room) : trailing(text.text, room);
        const double x = end - metrics.horizontalAdvance(shown);
        return TextPlacement{std::move(shown), x};
    }
    case PictureText::Alignment::Center: {
        const double middle = area.left() + area.width() / 2.0;
        if (middle - longest / 2 > visibleRight || middle + longest / 2 < visibleLeft) return std::nullopt;
        // Longer than the whole area holds, it runs over both edges: its
        // middle shows.
        QString shown = text.text;
        const qsizetype room = charactersFor(area.width(), text.pixelSize);
        if (shown.size() > room) shown = trailing(leading(shown, (shown.size() + room) / 2), room);
        const double x = area.left() + (area.width() - metrics.horizontalAdvance(shown)) / 2;
        if (!fromRight) shown = leading(shown, charactersFor(visibleRight - x, text.pixelSize));
        return TextPlacement{std::move(shown), x};
    }
    }
    return std::nullopt;
}

// Draws a text in its area (sheet pixels), of which only the columns from
// visibleLeft to visibleRight are in view.
void drawText(QPainter& painter, const Axis& ax, const Axis& ay, const QRect& area, int visibleLeft, int visibleRight,
              const PictureText& text, TextFonts& fonts) {
    if (area.width() < kMinTextArea || area.height() < kMinTextArea) return;
    if (area.width() * ax.scale < kMinTextPixels || area.height() * ay.scale < kMinTextPixels) return;
    if (visibleRight < area.left() || visibleLeft > area.right()) return;
    const QFont& font = fonts.font(text);
    const QFontMetrics& metrics = fonts.metrics();
    const std::optional<TextPlacement> placed = placeText(text, area, visibleLeft, visibleRight, fonts.exactMetrics());
    if (!placed) return;
    painter.save();
    painter.translate(ax.origin, ay.origin);
    painter.scale(ax.scale, ay.scale);
    painter.setFont(font);
    painter.setPen(QColor(text.colour));
    painter.setClipRect(area, Qt::IntersectClip);
    const QPointF at(placed->x, area.bottom() - metrics.descent());
    // Qt's glyph cache renders glyphs stretched far more on one axis than
    // the other out of bounds (a damaged picture drawn into an odd shape):
    // such text goes as outlines.
    if (std::abs(ax.scale - ay.scale) <= 0.01 * std::max(ax.scale, ay.scale)) {
        painter.drawText(at, placed->text);
    } else {
        QPainterPath outline;
        outline.addText(at, font, placed->text);
        painter.fillPath(outline, QColor(text.colour));
    }
    painter.restore();
}

} // namespace

int textPixelSize(double points) { return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))); }

void VectorPicture::paint(QPainter& painter, const QRectF& target, const QRect& exposed) const {
    if (!m_data || target.isEmpty()) return;
    const Data& d = *m_data;
    const PictureContent& c = d.content;
    const QSize sheet = sheetSize();
    // Drawn in device pixels, where the painter allows it (no rotation): on a
    // screen of several device pixels to a point, lines still sit on whole pixels.
    const QTransform toDevice = painter.deviceTransform();
    const bool inDevicePixels = toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0 && toDevice.m22() > 0
        && !toDevice.isIdentity();
    const QRectF onDevice = inDevicePixels ? toDevice.mapRect(target) : target;
    const QRect exposedOnDevice = inDevicePixels ? toDevice.mapRect(QRectF(exposed)).toAlignedRect() : exposed;
    const Axis ax{onDevice.x(), onDevice.width() / sheet.width()};
    const Axis ay{onDevice.y(), onDevice.height() / sheet.height()};
    const QRect shown = exposedOnDevice.intersected(
        QRect(ax.at(0), ay.at(0), ax.at(sheet.width()) - ax.at(0), ay.at(sheet.height()) - ay.at(0)));
    if (shown.isEmpty()) return;

    // The rows (and columns) whose pixels, closing lines included, reach into view.
    const int firstRow = firstLineReaching(d.rowEdges, ay.firstSheetPixel(shown.top()));
    const int lastRow = lastLineReaching(d.rowEdges, ay.lastSheetPixel(shown.bottom() + 1));
    const int firstColumn = firstLineReaching(d.columnEdges, ax.firstSheetPixel(shown.left()));
    const int lastColumn = lastLineReaching(d.columnEdges, ax.lastSheetPixel(shown.right() + 1));
    if (firstRow > lastRow || firstColumn > lastColumn) return;
    const int top = d.rowEdges[firstRow], bottom = d.rowEdges[lastRow + 1];
    const int left = d.columnEdges[firstColumn], right = d.columnEdges[lastColumn + 1];
    const auto cellPixels = [&](const QRect& cells) { // the grid lines around the cells included
        return QRect(QPoint(d.columnEdges[cells.left()], d.rowEdges[cells.top()]),
                     QPoint(d.columnEdges[cells.right() + 1], d.rowEdges[cells.bottom() + 1]));
    };
    const QRect inView(QPoint(firstColumn, firstRow), QPoint(lastColumn, lastRow));

    painter.save();
    if (inDevicePixels) painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    painter.setClipRect(shown, Qt::IntersectClip);
    painter.fillRect(shown, Qt::white);

    // Layer by layer; within one, lines and areas that fall on the same
    // pixels go as one.
    PixelRuns runs(painter);

    // Grid lines: one at every column and row edge.
    for (int i = firstColumn; i <= lastColumn + 1; ++i)
        drawLine(runs, ax, ay, d.columnEdges[i], d.columnEdges[i], top, bottom, kGridColor);
    for (int i = firstRow; i <= lastRow + 1; ++i)
        drawLine(runs, ax, ay, left, right, d.rowEdges[i], d.rowEdges[i], kGridColor);
    runs.flush();

    // Merged areas show as one cell: no grid lines inside. Their own outer
    // lines stay, also where they are thinner than a device pixel.
    for (const QRect& merge : c.merges) {
        if (!merge.intersects(inView)) continue;
        const QRect p = cellPixels(merge);
        if (p.width() <= 2 || p.height() <= 2) continue;
        QRect inside = devicePixels(ax, ay, p.left() + 1, p.right() - 1, p.top() + 1, p.bottom() - 1);
        inside.setLeft(std::max(inside.left(), ax.at(p.left()) + 1));
        inside.setTop(std::max(inside.top(), ay.at(p.top()) + 1));
        runs.fill(inside, kWhite);
    }
    runs.flush();

    // Fills, then edges over them.
    const auto eachCell = [&](auto&& draw) {
        for (int row = firstRow; row <= lastRow; ++row)
            for (std::uint32_t i = c.rowStarts[row]; i < c.rowStarts[row + 1]; ++i)
                if (c.cells[i].column >= firstColumn && c.cells[i].column <= lastColumn)
                    draw(cellPixels(QRect(c.cells[i].column, row, 1, 1)), c.styles[c.cells[i].style]);
    };
    eachCell([&](const QRect& p, const PictureStyle& style) {
        if (style.hasFill != PictureStyle::kNoFill)
            runs.fill(devicePixels(ax, ay, p.left() + 1, p.right(), p.top() + 1, p.bottom()), style.fill);
    });
    runs.flush();
    const auto has = [](const PictureStyle& style, Edge edge) {
        return style.borders & (1u << static_cast<int>(edge));
    };
    eachCell([&](const QRect& p, const PictureStyle& style) {
        if (!style.borders) return;
        if (has(style, Edge::Left)) drawLine(runs, ax, ay, p.left(), p.left(), p.top(), p.bottom(), kBlack);
        if (has(style, Edge::Right)) drawLine(runs, ax, ay, p.right(), p.right(), p.top(), p.bottom(), kBlack);
        if (has(style, Edge::Top)) drawLine(runs, ax, ay, p.left(), p.right(), p.top(), p.top(), kBlack);
        if (has(style, Edge::Bottom)) drawLine(runs, ax, ay, p.left(), p.right(), p.bottom(), p.bottom(), kBlack);
    });
    runs.flush();

    TextFonts fonts;
    const int visibleLeft = std::max(left, ax.firstSheetPixel(shown.left()));
    const int visibleRight = std::min(right, ax.lastSheetPixel(shown.right() + 1));
    for (const PictureText& text : c.texts)
        if (text.area.intersects(inView))
            drawText(painter, ax, ay, cellPixels(text.area).adjusted(1, 1, -1, -1), visibleLeft, visibleRight, text,
                     fonts);
    painter.restore();
}

QImage VectorPicture::toImage(QSize size) const {
    if (!m_data) return {};
    if (size.isEmpty()) size = this->size();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), image.rect());
    return image;
}

const QString& VectorPicture::mimeType() {
    static const QString type = QStringLiteral("application/x-kinloom-sheet-picture");
    return type;
}

} // namespace spreadsheet
