#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
}

namespace spreadsheet::ods {

// The sheet as an OpenDocument spreadsheet (.ods): a zip package of its
// content, its styles and page, and the manifest naming them.
// Throws core::Error (CallRejected).
QByteArray workbookFileBytes(const Worksheet& sheet);

} // namespace spreadsheet::ods
