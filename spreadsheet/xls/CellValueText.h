#pragma once

#include <QString>

#include <cstdint>

// The model holds cell text only: numbers, booleans and error values read
// from a file become the text a spreadsheet shows for them in General format.
namespace spreadsheet::xls {

QString numberText(double value);
// The number packed in an RK value (30 bits of a double or an integer, maybe /100).
double rkNumber(std::uint32_t rk);
// BOOLERR and formula results: TRUE/FALSE or "#DIV/0!" etc.
QString booleanText(bool value);
QString errorText(std::uint8_t code);

} // namespace spreadsheet::xls
