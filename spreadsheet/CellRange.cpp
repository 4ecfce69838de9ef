#include "CellRange.h"

#include "core/Error.h"

#include <algorithm>
#include <optional>

namespace spreadsheet {

CellRange CellRange::unitedWith(const CellRange& o) const {
    return {std::min(firstRow, o.firstRow), std::min(firstColumn, o.firstColumn), std::max(lastRow, o.lastRow),
            std::max(lastColumn, o.lastColumn)};
}

void throwOffSheet(int row, int column) {
    if (row < 1 || row > kMaxRows)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "Row %1 is outside the sheet (rows 1 to %2)."),
                          {row, kMaxRows});
    if (column < 1 || column > kMaxColumns)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "Column %1 is outside the sheet (columns 1 to %2)."),
                          {column, kMaxColumns});
    throw core::Error(core::ErrorKind::CallRejected,
                      QT_TRANSLATE_NOOP("core::Error", "Cell %1, %2 is outside the sheet."), {row, column});
}

namespace {

struct Reference {
    std::optional<int> row;
    std::optional<int> column;
};

// One side of an address: letters, digits or both ("B2", "B", "2").
std::optional<Reference> parseReference(QStringView text) {
    Reference ref;
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$') ++i;
    long long column = 0;
    qsizetype letters = 0;
    while (i < text.size() && text[i].isLetter() && text[i].unicode() < 128) {
        column = column * 26 + (text[i].toUpper().unicode() - u'A' + 1);
        if (++letters > 3) return std::nullopt;
        ++i;
    }
    if (letters > 0) ref.column = static_cast<int>(column);
    if (i < text.size() && text[i] == u'$') {
        if (letters == 0) return std::nullopt;
        ++i;
    }
    long long row = 0;
    qsizetype digits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        row = row * 10 + (text[i].unicode() - u'0');
        if (++digits > 6) return std::nullopt;
        ++i;
    }
    if (digits > 0) ref.row = static_cast<int>(row);
    if (i != text.size() || (letters == 0 && digits == 0)) return std::nullopt;
    return ref;
}

} // namespace

CellRange parseAddress(QStringView address) {
    const auto invalid = [&] {
        return core::Error(core::ErrorKind::CallRejected,
                           QT_TRANSLATE_NOOP("core::Error", "'%1' is not a valid cell address."), {address.toString()});
    };
    const QStringView trimmed = address.trimmed();
    const qsizetype colon = trimmed.indexOf(u':');
    const QStringView firstText = colon < 0 ? trimmed : trimmed.left(colon);
    const QStringView secondText = colon < 0 ? trimmed : trimmed.mid(colon + 1);
    const auto first = parseReference(firstText);
    const auto second = parseReference(secondText);
    if (!first || !second) throw invalid();

    const bool firstFull = first->row && first->column;
    const bool secondFull = second->row && second->column;
    CellRange range;
    if (firstFull && secondFull) {
        range = {*first->row, *first->column, *second->row, *second->column};
    } else if (colon >= 0 && !first->row && !second->row) { // "A:C"
        range = {1, *first->column, kMaxRows, *second->column};
    } else if (colon >= 0 && !first->column && !second->column) { // "2:5"
        range = {*first->row, 1, *second->row, kMaxColumns};
    } else {
        throw invalid();
    }
    if (range.firstRow < 1 || range.lastRow > kMaxRows || range.lastRow < 1 || range.firstRow > kMaxRows
        || range.firstColumn < 1 || range.lastColumn > kMaxColumns || range.lastColumn < 1
        || range.firstColumn > kMaxColumns)
        throw invalid();
    // Excel accepts the corners in any order.
    return {std::min(range.firstRow, range.lastRow), std::min(range.firstColumn, range.lastColumn),
            std::max(range.firstRow, range.lastRow), std::max(range.firstColumn, range.lastColumn)};
}

QString columnName(int column) {
    QString name;
    while (column > 0) {
        const int rest = (column - 1) % 26;
        name.prepend(QChar(u'A' + rest));
        column = (column - 1) / 26;
    }
    return name;
}

QString addressText(const CellRange& range) {
    const QString first = columnName(range.firstColumn) + QString::number(range.firstRow);
    if (range.isSingleCell()) return first;
    return first + u':' + columnName(range.lastColumn) + QString::number(range.lastRow);
}

} // namespace spreadsheet
