#pragma once

#include "Automation.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace chart {

// What the boxes of a chart show beside their fill and edges: each box's
// ancestor number, and the label of each known ancestor by number ("Anna
// Hansdotter (1864–1945)", empty where unknown). Nothing at all for a blank
// chart.
struct BoxLabels {
    bool withNumbers = false;
    std::vector<QString> labelByNumber;

    bool any() const { return withNumbers || !labelByNumber.empty(); }
};

// Writes into each box of a drawn chart its ancestor number (when asked for)
// and the ancestor's label where one is known: "12", "12 Anna Hansdotter
// (1864–1945)" or "Anna Hansdotter (1864–1945)". Boxes with nothing to show
// stay empty. Each box column then grows until its widest text reads whole;
// none narrows.
void writeBoxTexts(automation::Worksheet& sheet, long long boxColumns, const BoxLabels& labels);

// The root's box of a drawn chart as cell indexes of the picture of its
// sheet, which begins at the first cell of the used range; nothing for a
// chart without boxes.
std::optional<QRect> rootBoxInPicture(automation::Worksheet& sheet, long long boxColumns);

} // namespace chart
