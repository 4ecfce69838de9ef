#pragma once

namespace shell {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as the chart's column count and the viewer's pixel arithmetic do.
double roundHalfEven(double value);

// The same for pixel arithmetic, whose values always fit an int.
inline int roundHalfEvenToInt(double value) { return static_cast<int>(roundHalfEven(value)); }

} // namespace shell
