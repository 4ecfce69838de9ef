#include "GenerationCount.h"

#include "ChartLayout.h"
#include "LocaleNumber.h"

namespace chart {

GenerationCountCheck checkGenerationCount(const QString& text) {
    const auto generations = parseLocaleNumber(text);
    if (!generations) return GenerationCountCheck::NotNumeric;
    if (boxColumnCount(*generations) > kMaxGenerations) return GenerationCountCheck::TooMany;
    return GenerationCountCheck::Accepted;
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
