#include "VectorPicture.h"

#include "CellFormat.h"
#include "CellRange.h"
#include "VectorPictureData.h"

#include "core/Error.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {

// Wider than any column or taller than any row a sheet can have; keeps every
// sum of them within an int.
constexpr int kMaxLinePixels = 4096;
constexpr int kMaxTextPixelSize = 2048;

[[noreturn]] void refuse(const char* what) {
    throw core::Error(core::ErrorKind::DataDamaged, QT_TRANSLATE_NOOP("core::Error", "The picture is damaged: %1."),
                      {core::Phrase(what)});
}

std::vector<int> edgesOf(const std::vector<std::uint16_t>& lengths) {
    std::vector<int> edges;
    edges.reserve(lengths.size() + 1);
    int at = 0;
    edges.push_back(at);
    for (const std::uint16_t length : lengths) edges.push_back(at += length);
    return edges;
}
} // namespace

VectorPicture::VectorPicture(PictureContent c) {
    const std::size_t columns = c.columnWidths.size();
    const std::size_t rows = c.rowHeights.size();
    if (columns < 1 || columns > kMaxColumns || rows < 1 || rows > kMaxRows)
        refuse(QT_TRANSLATE_NOOP("core::Error", "its size is out of range"));
    for (const std::uint16_t w : c.columnWidths)
        if (w > kMaxLinePixels) refuse(QT_TRANSLATE_NOOP("core::Error", "a column is too wide"));
    for (const std::uint16_t h : c.rowHeights)
        if (h > kMaxLinePixels) refuse(QT_TRANSLATE_NOOP("core::Error", "a row is too tall"));
    if (c.styles.size() > 0x10000) refuse(QT_TRANSLATE_NOOP("core::Error", "it has too many styles"));
    if (c.rowStarts.size() != rows + 1 || c.rowStarts.front() != 0 || c.rowStarts.back() != c.cells.size())
        refuse(QT_TRANSLATE_NOOP("core::Error", "its rows do not match its cells"));
    for (std::size_t r = 0; r < rows; ++r) {
        if (c.rowStarts[r] > c.rowStarts[r + 1])
            refuse(QT_TRANSLATE_NOOP("core::Error", "its rows do not match its cells"));
        for (std::uint32_t i = c.rowStarts[r]; i < c.rowStarts[r + 1]; ++i) {
            if (c.cells[i].column >= columns || c.cells[i].style >= c.styles.size())
                refuse(QT_TRANSLATE_NOOP("core::Error", "a cell lies outside"));
            if (i > c.rowStarts[r] && c.cells[i].column <= c.cells[i - 1].column)
                refuse(QT_TRANSLATE_NOOP("core::Error", "its cells are out of order"));
        }
    }
    const QRect bounds(0, 0, static_cast<int>(columns), static_cast<int>(rows));
    for (const QRect& m : c.merges)
        if (m.isEmpty() || !bounds.contains(m)) refuse(QT_TRANSLATE_NOOP("core::Error", "a merged area lies outside"));
    for (const PictureText& t : c.texts) {
        if (t.area.isEmpty() || !bounds.contains(t.area))
            refuse(QT_TRANSLATE_NOOP("core::Error", "a text lies outside"));
        if (t.pixelSize < 1 || t.pixelSize > kMaxTextPixelSize)
            refuse(QT_TRANSLATE_NOOP("core::Error", "a text size is out of range"));
        if (t.text.size() > xl::kMaxTextLength || t.fontName.size() > 255)
            refuse(QT_TRANSLATE_NOOP("core::Error", "a text is too long"));
        if (t.alignment > PictureText::Alignment::Right)
            refuse(QT_TRANSLATE_NOOP("core::Error", "a text alignment is unknown"));
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

QRect VectorPicture::cellArea(const QRect& cells) const {
    if (!m_data) return {};
    const auto edge = [](const std::vector<int>& edges, int index) {
        return edges[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(edges.size()) - 1))];
    };
    const Data& d = *m_data;
    return QRect(QPoint(edge(d.columnEdges, cells.left()), edge(d.rowEdges, cells.top())),
                 QPoint(edge(d.columnEdges, cells.right() + 1), edge(d.rowEdges, cells.bottom() + 1)));
}

const QString& VectorPicture::mimeType() {
    static const QString type = QStringLiteral("application/x-kinloom-sheet-picture");
    return type;
}

} // namespace spreadsheet
