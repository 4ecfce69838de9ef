#include "OdsContent.h"

#include "OdsStyles.h"

#include "core/VisibleText.h"
#include "spreadsheet/FileRows.h"
#include "spreadsheet/RowHeight.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/XmlBuffer.h"

#include <map>
#include <optional>

namespace spreadsheet::ods {

namespace {

// Named styles of one family for lengths in pixels: "co1", "co2"... for
// column widths, "ro1"... for row heights.
class LengthStyles {
public:
    int of(int pixels) { return m_numbers.emplace(pixels, static_cast<int>(m_numbers.size()) + 1).first->second; }
    const std::map<int, int>& numbers() const { return m_numbers; }

private:
    std::map<int, int> m_numbers; // pixels -> style number
};

void writeLengthStyles(XmlBuffer& out, const LengthStyles& columns, const LengthStyles& rows) {
    for (const auto& [pixels, number] : columns.numbers()) {
        out.raw("<style:style style:name=\"co").number(number).raw("\" style:family=\"table-column\">");
        out.raw("<style:table-column-properties style:column-width=\"").decimal(pixelsToPoints(pixels));
        out.raw("pt\"/></style:style>");
    }
    // Rows fit their text, as in a spreadsheet: the height given is what the fit gave here.
    for (const auto& [pixels, number] : rows.numbers()) {
        out.raw("<style:style style:name=\"ro").number(number).raw("\" style:family=\"table-row\">");
        out.raw("<style:table-row-properties style:row-height=\"").decimal(pixelsToPoints(pixels));
        out.raw("pt\" style:use-optimal-row-height=\"true\"/></style:style>");
    }
}

void writeColumns(XmlBuffer& out, const Worksheet& sheet, LengthStyles& styles) {
    const auto formatOf = [&](int c) { return sheet.columnFormatId(c).value_or(sheet.sheetFormatId()); };
    for (int first = 1; first <= kMaxColumns;) {
        const int pixels = sheet.columnWidthPixels(first);
        const FormatId format = formatOf(first);
        int last = first;
        while (last < kMaxColumns && sheet.columnWidthPixels(last + 1) == pixels && formatOf(last + 1) == format)
            ++last;
        out.raw("<table:table-column table:style-name=\"co").number(styles.of(pixels)).raw("\"");
        if (last > first) out.raw(" table:number-columns-repeated=\"").number(last - first + 1).raw("\"");
        if (pixels == 0) out.raw(" table:visibility=\"collapse\"");
        out.raw(" table:default-cell-style-name=\"ce").number(format).raw("\"/>");
        first = last + 1;
    }
}

// Paragraph text: white space kept as the format keeps it (a run of spaces
// as one space and a count, a tab as a tab, a line break as a new
// paragraph); what no format can hold shows as every format shows it
// (core::storableText).
void writeParagraphs(XmlBuffer& out, const QString& given) {
    const QString text = core::storableText(given);
    out.raw("<text:p>");
    qsizetype plainFrom = 0;
    const auto flush = [&](qsizetype to) {
        if (to > plainFrom) out.text(text.mid(plainFrom, to - plainFrom));
    };
    for (qsizetype i = 0; i < text.size();) {
        const char16_t unit = text[i].unicode();
        if (unit == u' ') {
            qsizetype end = i + 1;
            while (end < text.size() && text[end] == u' ') ++end;
            // One space stays as it is, except at the start of a paragraph.
            const bool atStart = i == 0 || text[i - 1] == u'\n' || text[i - 1] == u'\r';
            if (end - i == 1 && !atStart) {
                ++i;
                continue;
            }
            flush(i);
            if (!atStart) out.raw(" ");
            const qsizetype counted = end - i - (atStart ? 0 : 1);
            if (counted > 0) out.raw("<text:s text:c=\"").number(counted).raw("\"/>");
            i = plainFrom = end;
            continue;
        }
        if (unit >= 0x20) {
            ++i;
            continue;
        }
        flush(i);
        if (unit == u'\t') out.raw("<text:tab/>");
        // A line feed, a carriage return, or both together, end the paragraph.
        if (unit == u'\n' || (unit == u'\r' && !(i + 1 < text.size() && text[i + 1] == u'\n')))
            out.raw("</text:p><text:p>");
        i = plainFrom = i + 1;
    }
    flush(text.size());
    out.raw("</text:p>");
}

// The cells of one row from column A, gaps and runs of like cells
// written once with a count.
class RowWriter {
public:
    explicit RowWriter(XmlBuffer& out) : m_out(out) {}

    void write(int row, const std::vector<FileCell>& cells) {
        int column = 1;
        std::size_t i = 0;
        while (i < cells.size()) {
            const FileCell& cell = cells[i];
            if (cell.column > column) gap(cell.column - column);
            const bool covered = cell.isCovered(row);
            if (cell.hasText() || (cell.area && !covered)) {
                single(cell, cell.area && !covered ? cell.area : nullptr);
                column = cell.column + 1;
                ++i;
                continue;
            }
            // A run of empty cells in adjacent columns, alike in format and in being covered.
            std::size_t end = i + 1;
            while (end < cells.size() && cells[end].column == cells[end - 1].column + 1
                   && cells[end].format == cell.format && !cells[end].hasText() && cells[end].isCovered(row) == covered)
                ++end;
            m_out.raw(covered ? "<table:covered-table-cell" : "<table:table-cell");
            m_out.raw(" table:style-name=\"ce").number(cell.format).raw("\"");
            if (end - i > 1) m_out.raw(" table:number-columns-repeated=\"").number(static_cast<long long>(end - i));
            m_out.raw(end - i > 1 ? "\"/>" : "/>");
            column = cells[end - 1].column + 1;
            i = end;
        }
        if (column == 1) gap(1); // a row holds at least one cell
    }

private:
    void gap(int count) {
        m_out.raw("<table:table-cell");
        if (count > 1) m_out.raw(" table:number-columns-repeated=\"").number(count).raw("\"");
        m_out.raw("/>");
    }
    void single(const FileCell& cell, const CellRange* spanned) {
        m_out.raw("<table:table-cell table:style-name=\"ce").number(cell.format).raw("\"");
        if (spanned) {
            m_out.raw(" table:number-columns-spanned=\"").number(spanned->columnCount());
            m_out.raw("\" table:number-rows-spanned=\"").number(spanned->rowCount()).raw("\"");
        }
        if (!cell.hasText()) {
            m_out.raw("/>");
            return;
        }
        m_out.raw(" office:value-type=\"string\">");
        writeParagraphs(m_out, *cell.text);
        m_out.raw("</table:table-cell>");
    }

    XmlBuffer& m_out;
};

void writeRows(XmlBuffer& out, const Worksheet& sheet, LengthStyles& styles) {
    const RowCells rowCells(sheet);
    RowWriter cells(out);
    const int lastRow = lastFileRow(sheet);
    int emptyRun = 0; // rows without cells, of the default height, not yet written
    const int defaultStyle = styles.of(defaultRowHeightPixels(sheet));
    const auto flushEmpty = [&] {
        if (emptyRun == 0) return;
        out.raw("<table:table-row table:style-name=\"ro").number(defaultStyle).raw("\"");
        if (emptyRun > 1) out.raw(" table:number-rows-repeated=\"").number(emptyRun).raw("\"");
        out.raw("><table:table-cell/></table:table-row>");
        emptyRun = 0;
    };
    for (int row = 1; row <= lastRow; ++row) {
        const std::vector<FileCell> cellsOfRow = rowCells.of(row);
        const int style = styles.of(rowHeightPixels(sheet, row));
        if (cellsOfRow.empty() && style == defaultStyle) {
            ++emptyRun;
            continue;
        }
        flushEmpty();
        out.raw("<table:table-row table:style-name=\"ro").number(style).raw("\">");
        cells.write(row, cellsOfRow);
        out.raw("</table:table-row>");
    }
    // A table holds at least one row, also an empty sheet's.
    if (lastRow == 0) ++emptyRun;
    flushEmpty();
}

} // namespace

QByteArray contentPart(const Worksheet& sheet) {
    LengthStyles columnStyles;
    LengthStyles rowStyles;
    // The table first: it decides which column and row styles there are,
    // which go before it.
    XmlBuffer table(4096 + 44 * static_cast<qsizetype>(sheet.storedCellCount()));
    table.raw("<table:table table:name=\"").text(sheet.name()).raw("\" table:style-name=\"ta1\">");
    writeColumns(table, sheet, columnStyles);
    writeRows(table, sheet, rowStyles);
    table.raw("</table:table>");
    const QByteArray tableBytes = table.take();

    XmlBuffer out(8192 + 512 * static_cast<qsizetype>(sheet.formats().size()));
    out.raw("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content").raw(kNamespaces).raw(">");
    writeFontFaces(out, sheet);
    out.raw("<office:automatic-styles>");
    writeLengthStyles(out, columnStyles, rowStyles);
    out.raw("<style:style style:name=\"ta1\" style:family=\"table\" style:master-page-name=\"Default\">");
    out.raw("<style:table-properties table:display=\"true\"/></style:style>");
    writeCellStyles(out, sheet);
    out.raw("</office:automatic-styles><office:body><office:spreadsheet>");
    QByteArray bytes = out.take();
    bytes.reserve(bytes.size() + tableBytes.size() + 64);
    bytes.append(tableBytes);
    bytes.append("</office:spreadsheet></office:body></office:document-content>");
    return bytes;
}

} // namespace spreadsheet::ods
