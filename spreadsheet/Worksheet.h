#pragma once

#include "CellFormat.h"
#include "CellRange.h"
#include "CellRows.h"
#include "PrintSettings.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace spreadsheet {

static_assert(FormatTable::kMaxFormats <= 65536 && sizeof(Cell) == 8);

// One worksheet: cell values and formats, the sheet-wide and column formats,
// column widths, merged areas and how the sheet prints. Every setter checks its arguments as Excel
// would and throws core::Error (CallRejected) before changing anything.
class Worksheet {
public:
    // Excel 97-2003's standard column width, in characters of the default font.
    static constexpr double kDefaultColumnWidth = 8.43;

    explicit Worksheet(QString name = QStringLiteral("Sheet1"));

    const QString& name() const { return m_name; }

    // Formatting. A range that touches a merged area formats the whole area.
    // Ranges go by value, in registers: a large chart makes half a million calls.
    void setFontName(CellRange range, const QString& name);
    void setFontSize(CellRange range, double points);
    void setFontColorIndex(CellRange range, int colorIndex);
    void setInteriorColorIndex(CellRange range, int colorIndex);
    void setBorderLineStyle(CellRange range, int borderIndex, int lineStyle);
    void setHorizontalAlignment(CellRange range, int alignment);
    void setColumnWidth(CellRange range, double characters);
    void merge(CellRange range);
    // Text of every cell of the range; the empty text clears the value.
    void setValue(CellRange range, const QString& text);
    void setPrintSettings(const PrintSettings& settings);

    // Reading.
    CellRange usedRange() const;
    QString value(int row, int column) const;
    // The format a cell shows: its own, else its column's, else the sheet's.
    const CellFormat& format(int row, int column) const;
    FormatId formatId(int row, int column) const;
    bool isStored(int row, int column) const { return findCell(row, column) != nullptr; }
    double columnWidth(int column) const;
    // How wide the column shows, in pixels at 96 dpi (see ColumnWidth.h).
    int columnWidthPixels(int column) const;
    bool hasCustomWidth(int column) const { return m_columnWidths[column] >= 0; }
    const std::vector<CellRange>& mergedRanges() const { return m_merges; }
    std::optional<CellRange> mergedAreaAt(int row, int column) const;
    FormatId sheetFormatId() const { return m_sheetFormat; }
    std::optional<FormatId> columnFormatId(int column) const;
    const FormatTable& formats() const { return m_formats; }
    const PrintSettings& printSettings() const { return m_print; }
    QString fontName(const CellFormat& format) const { return m_formats.fontName(format.fontName); }

    // Stored cells of one row in column order; rows past lastStoredRow() are empty.
    int lastStoredRow() const { return m_cells.lastRow(); }
    std::span<const Cell> storedCells(int row) const;
    std::size_t storedCellCount() const { return m_cellCount; }
    const QString& text(const Cell& cell) const { return m_texts[cell.text - 1]; }
    std::size_t textCount() const { return m_texts.size() - m_freeTexts.size(); }

    // Bytes held by the cells and their formats, for the memory figures of the benchmarks.
    std::size_t approximateBytes() const;

    // For readers of files: put a stored cell or format back as it was saved.
    FormatId internFormat(const CellFormat& format) { return m_formats.intern(format); }
    std::uint16_t fontNameId(const QString& name) { return m_formats.fontNameId(name); }
    void setCellFormat(int row, int column, FormatId format);
    void setSheetFormat(FormatId format) { m_sheetFormat = format; }
    void setColumnFormat(int column, FormatId format);

private:
    static constexpr FormatId kNoColumnFormat = ~FormatId(0);

    Cell* findCell(int row, int column);
    const Cell* findCell(int row, int column) const;
    Cell& touchCell(int row, int column);
    // The format a new cell of the column starts with.
    FormatId baseFormat(int column) const {
        return m_columnFormats[column] != kNoColumnFormat ? m_columnFormats[column] : m_sheetFormat;
    }
    // The cells of one row from firstColumn to lastColumn, stored for the purpose.
    std::span<Cell> touchSpan(int row, int firstColumn, int lastColumn);
    CellRange expandedToMerges(CellRange range) const;
    void applyChange(CellRange range, FormatChange change);
    void applyChangeToArea(CellRange target, FormatChange change, bool nearMerges);
    void applyEdge(CellRange range, Edge edge, std::int16_t lineStyle);
    std::uint32_t storeText(std::uint32_t slot, const QString& text);

    QString m_name;
    FormatTable m_formats;
    FormatId m_sheetFormat = 0;
    std::vector<FormatId> m_columnFormats; // by column, kNoColumnFormat when none
    std::vector<double> m_columnWidths;    // by column, -1 when default
    CellRows m_cells;
    std::vector<QString> m_texts;
    std::vector<std::uint32_t> m_freeTexts;
    std::vector<CellRange> m_merges;
    CellRange m_mergedBounds; // around every merged area, when there is one
    std::size_t m_cellCount = 0;
    PrintSettings m_print;
};

} // namespace spreadsheet
