#pragma once

#include <QString>

namespace gedcom {

// The year of a DATE value as a chart shows it, taken only from where a year
// stands in a GEDCOM date: "12 MAR 1820", "MAR 1820" and "1820" -> "1820";
// "ABT 1820", "EST 1820", "CAL 1820" and ranges ("BET 1820 AND 1825",
// "FROM 1820 TO 1825") -> "c. 1820"; "BEF 1820" -> "bef. 1820";
// "AFT 1820" -> "aft. 1820". A date without a year ("20 MAR") gives an
// empty text. Years before Christ keep their era ("44 B.C."), dual years
// stay as written ("1750/51"), and dates in the Julian, Hebrew and French
// Republican calendars give the Gregorian year their day, month or year
// mostly falls in (empty where the calendar has no such date). The words are
// worded in the user's language ("ca. 1820" in Norwegian).
QString displayYear(QStringView date);

} // namespace gedcom
