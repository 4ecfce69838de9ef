#pragma once

#include "Automation.h"
#include "ChartLayout.h"

namespace chart {

// Carries out one operation of a layout on a worksheet. Throws what the
// worksheet throws.
void executeOperation(automation::Worksheet& sheet, const ChartLayout& layout, const SheetOperation& op);

// Carries out a whole layout in order, stopping at the first failure.
void executeLayout(automation::Worksheet& sheet, const ChartLayout& layout);

} // namespace chart
