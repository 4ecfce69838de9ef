#pragma once

#include "core/Error.h"

#include <QString>

namespace chart {

// What the chart makes of a generation count text before anything is drawn.
enum class GenerationCountCheck {
    Accepted,
    NotNumeric,
    TooMany
};

GenerationCountCheck checkGenerationCount(const QString& text);

// Why a count is refused ("Number of generations must be numeric.", "Number
// of generations must be 15 or less."), to be worded for the user.
core::Phrase refusal(GenerationCountCheck check);

} // namespace chart
