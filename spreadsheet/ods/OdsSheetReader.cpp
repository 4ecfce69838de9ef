#include "OdsSheetReader.h"

#include "spreadsheet/XmlEvents.h"
#include "spreadsheet/ZipParts.h"

#include <QHash>

#include <stdexcept>

namespace spreadsheet::ods {

namespace {

constexpr std::string_view kTableNamespace = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
// How far a style's parents are followed: further is a loop.
constexpr int kMostParents = 16;

// A repeat or a count of spaces: once where it says nothing that holds.
long long count(std::string_view digits) {
    const long long value = xmlNumber(digits);
    return value < 1 ? 1 : value;
}

// The cell styles, automatic and named: whether each fills its cells.
class CellStyles {
public:
    void add(const QString& name, const QString& parent, std::optional<bool> fills) {
        m_styles[name] = {parent, fills};
    }
    bool fills(const QString& name) const {
        QString at = name;
        for (int depth = 0; depth < kMostParents && !at.isEmpty(); ++depth) {
            const auto style = m_styles.constFind(at);
            if (style == m_styles.constEnd()) return false;
            if (style->fills) return *style->fills;
            at = style->parent;
        }
        return false;
    }

private:
    struct Style {
        QString parent;
        std::optional<bool> fills; // unset: as its parent
    };
    QHash<QString, Style> m_styles;
};

// <style:style style:name="ce1" style:family="table-cell" style:parent-style-name="Default">
//   <style:table-cell-properties fo:background-color="#99cc00"/></style:style>
class StyleReader : public XmlEvents {
public:
    explicit StyleReader(CellStyles& styles) : m_styles(styles) {}

    void attribute(const XmlAttribute& a) override {
        if (a.name == "name")
            m_name = xmlText(a.value);
        else if (a.name == "family")
            m_family = std::string(a.value);
        else if (a.name == "parent-style-name")
            m_parent = xmlText(a.value);
        else if (a.name == "background-color")
            m_background = std::string(a.value);
    }
    void startElement(const XmlName& e) override {
        if (e.name == "style") {
            m_inStyle = m_family == "table-cell";
            m_styleName = m_name;
            m_styleParent = m_parent;
            m_fills.reset();
        } else if (e.name == "table-cell-properties" && m_inStyle && !m_background.empty()) {
            m_fills = m_background != "transparent";
        }
        m_name.clear();
        m_family.clear();
        m_parent.clear();
        m_background.clear();
    }
    void endElement(const XmlName& e) override {
        if (e.name == "style" && m_inStyle) m_styles.add(m_styleName, m_styleParent, m_fills);
        if (e.name == "style") m_inStyle = false;
    }

private:
    CellStyles& m_styles;
    QString m_name, m_parent, m_styleName, m_styleParent;
    std::string m_family, m_background;
    bool m_inStyle = false;
    std::optional<bool> m_fills;
};

// The first table of content.xml, row by row and cell by cell.
class TableReader : public StyleReader {
public:
    TableReader(CellStyles& styles, SheetContent& content)
        : StyleReader(styles), m_styles(styles), m_content(content) {}

    void attribute(const XmlAttribute& a) override {
        StyleReader::attribute(a);
        if (a.name == "number-rows-repeated" || a.name == "number-columns-repeated")
            m_repeat = count(a.value);
        else if (a.name == "style-name")
            m_styleName = xmlText(a.value);
        else if (a.name == "default-cell-style-name")
            m_defaultStyle = xmlText(a.value);
        else if (a.name == "c")
            m_spaces = count(a.value);
        else if (a.name == "name")
            m_tableName = xmlText(a.value);
    }
    void startElement(const XmlName& e) override;
    void endElement(const XmlName& e) override;
    void characters(std::string_view text) override {
        if (m_inParagraph && m_annotation == 0) m_text += xmlText(text);
    }

    QString sheetName;

private:
    void clearAttributes() {
        m_repeat = 1;
        m_styleName.clear();
        m_defaultStyle.clear();
        m_spaces = 1;
        m_tableName.clear();
    }
    void startCell();
    void endCell();
    void addColumns();

    CellStyles& m_styles;
    SheetContent& m_content;
    enum class At {
        Before,
        InTable,
        After
    } m_at = At::Before;
    // The attributes of the element about to start.
    long long m_repeat = 1, m_spaces = 1;
    QString m_styleName, m_defaultStyle, m_tableName;
    // Where the table is.
    std::vector<bool> m_columnFills; // by column from 0: the column's default style fills
    long long m_row = 0, m_rowRepeat = 1, m_column = 0, m_cellRepeat = 1;
    QString m_cellStyle, m_text;
    bool m_inCell = false, m_inParagraph = false, m_firstParagraph = true;
    int m_annotation = 0;
    std::size_t m_cells = 0;
};

void TableReader::startElement(const XmlName& e) {
    if (e.name == "table" && e.uri == kTableNamespace && m_at == At::Before) {
        m_at = At::InTable;
        sheetName = m_tableName;
    } else if (m_at != At::InTable) {
        StyleReader::startElement(e);
    } else if (e.name == "table-column") {
        addColumns();
    } else if (e.name == "table-row") {
        m_rowRepeat = m_repeat;
        m_column = 0;
    } else if (e.name == "table-cell" || e.name == "covered-table-cell") {
        startCell();
    } else if (e.name == "annotation") {
        ++m_annotation;
    } else if (m_inCell && m_annotation == 0) {
        if (e.name == "p") {
            if (!m_firstParagraph) m_text += QLatin1Char('\n');
            m_firstParagraph = false;
            m_inParagraph = true;
        } else if (e.name == "s") {
            m_text += QString(int(std::min<long long>(m_spaces, 1000)), QLatin1Char(' '));
        } else if (e.name == "tab") {
            m_text += QLatin1Char('\t');
        } else if (e.name == "line-break") {
            m_text += QLatin1Char('\n');
        }
    }
    clearAttributes();
}

void TableReader::endElement(const XmlName& e) {
    if (m_at != At::InTable) {
        StyleReader::endElement(e);
        return;
    }
    if (e.name == "table" && e.uri == kTableNamespace)
        m_at = At::After;
    else if (e.name == "table-row")
        m_row += m_rowRepeat;
    else if (e.name == "table-cell" || e.name == "covered-table-cell")
        endCell();
    else if (e.name == "annotation")
        --m_annotation;
    else if (e.name == "p")
        m_inParagraph = false;
}

void TableReader::addColumns() {
    const bool fills = !m_defaultStyle.isEmpty() && m_styles.fills(m_defaultStyle);
    const long long columns = std::min<long long>(m_repeat, kSheetColumns - qsizetype(m_columnFills.size()));
    m_columnFills.insert(m_columnFills.end(), std::size_t(std::max(0LL, columns)), fills);
    if (!fills) return;
    const int last = int(m_columnFills.size());
    m_content.addFilledArea({1, last - int(columns) + 1, int(kSheetRows), last});
}

void TableReader::startCell() {
    m_inCell = true;
    m_cellRepeat = m_repeat;
    m_cellStyle = m_styleName;
    m_text.clear();
    m_firstParagraph = true;
}

// The cell on each row and column it is repeated over, where it tells something:
// a text, a fill, or no fill where its column's style has one.
void TableReader::endCell() {
    m_inCell = false;
    const long long firstColumn = m_column;
    m_column += m_cellRepeat;
    const bool ownStyle = !m_cellStyle.isEmpty();
    const bool fills = ownStyle && m_styles.fills(m_cellStyle);
    for (long long column = firstColumn; column < m_column && column < kSheetColumns; ++column) {
        const bool columnFills = std::size_t(column) < m_columnFills.size() && m_columnFills[std::size_t(column)];
        if (m_text.isEmpty() && !fills && !(ownStyle && columnFills)) continue;
        for (long long row = m_row; row < m_row + m_rowRepeat && row < kSheetRows; ++row) {
            if (++m_cells > kMaxContentCells) throwTooManyCells();
            m_content.add({int(row) + 1, int(column) + 1, m_text,
                           ownStyle ? (fills ? CellFill::Filled : CellFill::Unfilled) : CellFill::Inherited});
        }
    }
}

} // namespace

SheetContent readFirstSheet(const QByteArray& package) {
    const ZipParts parts(package);
    const std::optional<QByteArray> content = parts.part(QStringLiteral("content.xml"));
    if (!content) throw std::runtime_error("the package holds no content.xml");
    CellStyles styles;
    if (const std::optional<QByteArray> named = parts.part(QStringLiteral("styles.xml"))) {
        StyleReader reader(styles);
        parseXml(*named, reader);
    }
    SheetContent sheet;
    TableReader reader(styles, sheet);
    parseXml(*content, reader);
    sheet.sheetName = reader.sheetName;
    sheet.finish();
    return sheet;
}

} // namespace spreadsheet::ods
