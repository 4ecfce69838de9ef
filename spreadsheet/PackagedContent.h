#pragma once

#include "SheetContent.h"

#include <QByteArray>
#include <QString>

namespace spreadsheet {

// The first worksheet of a zip package, an .xlsx or an .ods by what it
// holds. Apart from sheetContentOf so that a program that reads only .xls
// files (kinloom-chart) can leave libzip and libxml2 to its extras module.
// Throws core::Error (DataDamaged) naming the file for a package that is
// neither, is encrypted or damaged.
SheetContent packagedSheetContent(const QByteArray& bytes, const QString& nameForMessages);

} // namespace spreadsheet
