#include "SheetReader.h"

#include "BiffMapping.h"
#include "BiffRecords.h"
#include "CellValueText.h"
#include "FormatResolver.h"
#include "PrintRecords.h"
#include "ReadFailures.h"
#include "RecordReader.h"
#include "UnicodeStringReader.h"

#include "core/Error.h"

#include <array>
#include <map>
#include <optional>

namespace spreadsheet::xls {

namespace {

struct ColumnInfo {
    std::uint16_t xf = 0;
    std::uint16_t width = 0;
    bool hidden = false;
};

// A formula whose text result comes in the STRING record after it.
struct PendingFormula {
    int row;
    int column;
};

class SheetBuilder {
public:
    SheetBuilder(const WorkbookGlobals& globals, const SheetEntry& entry)
        : m_globals(globals),
          m_sheet(std::make_unique<Worksheet>(entry.name.isEmpty() ? QStringLiteral("Sheet1") : entry.name)),
          m_formats(globals, *m_sheet) {}

    void read(const Record& r);
    std::unique_ptr<Worksheet> finish();

private:
    struct CellHeader {
        int row;
        int column;
        std::uint16_t xf;
    };
    struct CellRun {
        int row = 0;
        int firstColumn = 0;
        int lastColumn = 0;
    };
    CellHeader readCellHeader(RecordReader& in);
    CellRun readCellRun(RecordReader& in, std::size_t entrySize);
    void putCell(const CellHeader& cell, const QString* text);
    void readMulBlank(const Record& r);
    void readMulRk(const Record& r);
    void readValueCell(const Record& r);
    void readFormulaText(const Record& r);
    void readFormula(const Record& r);
    void readColumnInfo(const Record& r);
    void readMergedCells(const Record& r);
    void applyColumns();
    void applyMerges();

    const WorkbookGlobals& m_globals;
    std::unique_ptr<Worksheet> m_sheet;
    FormatResolver m_formats;
    std::array<std::optional<ColumnInfo>, kMaxColumns + 1> m_columns;
    std::vector<CellRange> m_merges;
    std::optional<PendingFormula> m_pendingFormula;
    PrintSettingsReader m_print;
};

bool isCellRecord(std::uint16_t id) {
    switch (id) {
    case record::kBlank:
    case record::kMulBlank:
    case record::kLabelSst:
    case record::kLabel:
    case record::kRString:
    case record::kNumber:
    case record::kRk:
    case record::kMulRk:
    case record::kBoolErr:
    case record::kFormula: return true;
    default: return false;
    }
}

void checkColumn(RecordReader& in, int row, int column) {
    if (column > kMaxColumns)
        in.fail(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "row %1 has a cell in column %2, past the sheet's %3 columns"),
            {row, column, kMaxColumns}));
}

SheetBuilder::CellHeader SheetBuilder::readCellHeader(RecordReader& in) {
    const int row = in.u16() + 1;
    const int column = in.u16() + 1;
    const std::uint16_t xf = in.u16();
    checkColumn(in, row, column);
    return {row, column, xf};
}

void SheetBuilder::putCell(const CellHeader& cell, const QString* text) {
    m_sheet->setCellFormat(cell.row, cell.column, m_formats.formatOf(cell.xf, cell.row, cell.column));
    if (!text) return;
    if (text->size() > xl::kMaxTextLength)
        throwDamaged(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "cell %1 holds %2 characters, more than the %3 a cell can hold"),
            {addressText(CellRange::cell(cell.row, cell.column)), text->size(), xl::kMaxTextLength}));
    m_sheet->setValue(CellRange::cell(cell.row, cell.column), *text);
}

void SheetBuilder::read(const Record& r) {
    if (m_print.read(r)) return;
    // A formula's text comes in the STRING record after it, perhaps behind
    // shared-formula or array records; the next cell record ends the wait.
    if (isCellRecord(r.id)) m_pendingFormula.reset();
    switch (r.id) {
    case record::kBlank: {
        RecordReader in(r);
        putCell(readCellHeader(in), nullptr);
        break;
    }
    case record::kLabelSst:
    case record::kLabel:
    case record::kRString:
    case record::kNumber:
    case record::kRk:
    case record::kBoolErr: readValueCell(r); break;
    case record::kMulBlank: readMulBlank(r); break;
    case record::kMulRk: readMulRk(r); break;
    case record::kFormula: readFormula(r); break;
    case record::kString: readFormulaText(r); break;
    case record::kColInfo: readColumnInfo(r); break;
    case record::kMergedCells: readMergedCells(r); break;
    default: break; // rows, dimensions, window and all else
    }
}

void SheetBuilder::readValueCell(const Record& r) {
    RecordReader in(r);
    const CellHeader cell = readCellHeader(in);
    if (r.id == record::kLabelSst) {
        const std::uint32_t index = in.u32();
        if (index >= m_globals.sharedStrings.size())
            in.fail(core::Phrase(
                QT_TRANSLATE_NOOP("core::Error", "cell %1 refers to shared string %2, but the workbook has only %3"),
                {addressText(CellRange::cell(cell.row, cell.column)), index, m_globals.sharedStrings.size()}));
        putCell(cell, &m_globals.sharedStrings[index]);
        return;
    }
    QString text;
    switch (r.id) {
    case record::kNumber: text = numberText(in.f64()); break;
    case record::kRk: text = numberText(rkNumber(in.u32())); break;
    case record::kBoolErr: {
        const std::uint8_t value = in.u8();
        text = in.u8() ? errorText(value) : booleanText(value != 0);
        break;
    }
    default: text = readUnicodeString(in, CountSize::TwoBytes); break; // LABEL, RSTRING
    }
    putCell(cell, &text);
}

void SheetBuilder::readFormulaText(const Record& r) {
    if (!m_pendingFormula) return;
    RecordReader in(r);
    const QString text = readUnicodeString(in, CountSize::TwoBytes);
    if (text.size() > xl::kMaxTextLength)
        in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a formula's text is too long")));
    m_sheet->setValue(CellRange::cell(m_pendingFormula->row, m_pendingFormula->column), text);
    m_pendingFormula.reset();
}

SheetBuilder::CellRun SheetBuilder::readCellRun(RecordReader& in, std::size_t entrySize) {
    // Row and first column, the entries, then the last column: the length
    // gives the number of entries, which must match the columns.
    CellRun run;
    run.row = in.u16() + 1;
    run.firstColumn = in.u16() + 1;
    if (in.remaining() < 2 + entrySize || (in.remaining() - 2) % entrySize != 0)
        in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its length does not fit a run of cells")));
    const std::size_t entries = (in.remaining() - 2) / entrySize;
    const QByteArrayView last = in.peekLast(2);
    run.lastColumn = (static_cast<std::uint8_t>(last[0]) | static_cast<std::uint8_t>(last[1]) << 8) + 1;
    if (run.lastColumn - run.firstColumn + 1 != static_cast<int>(entries))
        in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it gives columns %1 to %2 but %3 cells"),
                             {run.firstColumn, run.lastColumn, entries}));
    checkColumn(in, run.row, run.lastColumn);
    return run;
}

void SheetBuilder::readMulBlank(const Record& r) {
    RecordReader in(r);
    const CellRun run = readCellRun(in, 2);
    for (int column = run.firstColumn; column <= run.lastColumn; ++column)
        putCell({run.row, column, in.u16()}, nullptr);
}

void SheetBuilder::readMulRk(const Record& r) {
    RecordReader in(r);
    const CellRun run = readCellRun(in, 6);
    for (int column = run.firstColumn; column <= run.lastColumn; ++column) {
        const std::uint16_t xf = in.u16();
        const QString text = numberText(rkNumber(in.u32()));
        putCell({run.row, column, xf}, &text);
    }
}

void SheetBuilder::readFormula(const Record& r) {
    RecordReader in(r);
    const CellHeader cell = readCellHeader(in);
    const QByteArrayView result = in.bytes(8);
    const auto byte = [&](int i) { return static_cast<std::uint8_t>(result[i]); };
    if (byte(6) != 0xFF || byte(7) != 0xFF) {
        RecordReader number(r);
        number.skip(6);
        const QString text = numberText(number.f64());
        putCell(cell, &text);
        return;
    }
    switch (byte(0)) {
    case 0: // text, in the STRING record that follows
        putCell(cell, nullptr);
        m_pendingFormula = PendingFormula{cell.row, cell.column};
        break;
    case 1: {
        const QString text = booleanText(byte(2) != 0);
        putCell(cell, &text);
        break;
    }
    case 2: {
        const QString text = errorText(byte(2));
        putCell(cell, &text);
        break;
    }
    default: putCell(cell, nullptr); break; // empty text
    }
}

void SheetBuilder::readColumnInfo(const Record& r) {
    RecordReader in(r);
    const int firstColumn = in.u16() + 1;
    // Excel itself writes 256 as the last column of a range that runs to the end.
    const int lastColumn = std::min<int>(in.u16() + 1, kMaxColumns);
    ColumnInfo info;
    info.width = in.u16();
    info.xf = in.u16();
    info.hidden = in.u16() & 0x0001;
    if (firstColumn > lastColumn) return;
    for (int column = firstColumn; column <= lastColumn; ++column) m_columns[column] = info;
}

void SheetBuilder::readMergedCells(const Record& r) {
    RecordReader in(r);
    constexpr std::size_t kRangeSize = 8;
    const std::size_t count = in.u16();
    if (count > in.remaining() / kRangeSize)
        in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "it announces %1 merged areas but has room for %2"),
                             {count, in.remaining() / kRangeSize}));
    for (std::size_t i = 0; i < count; ++i) {
        CellRange area;
        area.firstRow = in.u16() + 1;
        area.lastRow = in.u16() + 1;
        area.firstColumn = in.u16() + 1;
        area.lastColumn = in.u16() + 1;
        if (area.firstRow > area.lastRow || area.firstColumn > area.lastColumn || area.lastColumn > kMaxColumns)
            in.fail(
                core::Phrase(QT_TRANSLATE_NOOP("core::Error", "merged area %1 is not a range of the sheet"), {i + 1}));
        if (area.isSingleCell()) continue;
        if (m_merges.size() >= kMaxMergedAreas)
            in.fail(core::Phrase(QT_TRANSLATE_NOOP("core::Error", "the sheet has more than %1 merged areas"),
                                 {kMaxMergedAreas}));
        m_merges.push_back(area);
    }
}

void SheetBuilder::applyColumns() {
    // The sheet-wide format is stored as the format of every column; the
    // columns that differ from the most common one have formats of their own.
    bool everyColumn = true;
    std::map<FormatId, int> uses;
    for (int column = 1; column <= kMaxColumns; ++column) {
        if (m_columns[column])
            ++uses[m_formats.formatOf(m_columns[column]->xf, 0, column)];
        else
            everyColumn = false;
    }
    FormatId sheetFormat = m_sheet->sheetFormatId();
    if (everyColumn) {
        int most = 0;
        for (const auto& [format, count] : uses) {
            if (count > most) {
                sheetFormat = format;
                most = count;
            }
        }
        m_sheet->setSheetFormat(sheetFormat);
    }
    for (int column = 1; column <= kMaxColumns; ++column) {
        if (!m_columns[column]) continue;
        const ColumnInfo& info = *m_columns[column];
        const FormatId format = m_formats.formatOf(info.xf, 0, column);
        if (format != sheetFormat) m_sheet->setColumnFormat(column, format);
        const CellRange wholeColumn{1, column, kMaxRows, column};
        const double width = info.hidden ? 0.0 : std::min(modelColumnWidth(info.width), xl::kMaxColumnWidth);
        if (width != Worksheet::kDefaultColumnWidth) m_sheet->setColumnWidth(wholeColumn, width);
    }
}

void SheetBuilder::applyMerges() {
    for (const CellRange& area : m_merges) {
        try {
            m_sheet->merge(area);
        } catch (const core::Error&) {
            // An area overlapping an earlier one: spreadsheets keep the first.
        }
    }
}

std::unique_ptr<Worksheet> SheetBuilder::finish() {
    applyColumns();
    applyMerges();
    m_sheet->setPrintSettings(m_print.settings());
    return std::move(m_sheet);
}

void checkWorksheetBof(const Record& r, const SheetEntry& entry) {
    RecordReader in(r);
    if (r.id != record::kBof || in.u16() != record::kBiff8Version || in.u16() != record::kBofWorksheet)
        throwDamaged(core::Phrase(
            QT_TRANSLATE_NOOP("core::Error", "sheet '%1' does not start with a worksheet BOF record"), {entry.name}));
}

} // namespace

std::unique_ptr<Worksheet> readWorksheet(RecordStream& stream, const WorkbookGlobals& globals,
                                         const SheetEntry& entry) {
    stream.seek(entry.offset);
    checkWorksheetBof(stream.next(), entry);
    SheetBuilder builder(globals, entry);
    // Embedded charts nest their own BOF ... EOF inside the sheet.
    int depth = 1;
    while (depth > 0) {
        if (stream.atEnd())
            throwDamaged(
                core::Phrase(QT_TRANSLATE_NOOP("core::Error", "sheet '%1' ends before its EOF record"), {entry.name}));
        const Record& r = stream.next();
        if (r.id == record::kBof)
            ++depth;
        else if (r.id == record::kEof)
            --depth;
        else if (depth == 1)
            builder.read(r);
    }
    return builder.finish();
}

} // namespace spreadsheet::xls
