#include "SheetContent.h"

#include "PackagedContent.h"
#include "Worksheet.h"
#include "xls/CompoundFile.h"
#include "xls/ReadFailures.h"
#include "xls/WorkbookReader.h"

#include "core/Error.h"
#include "files/WholeFile.h"

#include <algorithm>
#include <optional>

namespace spreadsheet {

void SheetContent::finish() {
    std::stable_sort(m_cells.begin(), m_cells.end(), [](const ContentCell& a, const ContentCell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    // A file may give a cell's value and its format apart: one cell of both.
    std::vector<ContentCell> merged;
    merged.reserve(m_cells.size());
    for (ContentCell& cell : m_cells) {
        if (merged.empty() || merged.back().row != cell.row || merged.back().column != cell.column) {
            merged.push_back(std::move(cell));
            continue;
        }
        ContentCell& kept = merged.back();
        if (!cell.text.isEmpty()) kept.text = std::move(cell.text);
        if (cell.fill != CellFill::Inherited) kept.fill = cell.fill;
    }
    m_cells = std::move(merged);
}

const ContentCell* SheetContent::find(int row, int column) const {
    const auto at = std::lower_bound(m_cells.begin(), m_cells.end(), std::pair{row, column},
                                     [](const ContentCell& cell, const std::pair<int, int>& wanted) {
                                         return std::pair{cell.row, cell.column} < wanted;
                                     });
    return at != m_cells.end() && at->row == row && at->column == column ? &*at : nullptr;
}

QString SheetContent::text(int row, int column) const {
    const ContentCell* cell = find(row, column);
    return cell ? cell->text : QString();
}

bool SheetContent::isFilled(int row, int column) const {
    const ContentCell* cell = find(row, column);
    if (cell && cell->fill != CellFill::Inherited) return cell->fill == CellFill::Filled;
    return std::any_of(m_filledAreas.begin(), m_filledAreas.end(),
                       [&](const CellRange& area) { return area.contains(row, column); });
}

void throwTooManyCells() {
    throw core::Error(core::ErrorKind::DataDamaged, QT_TRANSLATE_NOOP("core::Error", "'%1' is damaged: %2."),
                      {QString(),
                       core::Phrase(QT_TRANSLATE_NOOP("core::Error", "its first sheet holds more than %1 cells"),
                                    {kMaxContentCells})});
}

namespace {

using core::Phrase;

[[noreturn]] void throwUnreadable(const char* text, const QString& name, Phrase detail = {}) {
    throw core::Error(core::ErrorKind::DataDamaged, text, {name, std::move(detail)});
}

bool filled(const CellFormat& format) {
    return format.fillColorIndex != xl::kColorIndexNone && format.fillColorIndex != xl::kColorIndexAutomatic;
}

// The texts and the fills of a sheet; cells without either only where a
// column or the sheet is filled, since only then do they say something.
SheetContent contentOf(const Worksheet& sheet) {
    SheetContent content;
    content.sheetName = sheet.name();
    bool filledAreas = false;
    for (int column = 1; column <= kMaxColumns; ++column) {
        const std::optional<FormatId> format = sheet.columnFormatId(column);
        if (format && filled(sheet.formats().at(*format))) {
            content.addFilledArea({1, column, kMaxRows, column});
            filledAreas = true;
        }
    }
    if (filled(sheet.formats().at(sheet.sheetFormatId()))) {
        content.addFilledArea(CellRange::wholeSheet());
        filledAreas = true;
    }
    for (int row = 1; row <= sheet.lastStoredRow(); ++row)
        for (const Cell& cell : sheet.storedCells(row)) {
            const bool fills = filled(sheet.format(row, cell.column));
            if (cell.text || fills || filledAreas)
                content.add({row, cell.column, cell.text ? sheet.text(cell) : QString(),
                             fills ? CellFill::Filled : CellFill::Unfilled});
        }
    content.finish();
    return content;
}

} // namespace

SheetContent sheetContentOf(const QByteArray& bytes, const QString& nameForMessages) {
    if (xls::hasCompoundFileSignature(bytes))
        return contentOf(*xls::readWorkbookBytes(bytes, nameForMessages, xls::SheetChoice::First));
    if (bytes.startsWith("PK\x03\x04")) return packagedSheetContent(bytes, nameForMessages);
    throwUnreadable(QT_TRANSLATE_NOOP("core::Error", "'%1' is not a workbook: %2."), nameForMessages,
                    Phrase(QT_TRANSLATE_NOOP("core::Error", "Kinloom reads .xls, .xlsx and .ods files")));
}

SheetContent readSheetContent(const QString& path) {
    return sheetContentOf(files::readWholeFile(path, kMaxWorkbookFileBytes), path);
}

} // namespace spreadsheet
