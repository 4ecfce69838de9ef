#include "Worksheet.h"

#include "ColumnWidth.h"

#include "core/Error.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {

// A rejected call, put together out of line: a setter that half a million
// calls pass through keeps no room for the error it seldom throws.
[[noreturn, gnu::noinline, gnu::cold]] void reject(const char* text) {
    throw core::Error(core::ErrorKind::CallRejected, text);
}
[[noreturn, gnu::noinline, gnu::cold]] void reject(const char* text, int number) {
    throw core::Error(core::ErrorKind::CallRejected, text, {number});
}

void checkRange(CellRange range) {
    checkCell(range.firstRow, range.firstColumn);
    checkCell(range.lastRow, range.lastColumn);
    if (range.firstRow > range.lastRow || range.firstColumn > range.lastColumn)
        reject(QT_TRANSLATE_NOOP("core::Error", "The range's first cell lies after its last cell."));
}

bool isPaletteColor(int index) { return index >= xl::kFirstPaletteIndex && index <= xl::kLastPaletteIndex; }

bool isLineStyle(int style) {
    switch (style) {
    case xl::kLineStyleNone:
    case xl::kContinuous:
    case xl::kDash:
    case xl::kDashDot:
    case xl::kDashDotDot:
    case xl::kDot:
    case xl::kDouble:
    case xl::kSlantDashDot: return true;
    default: return false;
    }
}

bool isHorizontalAlignment(int alignment) {
    switch (alignment) {
    case xl::kHAlignGeneral:
    case xl::kHAlignLeft:
    case xl::kHAlignCenter:
    case xl::kHAlignRight:
    case xl::kHAlignFill:
    case xl::kHAlignJustify:
    case xl::kHAlignCenterAcrossSelection:
    case xl::kHAlignDistributed: return true;
    default: return false;
    }
}

// The cells along one edge of a range.
CellRange edgeOf(CellRange range, Edge edge) {
    switch (edge) {
    case Edge::Left: return {range.firstRow, range.firstColumn, range.lastRow, range.firstColumn};
    case Edge::Right: return {range.firstRow, range.lastColumn, range.lastRow, range.lastColumn};
    case Edge::Top: return {range.firstRow, range.firstColumn, range.firstRow, range.lastColumn};
    case Edge::Bottom: return {range.lastRow, range.firstColumn, range.lastRow, range.lastColumn};
    }
    return range;
}

} // namespace

Worksheet::Worksheet(QString name)
    : m_name(std::move(name)), m_columnFormats(kMaxColumns + 1, kNoColumnFormat),
      m_columnWidths(kMaxColumns + 1, -1.0) {}

void Worksheet::setFontName(CellRange range, const QString& name) {
    checkRange(range);
    if (name.isEmpty() || name.size() > xl::kMaxFontNameLength)
        throw core::Error(
            core::ErrorKind::CallRejected,
            QT_TRANSLATE_NOOP("core::Error", "'%1' is not a font name: a font name has 1 to %2 characters."),
            {name, xl::kMaxFontNameLength});
    const std::uint16_t id = m_formats.fontNameId(name);
    applyChange(range, {FormatChange::Kind::FontName, Edge::Left, static_cast<std::int16_t>(id)});
}

void Worksheet::setFontSize(CellRange range, double points) {
    checkRange(range);
    if (!(points >= xl::kMinFontSize && points <= xl::kMaxFontSize))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "A font size must lie between 1 and 409 points."));
    const auto height = static_cast<std::int16_t>(std::lround(points * 20));
    applyChange(range, {FormatChange::Kind::FontHeight, Edge::Left, height});
}

void Worksheet::setFontColorIndex(CellRange range, int colorIndex) {
    checkRange(range);
    if (!isPaletteColor(colorIndex) && colorIndex != xl::kColorIndexAutomatic)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "%1 is not a colour index (1 to 56, or automatic)."),
                          {colorIndex});
    applyChange(range, {FormatChange::Kind::FontColor, Edge::Left, static_cast<std::int16_t>(colorIndex)});
}

void Worksheet::setInteriorColorIndex(CellRange range, int colorIndex) {
    checkRange(range);
    if (!isPaletteColor(colorIndex) && colorIndex != xl::kColorIndexNone && colorIndex != xl::kColorIndexAutomatic)
        reject(QT_TRANSLATE_NOOP("core::Error", "%1 is not a fill colour index (1 to 56, or none)."), colorIndex);
    if (colorIndex == xl::kColorIndexAutomatic) colorIndex = xl::kColorIndexNone;
    applyChange(range, {FormatChange::Kind::Fill, Edge::Left, static_cast<std::int16_t>(colorIndex)});
}

void Worksheet::setBorderLineStyle(CellRange range, int borderIndex, int lineStyle) {
    checkRange(range);
    if (!isLineStyle(lineStyle)) reject(QT_TRANSLATE_NOOP("core::Error", "%1 is not a border line style."), lineStyle);
    const auto style = static_cast<std::int16_t>(lineStyle);
    switch (borderIndex) {
    case xl::kEdgeLeft: applyEdge(range, Edge::Left, style); break;
    case xl::kEdgeTop: applyEdge(range, Edge::Top, style); break;
    case xl::kEdgeBottom: applyEdge(range, Edge::Bottom, style); break;
    case xl::kEdgeRight: applyEdge(range, Edge::Right, style); break;
    case xl::kInsideVertical:
        if (range.columnCount() > 1)
            applyChange({range.firstRow, range.firstColumn, range.lastRow, range.lastColumn - 1},
                        {FormatChange::Kind::Border, Edge::Right, style});
        break;
    case xl::kInsideHorizontal:
        if (range.rowCount() > 1)
            applyChange({range.firstRow, range.firstColumn, range.lastRow - 1, range.lastColumn},
                        {FormatChange::Kind::Border, Edge::Bottom, style});
        break;
    default: reject(QT_TRANSLATE_NOOP("core::Error", "%1 is not a border index (7 to 12)."), borderIndex);
    }
}

void Worksheet::setHorizontalAlignment(CellRange range, int alignment) {
    checkRange(range);
    if (!isHorizontalAlignment(alignment))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "%1 is not a horizontal alignment."), {alignment});
    applyChange(range, {FormatChange::Kind::HorizontalAlignment, Edge::Left, static_cast<std::int16_t>(alignment)});
}

void Worksheet::setColumnWidth(CellRange range, double characters) {
    checkRange(range);
    if (!(characters >= 0 && characters <= xl::kMaxColumnWidth))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "A column width must lie between 0 and 255 characters."));
    for (int c = range.firstColumn; c <= range.lastColumn; ++c) m_columnWidths[c] = characters;
}

void Worksheet::merge(CellRange range) {
    checkRange(range);
    if (range.isSingleCell()) return;
    for (const CellRange& existing : m_merges) {
        if (existing.intersects(range))
            throw core::Error(core::ErrorKind::CallRejected,
                              QT_TRANSLATE_NOOP("core::Error", "Cannot merge %1: it overlaps the merged cells %2."),
                              {addressText(range), addressText(existing)});
    }
    // The merged cell keeps the top-left cell's value and format.
    const FormatId areaFormat = formatId(range.firstRow, range.firstColumn);
    const int lastRow = std::min(range.lastRow, lastStoredRow());
    for (int r = range.firstRow; r <= lastRow; ++r) {
        for (Cell& cell : m_cells.cells(r)) {
            if (!range.contains(r, cell.column)) continue;
            if (r == range.firstRow && cell.column == range.firstColumn) continue;
            cell.format = areaFormat;
            if (cell.text) {
                m_freeTexts.push_back(cell.text);
                m_texts[cell.text - 1].clear();
                cell.text = 0;
            }
        }
    }
    m_mergedBounds = m_merges.empty() ? range : m_mergedBounds.unitedWith(range);
    m_merges.push_back(range);
}

void Worksheet::setPrintSettings(const PrintSettings& settings) {
    checkPrintSettings(settings);
    m_print = settings;
}

void Worksheet::setValue(CellRange range, const QString& text) {
    checkRange(range);
    if (text.size() > xl::kMaxTextLength)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "A cell holds at most 32,767 characters; this text has %1."),
                          {text.size()});
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            if (text.isEmpty()) {
                if (Cell* cell = findCell(r, c); cell && cell->text) {
                    m_freeTexts.push_back(cell->text);
                    m_texts[cell->text - 1].clear();
                    cell->text = 0;
                }
                continue;
            }
            Cell& cell = touchCell(r, c);
            cell.text = storeText(cell.text, text);
        }
    }
}

std::uint32_t Worksheet::storeText(std::uint32_t slot, const QString& text) {
    if (slot == 0) {
        if (!m_freeTexts.empty()) {
            slot = m_freeTexts.back();
            m_freeTexts.pop_back();
        } else {
            m_texts.emplace_back();
            slot = static_cast<std::uint32_t>(m_texts.size());
        }
    }
    m_texts[slot - 1] = text;
    return slot;
}

CellRange Worksheet::usedRange() const {
    bool any = false;
    CellRange used;
    for (int r = 1; r <= lastStoredRow(); ++r) {
        const auto cells = m_cells.cells(r);
        if (cells.empty()) continue;
        const CellRange rowSpan{r, cells.front().column, r, cells.back().column};
        used = any ? used.unitedWith(rowSpan) : rowSpan;
        any = true;
    }
    for (const CellRange& merged : m_merges) {
        used = any ? used.unitedWith(merged) : merged;
        any = true;
    }
    return any ? used : CellRange::cell(1, 1); // Excel answers A1 for an empty sheet
}

QString Worksheet::value(int row, int column) const {
    const Cell* cell = findCell(row, column);
    return cell && cell->text ? m_texts[cell->text - 1] : QString();
}

FormatId Worksheet::formatId(int row, int column) const {
    if (const Cell* cell = findCell(row, column)) return cell->format;
    if (column >= 1 && column <= kMaxColumns && m_columnFormats[column] != kNoColumnFormat)
        return m_columnFormats[column];
    return m_sheetFormat;
}

const CellFormat& Worksheet::format(int row, int column) const { return m_formats.at(formatId(row, column)); }

double Worksheet::columnWidth(int column) const {
    checkCell(1, column);
    return m_columnWidths[column] >= 0 ? m_columnWidths[column] : kDefaultColumnWidth;
}

int Worksheet::columnWidthPixels(int column) const { return spreadsheet::columnWidthPixels(columnWidth(column)); }

std::optional<CellRange> Worksheet::mergedAreaAt(int row, int column) const {
    for (const CellRange& merged : m_merges)
        if (merged.contains(row, column)) return merged;
    return std::nullopt;
}

std::optional<FormatId> Worksheet::columnFormatId(int column) const {
    if (column < 1 || column > kMaxColumns || m_columnFormats[column] == kNoColumnFormat) return std::nullopt;
    return m_columnFormats[column];
}

std::span<const Cell> Worksheet::storedCells(int row) const {
    return row >= 1 && row <= lastStoredRow() ? m_cells.cells(row) : std::span<const Cell>();
}

std::size_t Worksheet::approximateBytes() const {
    std::size_t bytes = m_cells.approximateBytes();
    bytes += m_formats.size() * (sizeof(CellFormat) + 32);
    for (const QString& t : m_texts) bytes += sizeof(QString) + t.capacity() * sizeof(QChar);
    return bytes;
}

void Worksheet::setCellFormat(int row, int column, FormatId format) {
    checkCell(row, column);
    if (format >= m_formats.size())
        throw core::Error(core::ErrorKind::CallRejected, QT_TRANSLATE_NOOP("core::Error", "Unknown cell format."));
    touchCell(row, column).format = format;
}

void Worksheet::setColumnFormat(int column, FormatId format) {
    checkCell(1, column);
    if (format >= m_formats.size())
        throw core::Error(core::ErrorKind::CallRejected, QT_TRANSLATE_NOOP("core::Error", "Unknown cell format."));
    m_columnFormats[column] = format;
}

Cell* Worksheet::findCell(int row, int column) { return const_cast<Cell*>(std::as_const(*this).findCell(row, column)); }

const Cell* Worksheet::findCell(int row, int column) const {
    if (row < 1 || row > lastStoredRow()) return nullptr;
    const auto cells = m_cells.cells(row);
    const auto it =
        std::lower_bound(cells.begin(), cells.end(), column, [](const Cell& c, int col) { return c.column < col; });
    return it != cells.end() && it->column == column ? &*it : nullptr;
}

Cell& Worksheet::touchCell(int row, int column) {
    m_cells.reach(row);
    const auto cells = m_cells.cells(row);
    std::size_t at = cells.size();
    // Charts are drawn column by column, so the cell wanted is usually the
    // row's last one, or a new one that goes last.
    if (!cells.empty() && cells.back().column >= column) {
        if (cells.back().column == column) return cells.back();
        const auto it =
            std::lower_bound(cells.begin(), cells.end(), column, [](const Cell& c, int col) { return c.column < col; });
        if (it->column == column) return *it;
        at = static_cast<std::size_t>(it - cells.begin());
    }
    ++m_cellCount;
    Cell* cell = m_cells.open(row, at, 1);
    *cell = Cell{static_cast<std::uint16_t>(column), static_cast<std::uint16_t>(baseFormat(column)), 0};
    return *cell;
}

CellRange Worksheet::expandedToMerges(CellRange range) const {
    bool grown = true;
    while (grown) {
        grown = false;
        for (const CellRange& merged : m_merges) {
            if (merged.intersects(range)) {
                const CellRange united = range.unitedWith(merged);
                if (!(united == range)) {
                    range = united;
                    grown = true;
                }
            }
        }
    }
    return range;
}

void Worksheet::applyEdge(CellRange range, Edge edge, std::int16_t lineStyle) {
    const FormatChange change{FormatChange::Kind::Border, edge, lineStyle};
    // A cell's edge is the cell: the range goes on as it came, in registers.
    applyChange(range.isSingleCell() ? range : edgeOf(range, edge), change);
}

void Worksheet::applyChange(CellRange target, FormatChange change) {
    const bool nearMerges = !m_merges.empty() && target.intersects(m_mergedBounds);
    // Kept short, so that each setter takes the chart's single cells in line.
    if (!nearMerges && target.isSingleCell()) {
        Cell& cell = touchCell(target.firstRow, target.firstColumn);
        cell.format = m_formats.withChange(cell.format, change);
        return;
    }
    applyChangeToArea(target, change, nearMerges);
}

void Worksheet::applyChangeToArea(CellRange target, FormatChange change, bool nearMerges) {
    const CellRange range = nearMerges ? expandedToMerges(target) : target;
    if (range.isSingleCell()) {
        Cell& cell = touchCell(range.firstRow, range.firstColumn);
        cell.format = m_formats.withChange(cell.format, change);
        return;
    }
    const auto changeStored = [&](auto&& inScope) {
        for (int r = 1; r <= lastStoredRow(); ++r)
            for (Cell& cell : m_cells.cells(r))
                if (inScope(r, cell.column)) cell.format = m_formats.withChange(cell.format, change);
    };
    if (range.isWholeSheet()) {
        m_sheetFormat = m_formats.withChange(m_sheetFormat, change);
        for (FormatId& columnFormat : m_columnFormats)
            if (columnFormat != kNoColumnFormat) columnFormat = m_formats.withChange(columnFormat, change);
        changeStored([](int, int) { return true; });
        return;
    }
    if (range.coversWholeColumns()) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            m_columnFormats[c] = m_formats.withChange(baseFormat(c), change);
        }
        changeStored([&](int, int column) { return column >= range.firstColumn && column <= range.lastColumn; });
        return;
    }
    for (int r = range.firstRow; r <= range.lastRow; ++r)
        for (Cell& cell : touchSpan(r, range.firstColumn, range.lastColumn))
            cell.format = m_formats.withChange(cell.format, change);
}

std::span<Cell> Worksheet::touchSpan(int row, int firstColumn, int lastColumn) {
    m_cells.reach(row);
    const auto cells = m_cells.cells(row);
    const auto byColumn = [](const Cell& c, int col) { return c.column < col; };
    const auto begin = std::lower_bound(cells.begin(), cells.end(), firstColumn, byColumn);
    const auto end = std::lower_bound(begin, cells.end(), lastColumn + 1, byColumn);
    const auto at = static_cast<std::size_t>(begin - cells.begin());
    const auto wanted = static_cast<std::size_t>(lastColumn - firstColumn + 1);
    const auto present = static_cast<std::size_t>(end - begin);
    if (present != wanted) {
        // The missing cells of the span go in at once, with the format each column gives them.
        std::vector<Cell> span;
        span.reserve(wanted);
        auto stored = begin;
        for (int c = firstColumn; c <= lastColumn; ++c) {
            if (stored != end && stored->column == c) {
                span.push_back(*stored++);
                continue;
            }
            span.push_back(Cell{static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(baseFormat(c)), 0});
        }
        m_cells.open(row, at, wanted - present);
        std::copy(span.begin(), span.end(), m_cells.cells(row).begin() + static_cast<std::ptrdiff_t>(at));
        m_cellCount += wanted - present;
    }
    return m_cells.cells(row).subspan(at, wanted);
}

} // namespace spreadsheet
