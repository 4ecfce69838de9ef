#include "XlsxSheetReader.h"

#include "XlsxParts.h"

#include "spreadsheet/XmlEvents.h"
#include "spreadsheet/ZipParts.h"
#include "spreadsheet/xls/CellValueText.h"

#include <stdexcept>

namespace spreadsheet::xlsx {

namespace {

// "B12" as row 12, column 2; false for what is no cell reference.
bool cellReference(std::string_view reference, int& row, int& column) {
    std::size_t at = 0;
    long long c = 0, r = 0;
    for (; at < reference.size() && reference[at] >= 'A' && reference[at] <= 'Z' && c <= kSheetColumns; ++at)
        c = c * 26 + (reference[at] - 'A' + 1);
    const std::size_t digits = at;
    for (; at < reference.size() && reference[at] >= '0' && reference[at] <= '9' && r <= kSheetRows; ++at)
        r = r * 10 + (reference[at] - '0');
    if (at != reference.size() || at == digits || c < 1 || c > kSheetColumns || r < 1 || r > kSheetRows) return false;
    row = static_cast<int>(r);
    column = static_cast<int>(c);
    return true;
}

// <row r="5"><c r="B5" s="1" t="s"><v>0</v></c><c t="inlineStr"><is><t>..</t></is></c></row>,
// <cols><col min="2" max="6" style="1"/></cols>
class CellReader : public XmlEvents {
public:
    CellReader(SheetContent& content, const std::vector<QString>& strings, const std::vector<bool>& filling)
        : m_content(content), m_strings(strings), m_filling(filling) {}

    void attribute(const XmlAttribute& a) override {
        if (a.name == "r")
            m_reference.assign(a.value);
        else if (a.name == "s" || a.name == "style")
            m_format = xmlNumber(a.value);
        else if (a.name == "t")
            m_type.assign(a.value);
        else if (a.name == "min")
            m_min = xmlNumber(a.value);
        else if (a.name == "max")
            m_max = xmlNumber(a.value);
    }
    void startElement(const XmlName& e) override {
        if (e.name == "row")
            startRow();
        else if (e.name == "c")
            startCell();
        else if (e.name == "col")
            column();
        else if (e.name == "v")
            m_in = In::Value;
        else if (e.name == "rPh")
            ++m_phonetic;
        else if (e.name == "t" && m_inCell)
            m_in = m_phonetic == 0 ? In::InlineText : In::Nothing;
        clearAttributes();
    }
    void endElement(const XmlName& e) override {
        if (e.name == "c")
            endCell();
        else if (e.name == "rPh")
            --m_phonetic;
        else if (e.name == "v" || e.name == "t")
            m_in = In::Nothing;
    }
    void characters(std::string_view text) override {
        if (m_in == In::Value)
            m_value.append(text);
        else if (m_in == In::InlineText)
            m_inline.append(text);
    }

    bool hasFilledColumns() const { return m_filledColumns; }

private:
    void clearAttributes() {
        m_reference.clear();
        m_format = -1;
        m_type.clear();
        m_min = m_max = -1;
    }
    void startRow() {
        const long long r = xmlNumber(m_reference);
        m_row = r >= 1 && r <= kSheetRows ? static_cast<int>(r) : m_row + 1;
        m_column = 0;
    }
    void startCell() {
        if (!cellReference(m_reference, m_row, m_column)) ++m_column;
        m_cellFormat = m_format;
        m_cellType.assign(m_type);
        m_value.clear();
        m_inline.clear();
        m_inCell = true;
    }
    void column() {
        if (m_format < 0 || std::size_t(m_format) >= m_filling.size() || !m_filling[std::size_t(m_format)]) return;
        if (m_min < 1 || m_max < m_min || m_max > kSheetColumns) return;
        m_content.addFilledArea({1, static_cast<int>(m_min), static_cast<int>(kSheetRows), static_cast<int>(m_max)});
        m_filledColumns = true;
    }
    // What the cell shows, by its type: its value is kept as UTF-8 until it is asked for.
    QString cellText() const {
        if (m_cellType == "s") {
            const long long index = xmlNumber(m_value);
            return index >= 0 && std::size_t(index) < m_strings.size() ? m_strings[std::size_t(index)] : QString();
        }
        if (m_cellType == "inlineStr") return xmlText(m_inline);
        const QString value = xmlText(m_value);
        if (m_cellType == "b") return xls::booleanText(value.trimmed() == u"1");
        if (m_cellType == "str" || m_cellType == "e" || m_cellType == "d" || value.isEmpty()) return value;
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? xls::numberText(number) : value;
    }
    void endCell() {
        m_inCell = false;
        if (m_row < 1 || m_column < 1 || m_column > kSheetColumns) return;
        const bool fills = m_cellFormat >= 0 && std::size_t(m_cellFormat) < m_filling.size()
            && m_filling[std::size_t(m_cellFormat)];
        QString text = cellText();
        if (text.isEmpty() && !fills && !m_filledColumns) return;
        if (++m_cells > kMaxContentCells) throwTooManyCells();
        m_content.add({m_row, m_column, std::move(text), fills ? CellFill::Filled : CellFill::Unfilled});
    }

    SheetContent& m_content;
    const std::vector<QString>& m_strings;
    const std::vector<bool>& m_filling;
    // The attributes of the element about to start.
    std::string m_reference, m_type;
    long long m_format = -1, m_min = -1, m_max = -1;
    // The cell being read.
    int m_row = 0, m_column = 0;
    long long m_cellFormat = -1;
    std::string m_cellType;
    std::string m_value, m_inline; // as the part writes them, UTF-8
    bool m_inCell = false;
    int m_phonetic = 0;
    enum class In {
        Nothing,
        Value,
        InlineText
    } m_in = In::Nothing;
    bool m_filledColumns = false;
    std::size_t m_cells = 0;
};

} // namespace

SheetContent readFirstSheet(const QByteArray& package) {
    const ZipParts parts(package);
    const std::optional<QString> workbook = workbookPart(parts);
    if (!workbook) throw std::runtime_error("the package names no workbook");
    const std::optional<FirstSheet> sheet = firstSheet(parts, *workbook);
    const std::optional<QByteArray> sheetXml = sheet ? parts.part(sheet->part) : std::nullopt;
    if (!sheetXml) throw std::runtime_error("the workbook holds no sheet");
    const std::vector<QString> strings = sharedStrings(parts, *workbook);
    const std::vector<bool> filling = fillingFormats(parts, *workbook);

    SheetContent content;
    content.sheetName = sheet->name;
    CellReader reader(content, strings, filling);
    parseXml(*sheetXml, reader);
    content.finish();
    return content;
}

} // namespace spreadsheet::xlsx
