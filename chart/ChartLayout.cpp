#include "ChartLayout.h"

#include "BoxLoop.h"
#include "GenerationCount.h"

#include "shell/shared/RoundHalfEven.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

constexpr int kFixedOperations = 17;
constexpr int kOperationsPerBox = 5;

// Appends operations to a layout, interning their texts.
class LayoutWriter {
public:
    explicit LayoutWriter(ChartLayout& layout) : m_layout(layout) {}

    TextId text(const QString& t) {
        qsizetype index = m_layout.texts.indexOf(t);
        if (index < 0) {
            m_layout.texts.append(t);
            index = m_layout.texts.size() - 1;
        }
        return static_cast<TextId>(index);
    }

    void onSheet(int step, SheetMember member, SheetValue value) {
        add({step, SheetTarget::WholeSheet, {}, member, 0, value});
    }
    void onColumns(int step, const QString& address, SheetMember member, SheetValue value) {
        add({step, SheetTarget::ColumnRange, {0, 0, text(address)}, member, 0, value});
    }
    void onRange(int step, const QString& address, SheetMember member, SheetValue value) {
        add({step, SheetTarget::Range, {0, 0, text(address)}, member, 0, value});
    }
    void onCell(int step, int row, int column, SheetMember member, SheetValue value, std::int16_t border = 0) {
        add({step, SheetTarget::Cell, {row, column, kNoText}, member, border, value});
    }

    SheetValue textValue(const QString& t) { return {SheetValue::Kind::Text, text(t), 0}; }
    static SheetValue number(std::int16_t n) { return {SheetValue::Kind::Number, kNoText, n}; }

private:
    void add(const SheetOperation& op) { m_layout.operations.push_back(op); }
    ChartLayout& m_layout;
};

std::size_t operationCount(long long columns) {
    std::size_t count = kFixedOperations;
    for (long long k = 0; k < columns; ++k) {
        const std::size_t boxes = std::size_t(1) << (columns - 1 - k);
        const std::size_t spacing = std::size_t(2) << k;
        count += boxes * kOperationsPerBox + (boxes - 1) * (spacing + 1);
    }
    return count;
}

} // namespace

double MyPower(double Number, double Exponent) { return std::pow(Number, Exponent); }

long long boxColumnCount(double generations) {
    const double last = shell::roundHalfEven(generations - 1);
    if (!(last >= 0)) return 0;
    if (last >= kMaxGenerations) return kMaxGenerations + 1; // too many: the caller refuses it
    return static_cast<long long>(last) + 1;
}

long long boxColumnsFor(const QString& generationCountText) {
    GenerationCount count;
    const GenerationCountCheck check = readGenerationCount(generationCountText, count);
    if (check != GenerationCountCheck::Accepted) throw core::Error(core::ErrorKind::InputRefused, refusal(check));
    return count.boxColumns;
}

ChartLayout buildChartHeading(const QString& rootName, const QString& generationCountText, std::size_t capacity) {
    ChartLayout layout;
    layout.operations.reserve(std::max<std::size_t>(capacity, kFixedOperations));
    LayoutWriter out(layout);

    // Sheet set-up.
    const QString font = QString::fromLatin1(kSheetFontName);
    out.onSheet(116, SheetMember::FontName, out.textValue(font));
    out.onColumns(118, QStringLiteral("A:A"), SheetMember::ColumnWidth,
                  out.textValue(QString::fromLatin1(kMarginColumnWidth)));
    const char* wideColumns[] = {"B:B", "C:C", "D:D", "E:E", "F:F"};
    int step = 120;
    for (const char* address : wideColumns) {
        out.onColumns(step, QString::fromLatin1(address), SheetMember::ColumnWidth,
                      out.textValue(QString::fromLatin1(kBoxColumnWidth)));
        step += 2;
    }

    // Title.
    out.onRange(130, QStringLiteral("B2:F2"), SheetMember::Merge, {});
    out.onCell(132, 2, 2, SheetMember::HorizontalAlignment, out.number(spreadsheet::xl::kHAlignLeft));
    out.onCell(134, 2, 2, SheetMember::FontSize, out.number(kTitleFontSize));
    out.onCell(136, 2, 2, SheetMember::FontName, out.textValue(font));
    //: The chart's title; at most 16 characters go before the name.
    const QString title = QCoreApplication::translate("chart::ChartLayout", "Family Tree for %1").arg(rootName);
    out.onCell(138, 2, 2, SheetMember::Value, out.textValue(title));
    out.onCell(140, 2, 2, SheetMember::FontColorIndex, out.number(kTitleColorIndex));

    // Generation line, with the count as it was typed.
    out.onRange(142, QStringLiteral("B3:F3"), SheetMember::Merge, {});
    out.onCell(144, 3, 2, SheetMember::HorizontalAlignment, out.number(spreadsheet::xl::kHAlignLeft));
    out.onCell(146, 3, 2, SheetMember::FontSize, out.number(kGenerationLineFontSize));
    const QString generationLine =
        QCoreApplication::translate("chart::ChartLayout", "%1 Generations").arg(generationCountText);
    out.onCell(148, 3, 2, SheetMember::Value, out.textValue(generationLine));
    return layout;
}

ChartLayout BuildChartLayout(const QString& rootName, const QString& generationCountText) {
    const long long columns = boxColumnsFor(generationCountText);
    ChartLayout layout = buildChartHeading(rootName, generationCountText, operationCount(columns));
    runBoxLoop(columns, kPlainStatement, [&](const SheetOperation& op) { layout.operations.push_back(op); });
    return layout;
}

} // namespace chart
