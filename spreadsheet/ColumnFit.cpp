#include "ColumnFit.h"

#include "ColumnWidth.h"
#include "ExcelConstants.h"
#include "VectorPicture.h"
#include "Worksheet.h"

#include "core/Error.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace spreadsheet {

namespace {

// The face spreadsheets on Linux show a missing font in.
const QString& standInFontName() {
    static const QString name = QStringLiteral("DejaVu Sans");
    return name;
}

// Between a text and its column's edges: the grid line and the indent, on both sides.
constexpr int kCellRoomPixels = 2 * (1 + kTextIndent);

QFont measuringFont(const QString& family, double points) {
    QFont font(family);
    font.setPixelSize(textPixelSize(points));
    return font;
}

// The metrics of the fonts in use, made once for each face and size.
class TextMeasure {
public:
    int widthOf(const QString& text, const QString& fontName, double points) {
        const Metrics& m = metricsOf(fontName, points);
        return static_cast<int>(std::ceil(std::max(m.first.horizontalAdvance(text), m.second.horizontalAdvance(text))));
    }
    // What the text takes at most, without laying it out: each character as
    // wide as the widest glyph of either face, and never under an em.
    int mostOf(const QString& text, const QString& fontName, double points) {
        const Metrics& m = metricsOf(fontName, points);
        const double widest = std::max({m.first.maxWidth(), m.second.maxWidth(), double(textPixelSize(points))});
        return static_cast<int>(std::ceil(double(text.size()) * widest));
    }

private:
    using Metrics = QPair<QFontMetricsF, QFontMetricsF>; // the font's and the stand-in's
    const Metrics& metricsOf(const QString& fontName, double points) {
        const auto key = qMakePair(fontName, points);
        auto it = m_metrics.find(key);
        if (it == m_metrics.end())
            it = m_metrics.insert(key,
                                  {QFontMetricsF(measuringFont(fontName, points)),
                                   QFontMetricsF(measuringFont(standInFontName(), points))});
        return *it;
    }
    QHash<QPair<QString, double>, Metrics> m_metrics;
};

// Digits and spaces alone, as an ancestor number alone is: both faces have
// every one of them, so no glyph comes from a third face that may be wider.
bool isPlainNumber(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return (c >= u'0' && c <= u'9') || c == u' '; });
}

void requireFonts() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "There are no fonts to measure the texts with."));
}

} // namespace

int textWidthPixels(const QString& text, const QString& fontName, double points) {
    requireFonts();
    return TextMeasure().widthOf(text, fontName, points);
}

double columnWidthShowing(int textPixels) {
    const int needed = textPixels + kCellRoomPixels;
    double characters = std::max(0.0, std::ceil(double(needed - kColumnPaddingPixels) / kDigitWidthPixels));
    while (characters < xl::kMaxColumnWidth && columnWidthPixels(characters) < needed) ++characters;
    return std::min(characters, xl::kMaxColumnWidth);
}

void widenColumnsToTexts(Worksheet& sheet, int firstColumn, int lastColumn) {
    requireFonts();
    TextMeasure measure;
    std::vector<int> widest(static_cast<std::size_t>(std::max(0, lastColumn - firstColumn + 1)), 0);
    for (int row = 1; row <= sheet.lastStoredRow(); ++row) {
        for (const Cell& cell : sheet.storedCells(row)) {
            if (cell.column < firstColumn || cell.column > lastColumn || !cell.text) continue;
            if (sheet.mergedAreaAt(row, cell.column)) continue;
            const CellFormat& format = sheet.formats().at(cell.format);
            const QString& text = sheet.text(cell);
            int& width = widest[static_cast<std::size_t>(cell.column - firstColumn)];
            // A number that, however wide its glyphs, is no wider than the
            // widest text so far or than its column shows already is not laid
            // out: a chart of 15 generations numbers 32,767 boxes.
            if (isPlainNumber(text)) {
                const int most = measure.mostOf(text, sheet.fontName(format), format.fontSize());
                if (most <= width || columnWidthShowing(most) <= sheet.columnWidth(cell.column)) continue;
            }
            width = std::max(width, measure.widthOf(text, sheet.fontName(format), format.fontSize()));
        }
    }
    for (int column = firstColumn; column <= lastColumn; ++column) {
        const int text = widest[static_cast<std::size_t>(column - firstColumn)];
        if (text == 0) continue;
        const double needed = columnWidthShowing(text);
        if (needed > sheet.columnWidth(column)) sheet.setColumnWidth({1, column, kMaxRows, column}, needed);
    }
}

} // namespace spreadsheet
