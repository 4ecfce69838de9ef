#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::ods {

// The content part (content.xml): the sheet's columns, rows and cells, with
// the automatic styles they name.
QByteArray contentPart(const Worksheet& sheet);

} // namespace spreadsheet::ods
