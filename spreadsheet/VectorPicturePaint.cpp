#include "VectorPicture.h"

#include "CellFormat.h"
#include "PixelRuns.h"
#include "VectorPictureData.h"

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
    // The device pixels [first, second) of a line over sheet pixels [v0, v1]:
    // whole pixels from the boundary nearest each edge or, where that leaves
    // none, the pixel that holds its middle.
    std::pair<int, int> lineSpan(int v0, int v1) const {
        const int from = at(v0), to = at(v1 + 1);
        if (to > from) return {from, to};
        const int middle = middleOf(v0, v1);
        return {middle, middle + 1};
    }
    // A line along rows first to last (or columns; edges are theirs), drawn
    // as one: the device pixels from the first one's leading edge to the last
    // one's trailing edge and, where the first or the last is thinner than a
    // pixel, the pixel that holds its middle, which can lie just outside
    // them. The rows between add nothing: theirs lie within.
    std::pair<int, int> runSpan(const std::vector<int>& edges, int first, int last) const {
        const int firstFrom = lineSpan(edges[first], edges[first + 1]).first;
        const int lastTo = lineSpan(edges[last], edges[last + 1]).second;
        return {std::min(at(edges[first]), firstFrom), std::max(at(edges[last + 1] + 1), lastTo)};
    }
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
    const auto [left, right] = ax.lineSpan(x0, x1);
    const auto [top, bottom] = ay.lineSpan(y0, y1);
    runs.fill(QRect(left, top, right - left, bottom - top), colour);
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

// One paint of a picture: the device pixels that show, the rows and columns
// whose pixels (closing lines included) reach into them, and the layers
// drawn there one after the other.
class SheetPainter {
public:
    SheetPainter(QPainter& painter, const PictureContent& content, const PaintIndex& index,
                 const std::vector<int>& columnEdges, const std::vector<int>& rowEdges, const Axis& ax, const Axis& ay,
                 const QRect& shown)
        : m_painter(painter), m_content(content), m_index(index), m_columnEdges(columnEdges), m_rowEdges(rowEdges),
          m_ax(ax), m_ay(ay), m_shown(shown), m_runs(painter) {
        const int firstRow = firstLineReaching(rowEdges, ay.firstSheetPixel(shown.top()));
        const int lastRow = lastLineReaching(rowEdges, ay.lastSheetPixel(shown.bottom() + 1));
        const int firstColumn = firstLineReaching(columnEdges, ax.firstSheetPixel(shown.left()));
        const int lastColumn = lastLineReaching(columnEdges, ax.lastSheetPixel(shown.right() + 1));
        m_inView = QRect(QPoint(firstColumn, firstRow), QPoint(lastColumn, lastRow));
    }

    void paint() {
        if (m_inView.isEmpty()) return;
        m_painter.setClipRect(m_shown, Qt::IntersectClip);
        m_painter.fillRect(m_shown, Qt::white);
        // Layer by layer; within one, lines and areas that fall on the same
        // pixels go as one.
        paintGrid();
        paintMerges();
        paintFills();
        paintBorders();
        paintTexts();
    }

private:
    // The sheet pixels of cells, the grid lines around them included.
    QRect cellPixels(const QRect& cells) const {
        return QRect(QPoint(m_columnEdges[cells.left()], m_rowEdges[cells.top()]),
                     QPoint(m_columnEdges[cells.right() + 1], m_rowEdges[cells.bottom() + 1]));
    }
    QRect viewPixels() const { return cellPixels(m_inView); }

    // One grid line at every column and row edge.
    void paintGrid() {
        const QRect p = viewPixels();
        for (int i = m_inView.left(); i <= m_inView.right() + 1; ++i)
            drawLine(m_runs, m_ax, m_ay, m_columnEdges[i], m_columnEdges[i], p.top(), p.bottom(), kGridColor);
        for (int i = m_inView.top(); i <= m_inView.bottom() + 1; ++i)
            drawLine(m_runs, m_ax, m_ay, p.left(), p.right(), m_rowEdges[i], m_rowEdges[i], kGridColor);
        m_runs.flush();
    }

    // Merged areas show as one cell: no grid lines inside. Their own outer
    // lines stay, also where they are thinner than a device pixel.
    void paintMerges() {
        for (const QRect& merge : m_content.merges) {
            if (!merge.intersects(m_inView)) continue;
            const QRect p = cellPixels(merge);
            if (p.width() <= 2 || p.height() <= 2) continue;
            QRect inside = devicePixels(m_ax, m_ay, p.left() + 1, p.right() - 1, p.top() + 1, p.bottom() - 1);
            inside.setLeft(std::max(inside.left(), m_ax.at(p.left()) + 1));
            inside.setTop(std::max(inside.top(), m_ay.at(p.top()) + 1));
            m_runs.fill(inside, kWhite);
        }
        m_runs.flush();
    }

    // Calls draw(cell pixels, style) for each cell in view with a fill or a
    // top or bottom border.
    template <typename Draw>
    void eachFace(Draw&& draw) const {
        const PictureContent& c = m_content;
        for (int row = m_inView.top(); row <= m_inView.bottom(); ++row)
            for (std::uint32_t i = m_index.faceRowStarts[row]; i < m_index.faceRowStarts[row + 1]; ++i) {
                const PictureCell cell = m_index.faceCells[i];
                if (cell.column >= m_inView.left() && cell.column <= m_inView.right())
                    draw(cellPixels(QRect(cell.column, row, 1, 1)), c.styles[cell.style]);
            }
    }

    void paintFills() {
        eachFace([&](const QRect& p, const PictureStyle& style) {
            if (style.hasFill == PictureStyle::kNoFill) return;
            // Drawn small, most fills fall between two device rows.
            const int top = m_ay.at(p.top() + 1), bottom = m_ay.at(p.bottom() + 1);
            if (bottom <= top) return;
            const int left = m_ax.at(p.left() + 1), right = m_ax.at(p.right() + 1);
            m_runs.fill(QRect(left, top, right - left, bottom - top), style.fill);
        });
        m_runs.flush();
    }

    // Edges go over the fills: the lines down the column edges a run of rows
    // at a time, those along the rows cell by cell.
    void paintBorders() {
        for (int edge = m_inView.left(); edge <= m_inView.right() + 1; ++edge) {
            const auto [left, right] = m_ax.lineSpan(m_columnEdges[edge], m_columnEdges[edge]);
            const std::vector<RowRun>& runs = m_index.verticalRuns[edge];
            auto run = std::lower_bound(runs.begin(), runs.end(), m_inView.top(),
                                        [](const RowRun& r, int row) { return r.last < row; });
            for (; run != runs.end() && run->first <= m_inView.bottom(); ++run) {
                const auto [top, bottom] = m_ay.runSpan(m_rowEdges, std::max<int>(run->first, m_inView.top()),
                                                        std::min<int>(run->last, m_inView.bottom()));
                m_runs.fill(QRect(left, top, right - left, bottom - top), kBlack);
            }
        }
        const auto has = [](const PictureStyle& style, Edge edge) {
            return style.borders & (1u << static_cast<int>(edge));
        };
        eachFace([&](const QRect& p, const PictureStyle& style) {
            if (has(style, Edge::Top)) line(p.left(), p.right(), p.top(), p.top());
            if (has(style, Edge::Bottom)) line(p.left(), p.right(), p.bottom(), p.bottom());
        });
        m_runs.flush();
    }
    void line(int x0, int x1, int y0, int y1) { drawLine(m_runs, m_ax, m_ay, x0, x1, y0, y1, kBlack); }

    void paintTexts() {
        TextFonts fonts;
        const QRect p = viewPixels();
        const int visibleLeft = std::max(p.left(), m_ax.firstSheetPixel(m_shown.left()));
        const int visibleRight = std::min(p.right(), m_ax.lastSheetPixel(m_shown.right() + 1));
        for (const PictureText& text : m_content.texts)
            if (text.area.intersects(m_inView))
                drawText(m_painter, m_ax, m_ay, cellPixels(text.area).adjusted(1, 1, -1, -1), visibleLeft, visibleRight,
                         text, fonts);
    }

    QPainter& m_painter;
    const PictureContent& m_content;
    const PaintIndex& m_index;
    const std::vector<int>& m_columnEdges;
    const std::vector<int>& m_rowEdges;
    const Axis m_ax, m_ay;
    const QRect m_shown; // device pixels
    QRect m_inView;      // cell indexes, corners inclusive
    PixelRuns m_runs;
};

} // namespace

int textPixelSize(double points) { return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))); }

void VectorPicture::paint(QPainter& painter, const QRectF& target, const QRect& exposed) const {
    if (!m_data || target.isEmpty()) return;
    const Data& d = *m_data;
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

    painter.save();
    if (inDevicePixels) painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    SheetPainter(painter, d.content, d.paintIndex(), d.columnEdges, d.rowEdges, ax, ay, shown).paint();
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

} // namespace spreadsheet
