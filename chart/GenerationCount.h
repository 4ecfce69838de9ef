#pragma once

#include <QString>

namespace chart {

// What the chart makes of a generation count text before anything is drawn.
enum class GenerationCountCheck {
    Accepted,
    NotNumeric,
    TooMany
};

GenerationCountCheck checkGenerationCount(const QString& text);

// The message for the user when a count is refused ("Number of generations
// must be numeric.", "Number of generations must be 15 or less.").
QString refusalMessage(GenerationCountCheck check);

} // namespace chart
