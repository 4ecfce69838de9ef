#include "LocaleNumber.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <limits>

namespace chart {

namespace {

// A plain decimal number in the C form: sign, digits with an optional point,
// an optional exponent (its sign, and its digits from the first that counts).
const QRegularExpression kDecimal(QStringLiteral("^([+-]?)0*(\\d*)(?:\\.(\\d*))?(?:[eE]([+-]?)0*(\\d+))?$"));

// A number written correctly but beyond what a double holds is still a
// number: too large, it stands as the largest double of its sign; too small,
// as zero. Empty when the text is no plain decimal number.
std::optional<double> outOfRange(const QString& cForm) {
    const QRegularExpressionMatch m = kDecimal.match(cForm);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty())) return std::nullopt;
    const QByteArray unsignedForm = cForm.mid(m.capturedLength(1)).toLatin1();
    double ignored = 0;
    const auto [end, error] = std::from_chars(unsignedForm.cbegin(), unsignedForm.cend(), ignored);
    if (error != std::errc::result_out_of_range || end != unsignedForm.cend()) return std::nullopt;
    const QString integerDigits = m.captured(2);
    const QString fraction = m.captured(3);
    // The power of ten of the first significant digit, as far as it matters.
    qint64 magnitude = 0;
    if (!integerDigits.isEmpty()) {
        magnitude = integerDigits.size();
    } else {
        const qsizetype firstDigit = fraction.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
        if (firstDigit < 0) return 0.0;
        magnitude = -firstDigit;
    }
    const qint64 exponentSign = m.captured(4) == QLatin1String("-") ? -1 : 1;
    const QString exponent = m.captured(5);
    const bool hugeExponent = exponent.size() > 12; // beyond any double either way
    magnitude += exponentSign * (hugeExponent ? qint64(1) << 40 : exponent.toLongLong());
    if (magnitude <= 0) return 0.0;
    const double largest = std::numeric_limits<double>::max();
    return m.captured(1) == QLatin1String("-") ? -largest : largest;
}

} // namespace

std::optional<double> parseLocaleNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    bool ok = false;
    const QLocale system = QLocale::system();
    double value = system.toDouble(trimmed, &ok);
    if (!ok) value = QLocale::c().toDouble(trimmed, &ok);
    if (ok && std::isfinite(value)) return value;
    if (const auto beyond = outOfRange(trimmed)) return beyond;
    QString cForm = trimmed;
    cForm.remove(system.groupSeparator()).replace(system.decimalPoint(), QStringLiteral("."));
    return outOfRange(cForm);
}

} // namespace chart
