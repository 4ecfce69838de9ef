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

// A generation count, read once: the text as it was given, which the chart's
// generation line shows, and the number of box columns it stands for.
struct GenerationCount {
    QString text;
    long long boxColumns = 0;
};

// Reads a count text as the user's locale writes numbers; count holds the
// result when the answer is Accepted.
GenerationCountCheck readGenerationCount(const QString& text, GenerationCount& count);
GenerationCountCheck checkGenerationCount(const QString& text);

// A count known as a number (a family file's known pedigree), written as C
// writes it.
GenerationCount generationCountOf(int generations);

// Why a count is refused ("Number of generations must be numeric.", "Number
// of generations must be 15 or less."), to be worded for the user.
core::Phrase refusal(GenerationCountCheck check);

} // namespace chart
