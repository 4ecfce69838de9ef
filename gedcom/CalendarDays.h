#pragma once

#include <QtGlobal>

#include <optional>

namespace gedcom {

// The days a date covers, as Julian day numbers: one day for a full date,
// a month's or a year's days when the day or the month is not given.
struct DaySpan {
    qint64 first = 0;
    qint64 last = 0;
};

// month and day are 0 when the date does not give them. Each answers
// nothing for a day, month or year the calendar does not have.

// The Julian calendar; years before 1 A.D. are negative (44 B.C. is -44).
std::optional<DaySpan> julianDays(int year, int month, int day);
// The Hebrew calendar, months counted from Tishri (1) to Elul (13); month 7
// is Adar, Adar I in a leap year, and 8 Adar II.
std::optional<DaySpan> hebrewDays(int year, int month, int day);
// The French Republican calendar, in the years it was in use (I to XIV);
// month 13 is the complementary days.
std::optional<DaySpan> frenchRepublicanDays(int year, int month, int day);

// The Gregorian year of the span's middle day: a date whose span crosses a
// new year is placed in the year that holds most of it. Negative before
// 1 A.D.
int gregorianYearOf(const DaySpan& span);

} // namespace gedcom
