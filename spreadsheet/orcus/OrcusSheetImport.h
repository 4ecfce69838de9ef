#pragma once

#include "spreadsheet/SheetContent.h"

#include <QByteArray>

namespace spreadsheet::orcus {

enum class PackageKind {
    OfficeOpenXml, // .xlsx
    OpenDocument,  // .ods
};

// The first worksheet of a zipped workbook, read through liborcus, the
// import library LibreOffice itself uses: shared strings with their rich
// text runs, repeated rows and cells, formula results and the fills of the
// cell formats, as LibreOffice reads them. Throws what liborcus throws for
// a package it cannot read, and files::Error (Workbook, its file named %1
// and left empty) for one too large to hold.
SheetContent readPackagedSheet(const QByteArray& bytes, PackageKind kind);

} // namespace spreadsheet::orcus
