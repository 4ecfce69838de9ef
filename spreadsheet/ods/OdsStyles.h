#pragma once

#include <QByteArray>

namespace spreadsheet {
class Worksheet;
class XmlBuffer;
} // namespace spreadsheet

namespace spreadsheet::ods {

// The namespaces both parts declare on their root element, and the version.
extern const char* const kNamespaces;

// The font faces the sheet's formats name (office:font-face-decls).
void writeFontFaces(XmlBuffer& out, const Worksheet& sheet);

// One automatic cell style for each of the sheet's formats, named "ce" and
// its FormatId, for the content part.
void writeCellStyles(XmlBuffer& out, const Worksheet& sheet);

// The styles part: the default cell style and the page the sheet prints on
// (paper, orientation, margins, fitting, grid lines, header and footer).
QByteArray stylesPart(const Worksheet& sheet);

} // namespace spreadsheet::ods
