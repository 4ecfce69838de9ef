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

QString refusalMessage(GenerationCountCheck check) {
    switch (check) {
    case GenerationCountCheck::NotNumeric: return QStringLiteral("Number of generations must be numeric.");
    case GenerationCountCheck::TooMany: return QStringLiteral("Number of generations must be 15 or less.");
    case GenerationCountCheck::Accepted: break;
    }
    return QString();
}

} // namespace chart
