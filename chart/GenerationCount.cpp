#include "GenerationCount.h"

#include "ChartLayout.h"
#include "LocaleNumber.h"

namespace chart {

GenerationCountCheck readGenerationCount(const QString& text, GenerationCount& count) {
    const auto generations = parseLocaleNumber(text);
    if (!generations) return GenerationCountCheck::NotNumeric;
    const long long columns = boxColumnCount(*generations);
    if (columns > kMaxGenerations) return GenerationCountCheck::TooMany;
    count = {text, columns};
    return GenerationCountCheck::Accepted;
}

GenerationCountCheck checkGenerationCount(const QString& text) {
    GenerationCount unused;
    return readGenerationCount(text, unused);
}

GenerationCount generationCountOf(int generations) {
    return {QString::number(generations), boxColumnCount(generations)};
}

core::Phrase refusal(GenerationCountCheck check) {
    switch (check) {
    case GenerationCountCheck::NotNumeric:
        return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "Number of generations must be numeric."));
    case GenerationCountCheck::TooMany:
        return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "Number of generations must be 15 or less."));
    case GenerationCountCheck::Accepted: break;
    }
    return {};
}

} // namespace chart
