#include "XlsxSheet.h"

#include "core/VisibleText.h"
#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/FileRows.h"
#include "spreadsheet/RowHeight.h"
#include "spreadsheet/Worksheet.h"
#include "spreadsheet/XmlBuffer.h"

#include <QHash>
#include <QRegularExpression>

#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace spreadsheet::xlsx {

namespace {

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr std::string_view kNamespaces =
    " xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

// A spreadsheet's margins when none are set: 0.75 inch left and right, 1 inch
// top and bottom, headers and footers 0.5 inch from the edge.
constexpr std::string_view kPageMargins =
    "<pageMargins left=\"0.75\" right=\"0.75\" top=\"1\" bottom=\"1\" header=\"0.5\" footer=\"0.5\"/>";

// Column letters of the model's columns, "A" to "IV".
class ColumnNames {
public:
    ColumnNames() {
        m_names.reserve(kMaxColumns + 1);
        m_names.emplace_back();
        for (int c = 1; c <= kMaxColumns; ++c) m_names.push_back(columnName(c).toStdString());
    }
    const std::string& operator[](int column) const { return m_names[static_cast<std::size_t>(column)]; }

private:
    std::vector<std::string> m_names;
};

void cellReference(XmlBuffer& out, const ColumnNames& names, int row, int column) {
    out.raw(names[column]).number(row);
}

void rangeReference(XmlBuffer& out, const ColumnNames& names, const CellRange& range) {
    cellReference(out, names, range.firstRow, range.firstColumn);
    if (range.isSingleCell()) return;
    out.raw(":");
    cellReference(out, names, range.lastRow, range.lastColumn);
}

// Shared-string text: characters XML cannot hold, and a carriage return,
// which a reader would turn into a line feed, go as _xHHHH_.
void escapedControl(XmlBuffer& out, char16_t unit) {
    if (unit == u'\t' || unit == u'\n') {
        const char plain[1] = {static_cast<char>(unit)};
        out.raw(std::string_view(plain, 1));
        return;
    }
    static const char kHex[] = "0123456789ABCDEF";
    const char code[] = {'_', 'x', kHex[unit >> 12], kHex[(unit >> 8) & 0xF], kHex[(unit >> 4) & 0xF], kHex[unit & 0xF],
                         '_'};
    out.raw(std::string_view(code, sizeof code));
}

// A text that itself holds "_x0041_" keeps it: its underscore is escaped.
QString withEscapedEscapes(const QString& text) {
    if (!text.contains(QLatin1String("_x"), Qt::CaseInsensitive)) return text;
    static const QRegularExpression escape(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    return QString(text).replace(escape, QStringLiteral("_x005F_\\1"));
}

class SharedStrings {
public:
    int indexOf(const QString& text) {
        ++m_references;
        const auto it = m_indexes.constFind(text);
        if (it != m_indexes.constEnd()) return *it;
        const int index = static_cast<int>(m_texts.size());
        m_indexes.insert(text, index);
        m_texts.push_back(&text);
        return index;
    }

    QByteArray part() const {
        XmlBuffer out(256 + 64 * static_cast<qsizetype>(m_texts.size()));
        out.raw(kHeader).raw("<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"");
        out.number(m_references).raw("\" uniqueCount=\"").number(static_cast<long long>(m_texts.size())).raw("\">");
        for (const QString* text : m_texts)
            out.raw("<si><t xml:space=\"preserve\">")
                .text(withEscapedEscapes(core::storableText(*text)), escapedControl)
                .raw("</t></si>");
        out.raw("</sst>");
        return out.take();
    }

private:
    QHash<QString, int> m_indexes;
    std::vector<const QString*> m_texts; // the sheet's own, alive while it is written
    long long m_references = 0;
};

// Widths as Excel stores them: the column's pixels in characters of the
// 7-pixel digit, to 1/256.
double fileWidth(int pixels) { return columnWidth256ths(pixels) / 256.0; }

void writeColumns(XmlBuffer& out, const Worksheet& sheet) {
    struct Column {
        int pixels;
        bool custom;
        FormatId format;
        bool operator==(const Column&) const = default;
    };
    const auto columnAt = [&](int c) {
        return Column{sheet.columnWidthPixels(c), sheet.hasCustomWidth(c),
                      sheet.columnFormatId(c).value_or(sheet.sheetFormatId())};
    };
    bool any = false;
    for (int first = 1; first <= kMaxColumns;) {
        const Column column = columnAt(first);
        int last = first;
        while (last < kMaxColumns && columnAt(last + 1) == column) ++last;
        if (column.custom || column.format != 0) {
            if (!any) out.raw("<cols>");
            any = true;
            out.raw("<col min=\"").number(first).raw("\" max=\"").number(last);
            out.raw("\" width=\"").decimal(fileWidth(column.pixels)).raw("\"");
            if (column.pixels == 0) out.raw(" hidden=\"1\"");
            if (column.custom) out.raw(" customWidth=\"1\"");
            if (column.format != 0) out.raw(" style=\"").number(column.format).raw("\"");
            out.raw("/>");
        }
        first = last + 1;
    }
    if (any) out.raw("</cols>");
}

// The markup around a cell's row number, made once for each column and each
// format rather than written piece by piece for half a million cells: before
// it "<c r=\"C", after it "\" s=\"5\"/>" for a cell without a value, or
// "\" s=\"5\" t=\"s\"><v>" before the value's index.
class CellMarkup {
public:
    explicit CellMarkup(const ColumnNames& names) : m_names(names) {}

    const std::string& before(int column) {
        std::string& markup = m_before[static_cast<std::size_t>(column)];
        if (markup.empty()) markup = "<c r=\"" + m_names[column];
        return markup;
    }
    const std::string& after(FormatId format, bool withValue) {
        auto& ends = withValue ? m_beforeValue : m_withoutValue;
        if (ends.size() <= format) ends.resize(std::size_t(format) + 1);
        std::string& markup = ends[format];
        if (markup.empty()) {
            markup = '"';
            if (format != 0) markup += " s=\"" + std::to_string(format) + '"';
            markup += withValue ? " t=\"s\"><v>" : "/>";
        }
        return markup;
    }

private:
    const ColumnNames& m_names;
    std::array<std::string, kMaxColumns + 1> m_before;
    std::vector<std::string> m_withoutValue, m_beforeValue;
};

void writeRows(XmlBuffer& out, const Worksheet& sheet, const ColumnNames& names, SharedStrings& strings) {
    const RowCells rowCells(sheet);
    const int defaultPixels = defaultRowHeightPixels(sheet);
    const int lastRow = lastFileRow(sheet);
    std::vector<FileCell> cells;
    CellMarkup markup(names);
    int heightPixels = -1; // the height last written, and its markup
    std::string height;
    out.raw("<sheetData>");
    for (int row = 1; row <= lastRow; ++row) {
        rowCells.of(row, cells);
        const int pixels = rowHeightPixels(sheet, row);
        if (cells.empty() && pixels == defaultPixels) continue;
        // The row's number is written once and copied into each cell's reference.
        char digits[12];
        const auto digitsEnd = std::to_chars(digits, digits + sizeof digits, row).ptr;
        const std::string_view rowNumber(digits, static_cast<std::size_t>(digitsEnd - digits));
        if (pixels != heightPixels) {
            heightPixels = pixels;
            XmlBuffer markup;
            markup.raw("\" ht=\"").decimal(pixelsToPoints(pixels)).raw("\">");
            height = markup.take().toStdString();
        }
        out.raw("<row r=\"").raw(rowNumber).raw(height);
        for (const FileCell& cell : cells) {
            out.raw(markup.before(cell.column)).raw(rowNumber);
            if (cell.hasText())
                out.raw(markup.after(cell.format, true)).number(strings.indexOf(*cell.text)).raw("</v></c>");
            else
                out.raw(markup.after(cell.format, false));
        }
        out.raw("</row>");
    }
    out.raw("</sheetData>");
}

void writePrintSettings(XmlBuffer& out, const PrintSettings& print) {
    if (print.printGridLines) out.raw("<printOptions gridLines=\"1\"/>");
    out.raw(kPageMargins);
    out.raw("<pageSetup paperSize=\"").number(print.paperSize).raw("\"");
    if (print.fitToPages) {
        out.raw(" fitToWidth=\"").number(print.fitToPagesWide);
        out.raw("\" fitToHeight=\"").number(print.fitToPagesTall).raw("\"");
    }
    out.raw(" orientation=\"").raw(print.orientation == xl::kLandscape ? "landscape" : "portrait").raw("\"/>");
    if (print.header.isEmpty() && print.footer.isEmpty()) return;
    out.raw("<headerFooter>");
    if (!print.header.isEmpty()) out.raw("<oddHeader>").text(print.header).raw("</oddHeader>");
    if (!print.footer.isEmpty()) out.raw("<oddFooter>").text(print.footer).raw("</oddFooter>");
    out.raw("</headerFooter>");
}

} // namespace

SheetParts sheetParts(const Worksheet& sheet) {
    static const ColumnNames names;
    SharedStrings strings;
    // About 24 bytes a cell: <c r="C1234" s="5"/>.
    XmlBuffer out(4096 + 26 * static_cast<qsizetype>(sheet.storedCellCount()));
    out.raw(kHeader).raw("<worksheet").raw(kNamespaces).raw(">");
    if (sheet.printSettings().fitToPages) out.raw("<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr>");
    out.raw("<dimension ref=\"");
    rangeReference(out, names, sheet.usedRange());
    out.raw("\"/><sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"/></sheetViews>");
    out.raw("<sheetFormatPr defaultRowHeight=\"").decimal(pixelsToPoints(defaultRowHeightPixels(sheet))).raw("\"/>");
    writeColumns(out, sheet);
    writeRows(out, sheet, names, strings);
    if (!sheet.mergedRanges().empty()) {
        out.raw("<mergeCells count=\"").number(static_cast<long long>(sheet.mergedRanges().size())).raw("\">");
        for (const CellRange& area : sheet.mergedRanges()) {
            out.raw("<mergeCell ref=\"");
            rangeReference(out, names, area);
            out.raw("\"/>");
        }
        out.raw("</mergeCells>");
    }
    writePrintSettings(out, sheet.printSettings());
    out.raw("</worksheet>");
    return {out.take(), strings.part()};
}

} // namespace spreadsheet::xlsx
