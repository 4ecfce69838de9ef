#pragma once

#include "spreadsheet/SheetContent.h"

#include <QByteArray>

namespace spreadsheet::xlsx {

// The first worksheet of an .xlsx package, in the workbook's order: the text
// each cell shows (shared strings with their rich text runs, strings written
// in the cells themselves, numbers, booleans, errors and formula results)
// and the cells and columns its formats fill. A reader of our own on libzip
// and libxml2: liborcus's .xlsx import (0.17) reads nothing of a sheet whose
// part is named from the package root, as openpyxl names them, and passes
// over strings written in the cells, as openpyxl and Gnumeric write them.
// Throws std::exception for a package it cannot read, core::Error
// (DataDamaged, its file named %1 and left empty) for one too large to hold.
SheetContent readFirstSheet(const QByteArray& package);

} // namespace spreadsheet::xlsx
