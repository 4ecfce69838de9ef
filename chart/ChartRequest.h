#pragma once

#include "BoxTexts.h"
#include "FileFormats.h"
#include "GenerationCount.h"

#include <QString>

namespace chart {

// What a chart is drawn from, whoever asks for it: the main window's inputs,
// kinloom-chart's options or a person of a family file. The count is read
// once, where it is given; the drawing never reads it again.
struct ChartRequest {
    QString rootName;            // in the title
    GenerationCount generations; // the box columns, and the text the generation line shows
    BoxLabels labels;            // ancestor numbers and labels; nothing for a blank chart
    // What the drawn chart is saved as: the windows' temporary workbook is
    // always .xls, whatever the Save dialog writes from it later.
    ChartFileFormat format = ChartFileFormat::Xls;
};

} // namespace chart
