#pragma once

#include <QString>

#include <optional>

namespace chart {

// Converts text to a number as the user's locale writes it ("2,5" in a German
// session), also taking the C form ("2.5") so a typed point works everywhere.
// Surrounding blanks are allowed; NaN and infinities are not numbers here.
// A number too large for a double reads as the largest double of its sign,
// one too close to zero as zero: they are numbers all the same.
std::optional<double> parseLocaleNumber(const QString& text);

} // namespace chart
