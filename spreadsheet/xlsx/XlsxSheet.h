#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::xlsx {

// The sheet's part (xl/worksheets/sheet1.xml) and the shared strings it
// refers to (xl/sharedStrings.xml), written together.
struct SheetParts {
    QByteArray sheet;
    QByteArray sharedStrings;
};

SheetParts sheetParts(const Worksheet& sheet);

} // namespace spreadsheet::xlsx
