#pragma once

#include "ChartStyle.h"
#include "SheetOperation.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace chart {

// The most generations a chart may have: 15 generations need 32,771 rows, and
// an Excel 97-2003 sheet has 65,536.
inline constexpr int kMaxGenerations = 15;

// The ordered operations that draw one chart, with the texts they refer to.
struct ChartLayout {
    QStringList texts{QString()}; // texts[kNoText] is the empty text
    std::vector<SheetOperation> operations;

    const QString& text(TextId id) const { return texts[id]; }
};

// Number raised to the power Exponent.
double MyPower(double Number, double Exponent);

// The number of box columns of a chart of G generations: G - 1 rounded
// half to even, plus one; 0 when G is below 0.5.
long long boxColumnCount(double generations);

// The number of box columns of a chart for a generation count text, as the
// user's locale writes numbers. Throws core::Error (InputRefused) when the text is not
// a number or the chart would need more than kMaxGenerations columns.
long long boxColumnsFor(const QString& generationCountText);

// The operations before the boxes: sheet set-up, title and generation line
// (steps 116 to 148), with room for `capacity` operations in all.
ChartLayout buildChartHeading(const QString& rootName, const QString& generationCountText, std::size_t capacity = 0);

// The chart's operations for a root name and a generation count text. The
// count is converted as the user's locale writes numbers; the text itself
// goes unchanged into the generation line. Throws core::Error (InputRefused) when the
// text is not a number or the chart would need more than kMaxGenerations columns.
ChartLayout BuildChartLayout(const QString& rootName, const QString& generationCountText);

} // namespace chart
