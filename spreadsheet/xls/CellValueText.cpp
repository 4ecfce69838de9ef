#include "CellValueText.h"

#include <cmath>
#include <cstring>

namespace spreadsheet::xls {

QString numberText(double value) {
    if (!std::isfinite(value)) return QStringLiteral("#NUM!");
    if (value == std::trunc(value) && std::fabs(value) < 1e15) return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15).toUpper();
}

double rkNumber(std::uint32_t rk) {
    double value;
    if (rk & 0x02) {
        value = static_cast<std::int32_t>(rk) >> 2;
    } else {
        const std::uint64_t bits = std::uint64_t(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return rk & 0x01 ? value / 100 : value;
}

QString booleanText(bool value) { return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }

QString errorText(std::uint8_t code) {
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    default: return QStringLiteral("#N/A");
    }
}

} // namespace spreadsheet::xls
