#pragma once

#include "Automation.h"

#include <QString>

#include <vector>

namespace chart {

// Writes into each box of a drawn chart its ancestor number (when asked for)
// and the ancestor's label where one is known: "12", "12 Anna Hansdotter
// (1864–1945)" or "Anna Hansdotter (1864–1945)". Boxes with nothing to show
// stay empty.
void writeBoxTexts(automation::Worksheet& sheet, long long boxColumns, bool withNumbers,
                   const std::vector<QString>& labelByNumber);

} // namespace chart
