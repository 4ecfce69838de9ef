#pragma once

#include "spreadsheet/SheetContent.h"

#include <QByteArray>

namespace spreadsheet::ods {

// The first sheet of an .ods package: the text each cell shows (its
// paragraphs, one a line, with their spans, spaces, tabs and line breaks;
// comments left out) and the cells its styles fill, with repeated rows and
// cells repeated and the columns' default cell styles. A reader of our own
// on libzip and libxml2: liborcus's .ods import (0.17) keeps only the last
// paragraph of a cell, drops <text:s/> spaces, the content of repeated rows,
// the style of repeated cells and formula results. Throws std::exception
// for a package it cannot read, core::Error (DataDamaged, its file named %1
// and left empty) for one too large to hold.
SheetContent readFirstSheet(const QByteArray& package);

} // namespace spreadsheet::ods
