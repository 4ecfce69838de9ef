#include "OrcusSheetImport.h"

#include "spreadsheet/xls/CellValueText.h"
#include "spreadsheet/xlsx/XlsxInlineStrings.h"

#include "files/Error.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <QDate>
#include <QTime>

#include <memory>
#include <stdexcept>

namespace spreadsheet::orcus {

namespace {

namespace ss = ::orcus::spreadsheet;
namespace iface = ::orcus::spreadsheet::iface;

// The sheet size of current spreadsheet programs; a file may not claim more.
constexpr ss::row_t kSheetRows = 1'048'576;
constexpr ss::col_t kSheetColumns = 16'384;
// Cells and formats kept from one sheet: a filled chart of 15 generations
// has some 500,000, while repeated rows could claim billions.
constexpr std::size_t kMaxCells = std::size_t(1) << 22;

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

[[noreturn]] void throwTooLarge() {
    throw files::Error(files::ErrorKind::Workbook, QT_TRANSLATE_NOOP("files::Error", "'%1' is damaged: %2."),
                       {QString(),
                        files::Phrase(QT_TRANSLATE_NOOP("files::Error",
                                                        "its first sheet holds more than "
                                                        "%1 cells"),
                                      {kMaxCells})});
}

class SharedStrings final : public iface::import_shared_strings {
public:
    std::vector<QString> texts;

    size_t append(std::string_view s) override {
        texts.push_back(fromUtf8(s));
        return texts.size() - 1;
    }
    size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    // Rich text: the runs read as one text.
    void append_segment(std::string_view s) override { m_runs += fromUtf8(s); }
    size_t commit_segments() override {
        texts.push_back(std::move(m_runs));
        m_runs.clear();
        return texts.size() - 1;
    }

private:
    QString m_runs;
};

// Of the styles, only which cell formats fill their cells.
class FillStyles final : public iface::import_styles {
public:
    bool fills(std::size_t xf) const { return xf < m_xfFills.size() && m_xfFills[xf]; }

    void set_fill_pattern_type(ss::fill_pattern_t pattern) override { m_pattern = pattern; }
    size_t commit_fill() override {
        m_fills.push_back(m_pattern != ss::fill_pattern_t::none);
        m_pattern = ss::fill_pattern_t::none;
        return m_fills.size() - 1;
    }
    void set_xf_fill(size_t index) override { m_xfFill = index; }
    size_t commit_cell_xf() override {
        m_xfFills.push_back(m_xfFill < m_fills.size() && m_fills[m_xfFill]);
        m_xfFill = 0;
        return m_xfFills.size() - 1;
    }
    // The fills of cell styles and of conditional formats are not a cell's own.
    size_t commit_cell_style_xf() override {
        m_xfFill = 0;
        return m_styleXfs++;
    }
    size_t commit_dxf() override {
        m_xfFill = 0;
        return m_dxfs++;
    }

    void set_font_count(size_t) override {}
    void set_font_bold(bool) override {}
    void set_font_italic(bool) override {}
    void set_font_name(std::string_view) override {}
    void set_font_size(double) override {}
    void set_font_underline(ss::underline_t) override {}
    void set_font_underline_width(ss::underline_width_t) override {}
    void set_font_underline_mode(ss::underline_mode_t) override {}
    void set_font_underline_type(ss::underline_type_t) override {}
    void set_font_underline_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    void set_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    void set_strikethrough_style(ss::strikethrough_style_t) override {}
    void set_strikethrough_type(ss::strikethrough_type_t) override {}
    void set_strikethrough_width(ss::strikethrough_width_t) override {}
    void set_strikethrough_text(ss::strikethrough_text_t) override {}
    size_t commit_font() override { return m_fonts++; }
    void set_fill_count(size_t) override {}
    void set_fill_fg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    void set_fill_bg_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    void set_border_count(size_t) override {}
    void set_border_style(ss::border_direction_t, ss::border_style_t) override {}
    void set_border_color(ss::border_direction_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                          ss::color_elem_t) override {}
    void set_border_width(ss::border_direction_t, double, ::orcus::length_unit_t) override {}
    size_t commit_border() override { return m_borders++; }
    void set_cell_hidden(bool) override {}
    void set_cell_locked(bool) override {}
    void set_cell_print_content(bool) override {}
    void set_cell_formula_hidden(bool) override {}
    size_t commit_cell_protection() override { return m_protections++; }
    void set_number_format_count(size_t) override {}
    void set_number_format_identifier(size_t) override {}
    void set_number_format_code(std::string_view) override {}
    size_t commit_number_format() override { return m_numberFormats++; }
    void set_cell_xf_count(size_t) override {}
    void set_cell_style_xf_count(size_t) override {}
    void set_dxf_count(size_t) override {}
    void set_xf_font(size_t) override {}
    void set_xf_border(size_t) override {}
    void set_xf_protection(size_t) override {}
    void set_xf_number_format(size_t) override {}
    void set_xf_style_xf(size_t) override {}
    void set_xf_apply_alignment(bool) override {}
    void set_xf_horizontal_alignment(ss::hor_alignment_t) override {}
    void set_xf_vertical_alignment(ss::ver_alignment_t) override {}
    void set_cell_style_count(size_t) override {}
    void set_cell_style_name(std::string_view) override {}
    void set_cell_style_xf(size_t) override {}
    void set_cell_style_builtin(size_t) override {}
    void set_cell_style_parent_name(std::string_view) override {}
    size_t commit_cell_style() override { return m_cellStyles++; }

private:
    ss::fill_pattern_t m_pattern = ss::fill_pattern_t::none;
    std::vector<bool> m_fills;
    std::size_t m_xfFill = 0;
    std::vector<bool> m_xfFills;
    std::size_t m_styleXfs = 0, m_dxfs = 0, m_fonts = 0, m_borders = 0, m_protections = 0, m_numberFormats = 0,
                m_cellStyles = 0;
};

// A cell's value and its format, as the file gives them: apart.
struct RawText {
    ss::row_t row = 0;
    ss::col_t column = 0;
    QString text;
};

struct RawFormat {
    ss::row_t row = 0;
    ss::col_t column = 0;
    std::size_t xf = 0;
};

struct RawArea {
    ss::range_t range;
    std::size_t xf = 0;
};

class Sheet;

// A formula cell's result, which is what the cell shows.
class FormulaResults final : public iface::import_formula {
public:
    explicit FormulaResults(Sheet& sheet) : m_sheet(sheet) {}

    void set_position(ss::row_t row, ss::col_t column) override {
        m_row = row;
        m_column = column;
        m_result.clear();
    }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(size_t) override {}
    void set_result_string(std::string_view value) override { m_result = fromUtf8(value); }
    void set_result_value(double value) override { m_result = xls::numberText(value); }
    void set_result_bool(bool value) override { m_result = xls::booleanText(value); }
    void set_result_empty() override { m_result.clear(); }
    void commit() override;

private:
    Sheet& m_sheet;
    ss::row_t m_row = 0;
    ss::col_t m_column = 0;
    QString m_result;
};

class Sheet final : public iface::import_sheet {
public:
    Sheet(const SharedStrings& strings, bool kept) : m_strings(strings), m_kept(kept) {}

    iface::import_formula* get_formula() override { return &m_formulas; }
    void set_auto(ss::row_t row, ss::col_t column, std::string_view s) override { put(row, column, fromUtf8(s)); }
    void set_string(ss::row_t row, ss::col_t column, ss::string_id_t id) override {
        put(row, column, id < m_strings.texts.size() ? m_strings.texts[id] : QString());
    }
    void set_value(ss::row_t row, ss::col_t column, double value) override { put(row, column, xls::numberText(value)); }
    void set_bool(ss::row_t row, ss::col_t column, bool value) override { put(row, column, xls::booleanText(value)); }
    void set_date_time(ss::row_t row, ss::col_t column, int year, int month, int day, int hour, int minute,
                       double second) override {
        QString text = QDate(year, month, day).toString(Qt::ISODate);
        if (hour || minute || second)
            text += QLatin1Char(' ') + QTime(hour, minute, static_cast<int>(second)).toString(Qt::ISODate);
        put(row, column, text);
    }
    void set_format(ss::row_t row, ss::col_t column, size_t xf) override {
        if (!m_kept) return;
        count(1);
        m_formats.push_back({row, column, xf});
    }
    void set_format(ss::row_t firstRow, ss::col_t firstColumn, ss::row_t lastRow, ss::col_t lastColumn,
                    size_t xf) override {
        if (m_kept) m_areas.push_back({{{firstRow, firstColumn}, {lastRow, lastColumn}}, xf});
    }
    // A row repeated: the cell again on each of the rows below it.
    void fill_down_cells(ss::row_t row, ss::col_t column, ss::row_t rows) override {
        if (!m_kept || rows <= 0) return;
        const bool hasText = !m_texts.empty() && m_texts.back().row == row && m_texts.back().column == column;
        const bool hasFormat = !m_formats.empty() && m_formats.back().row == row && m_formats.back().column == column;
        count((std::size_t(hasText) + std::size_t(hasFormat)) * static_cast<std::size_t>(rows));
        const RawText text = hasText ? m_texts.back() : RawText();
        const RawFormat format = hasFormat ? m_formats.back() : RawFormat();
        for (ss::row_t r = 1; r <= rows && row + r < kSheetRows; ++r) {
            if (hasText) m_texts.push_back({row + r, column, text.text});
            if (hasFormat) m_formats.push_back({row + r, column, format.xf});
        }
    }
    ss::range_size_t get_sheet_size() const override { return {kSheetRows, kSheetColumns}; }

    void put(ss::row_t row, ss::col_t column, QString text) {
        if (!m_kept) return;
        count(1);
        m_texts.push_back({row, column, std::move(text)});
    }

    // The texts, and the formats that tell something: those that fill, and,
    // where areas are filled, those that do not.
    SheetContent content(const FillStyles& styles, QString name) && {
        SheetContent content;
        content.sheetName = std::move(name);
        bool filledAreas = false;
        for (const RawArea& area : m_areas) {
            if (!styles.fills(area.xf)) continue;
            content.addFilledArea({area.range.first.row + 1, area.range.first.column + 1, area.range.last.row + 1,
                                   area.range.last.column + 1});
            filledAreas = true;
        }
        for (RawText& text : m_texts)
            content.add({text.row + 1, text.column + 1, std::move(text.text), CellFill::Inherited});
        for (const RawFormat& format : m_formats) {
            const bool fills = styles.fills(format.xf);
            if (fills || filledAreas)
                content.add({format.row + 1, format.column + 1, {}, fills ? CellFill::Filled : CellFill::Unfilled});
        }
        return content;
    }

private:
    void count(std::size_t more) {
        if (more > kMaxCells || m_texts.size() + m_formats.size() + more > kMaxCells) throwTooLarge();
    }

    const SharedStrings& m_strings;
    const bool m_kept; // only the first sheet's cells are kept
    FormulaResults m_formulas{*this};
    std::vector<RawText> m_texts;
    std::vector<RawFormat> m_formats;
    std::vector<RawArea> m_areas;
};

void FormulaResults::commit() {
    if (!m_result.isEmpty()) m_sheet.put(m_row, m_column, std::move(m_result));
    m_result.clear();
}

// Cell addresses in A1 style, as .xlsx parts write them ("B2", "$B$2", "B2:F2").
class A1Addresses final : public iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view address) override {
        ss::src_address_t cell{0, 0, 0};
        std::size_t at = 0;
        if (at < address.size() && address[at] == '$') ++at;
        long long column = 0;
        for (; at < address.size() && address[at] >= 'A' && address[at] <= 'Z' && column <= kSheetColumns; ++at)
            column = column * 26 + (address[at] - 'A' + 1);
        if (at < address.size() && address[at] == '$') ++at;
        long long row = 0;
        const std::size_t digits = at;
        for (; at < address.size() && address[at] >= '0' && address[at] <= '9' && row <= kSheetRows; ++at)
            row = row * 10 + (address[at] - '0');
        if (at != address.size() || at == digits || column < 1 || column > kSheetColumns || row < 1 || row > kSheetRows)
            throw std::invalid_argument("not a cell address: " + std::string(address.substr(0, 40)));
        cell.row = static_cast<ss::row_t>(row - 1);
        cell.column = static_cast<ss::col_t>(column - 1);
        return cell;
    }
    ss::src_range_t resolve_range(std::string_view range) override {
        const std::size_t colon = range.find(':');
        ss::src_range_t resolved;
        resolved.first = resolve_address(range.substr(0, colon));
        resolved.last = colon == std::string_view::npos ? resolved.first : resolve_address(range.substr(colon + 1));
        return resolved;
    }
};

class Factory final : public iface::import_factory {
public:
    iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    iface::import_styles* get_styles() override { return &m_styles; }
    iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override {
        return &m_addresses;
    }
    iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
        m_sheets.push_back(std::make_unique<Sheet>(m_strings, m_sheets.empty()));
        m_names.push_back(fromUtf8(name));
        return m_sheets.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        const qsizetype index = m_names.indexOf(fromUtf8(name));
        return index < 0 ? nullptr : m_sheets[static_cast<std::size_t>(index)].get();
    }
    iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && std::size_t(index) < m_sheets.size() ? m_sheets[std::size_t(index)].get() : nullptr;
    }
    void finalize() override {}

    bool hasSheet() const { return !m_sheets.empty(); }
    SheetContent firstSheet() && { return std::move(*m_sheets.front()).content(m_styles, m_names.front()); }

private:
    SharedStrings m_strings;
    FillStyles m_styles;
    A1Addresses m_addresses;
    std::vector<std::unique_ptr<Sheet>> m_sheets;
    QStringList m_names;
};

} // namespace

SheetContent readPackagedSheet(const QByteArray& bytes, PackageKind kind) {
    Factory factory;
    std::unique_ptr<::orcus::iface::import_filter> filter;
    if (kind == PackageKind::OfficeOpenXml)
        filter = std::make_unique<::orcus::orcus_xlsx>(&factory);
    else
        filter = std::make_unique<::orcus::orcus_ods>(&factory);
    filter->read_stream(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!factory.hasSheet()) throw std::runtime_error("the workbook holds no sheet");
    SheetContent content = std::move(factory).firstSheet();
    // liborcus passes over strings written in the cells themselves, as Gnumeric writes them.
    if (kind == PackageKind::OfficeOpenXml) xlsx::addInlineStrings(bytes, content);
    content.finish();
    return content;
}

} // namespace spreadsheet::orcus
