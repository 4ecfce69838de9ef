#pragma once

#include "Automation.h"
#include "ChartLayout.h"

namespace chart {

// Carries out one operation of a layout on a worksheet. Throws what the
// worksheet throws.
void executeOperation(automation::Worksheet& sheet, const ChartLayout& layout, const SheetOperation& op);

// How a chart prints: landscape on A4, one page wide and as many tall as it
// needs, without headers, footers or grid lines.
void setChartPageSetup(automation::Worksheet& sheet);

// Sets the chart's page set-up, then carries out a whole layout in order,
// stopping at the first failure.
void executeLayout(automation::Worksheet& sheet, const ChartLayout& layout);

} // namespace chart
