#pragma once

#include "spreadsheet/SheetContent.h"

#include <QByteArray>

namespace spreadsheet::xlsx {

// Adds to the first sheet's content the strings an .xlsx package writes in
// its cells rather than in its shared strings (t="inlineStr", as Gnumeric
// and many generators write them), which liborcus passes over. Packages
// without such cells are left as they are. Throws std::exception for a part
// that cannot be read.
void addInlineStrings(const QByteArray& package, SheetContent& content);

} // namespace spreadsheet::xlsx
