#include "CalendarDays.h"

#include <QCalendar>
#include <QDate>

#include <array>

namespace gedcom {

namespace {

qint64 floorDiv(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
qint64 floorMod(qint64 a, qint64 b) { return a - b * floorDiv(a, b); }

std::optional<DaySpan> spanIn(qint64 start, int length, int day) {
    if (day == 0) return DaySpan{start, start + length - 1};
    if (day < 1 || day > length) return std::nullopt;
    return DaySpan{start + day - 1, start + day - 1};
}

// The Hebrew calendar's arithmetic: the molad of Tishri and its
// postponements, counted from the first day of the year 1.
constexpr qint64 kHebrewEpoch = 347998; // 1 Tishri 1, a Julian day number
constexpr int kMaxHebrewYear = 1'000'000;

bool isHebrewLeapYear(qint64 year) { return floorMod(7 * year + 1, 19) < 7; }

qint64 hebrewElapsedDays(qint64 year) {
    const qint64 months = floorDiv(235 * year - 234, 19);
    const qint64 parts = 12084 + 13753 * months;
    const qint64 day = 29 * months + floorDiv(parts, 25920);
    return floorMod(3 * (day + 1), 7) < 3 ? day + 1 : day;
}

qint64 hebrewNewYear(qint64 year) {
    const qint64 before = hebrewElapsedDays(year - 1), now = hebrewElapsedDays(year),
                 after = hebrewElapsedDays(year + 1);
    const int delay = after - now == 356 ? 2 : now - before == 382 ? 1 : 0;
    return kHebrewEpoch + now + delay;
}

// The first day of each year of the French Republic, as it was proclaimed
// (the autumn equinox at Paris), from the year I to the year XV.
// clang-format off
constexpr std::array<std::array<int, 3>, 15> kRepublicanNewYears = {{
    {1792, 9, 22}, {1793, 9, 22}, {1794, 9, 22}, {1795, 9, 23}, {1796, 9, 22},
    {1797, 9, 22}, {1798, 9, 22}, {1799, 9, 23}, {1800, 9, 23}, {1801, 9, 23},
    {1802, 9, 23}, {1803, 9, 24}, {1804, 9, 23}, {1805, 9, 23}, {1806, 9, 23},
}};
// clang-format on

qint64 republicanNewYear(int year) {
    const auto& [y, m, d] = kRepublicanNewYears[static_cast<std::size_t>(year - 1)];
    return QDate(y, m, d).toJulianDay();
}

} // namespace

std::optional<DaySpan> julianDays(int year, int month, int day) {
    const QCalendar julian(QCalendar::System::Julian);
    if (year == 0 || month < 0 || month > 12) return std::nullopt;
    if (month == 0) {
        if (day != 0) return std::nullopt;
        const QDate first(year, 1, 1, julian);
        const QDate last(year, 12, 31, julian);
        if (!first.isValid() || !last.isValid()) return std::nullopt;
        return DaySpan{first.toJulianDay(), last.toJulianDay()};
    }
    const QDate first(year, month, 1, julian);
    if (!first.isValid()) return std::nullopt;
    return spanIn(first.toJulianDay(), julian.daysInMonth(month, year), day);
}

std::optional<DaySpan> hebrewDays(int year, int month, int day) {
    if (year < 1 || year > kMaxHebrewYear || month < 0 || month > 13) return std::nullopt;
    const qint64 start = hebrewNewYear(year);
    const int yearLength = static_cast<int>(hebrewNewYear(year + 1) - start);
    if (month == 0) return day == 0 ? std::optional(DaySpan{start, start + yearLength - 1}) : std::nullopt;
    const bool leap = isHebrewLeapYear(year);
    const bool longHeshvan = yearLength % 10 == 5;
    const bool shortKislev = yearLength % 10 == 3;
    // Tishri, Heshvan, Kislev, Tevet, Shevat, Adar (I), Adar II, Nisan ... Elul.
    const std::array<int, 13> lengths = {
        30, longHeshvan ? 30 : 29, shortKislev ? 29 : 30, 29, 30, leap ? 30 : 29, leap ? 29 : 0, 30, 29, 30, 29, 30,
        29};
    // Adar II in a year without it is the one Adar.
    if (!leap && month == 8) month = 7;
    qint64 monthStart = start;
    for (int m = 1; m < month; ++m) monthStart += lengths[static_cast<std::size_t>(m - 1)];
    return spanIn(monthStart, lengths[static_cast<std::size_t>(month - 1)], day);
}

std::optional<DaySpan> frenchRepublicanDays(int year, int month, int day) {
    if (year < 1 || year >= static_cast<int>(kRepublicanNewYears.size()) || month < 0 || month > 13)
        return std::nullopt;
    const qint64 start = republicanNewYear(year);
    const int yearLength = static_cast<int>(republicanNewYear(year + 1) - start);
    if (month == 0) return day == 0 ? std::optional(DaySpan{start, start + yearLength - 1}) : std::nullopt;
    return spanIn(start + 30 * (month - 1), month == 13 ? yearLength - 360 : 30, day);
}

int gregorianYearOf(const DaySpan& span) { return QDate::fromJulianDay(floorDiv(span.first + span.last, 2)).year(); }

} // namespace gedcom
