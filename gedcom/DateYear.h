#pragma once

#include <QString>

namespace gedcom {

// The year of a DATE value as a chart shows it: "12 MAR 1820" -> "1820";
// "ABT 1820", "EST 1820", "CAL 1820" and ranges ("BET 1820 AND 1825",
// "FROM 1820 TO 1825") -> "c. 1820"; "BEF 1820" -> "bef. 1820";
// "AFT 1820" -> "aft. 1820". Calendar escapes and dual years ("1750/51")
// are understood; a date without a year gives an empty text. The words are
// worded in the user's language ("ca. 1820" in Norwegian).
QString displayYear(QStringView date);

} // namespace gedcom
