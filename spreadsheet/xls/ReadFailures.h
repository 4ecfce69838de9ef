#pragma once

#include "core/Error.h"

// Why a workbook file could not be read: a files::Error of kind Workbook.
// The reader's modules do not know the file's name; their phrases keep the
// first argument (%1) for it, and readWorkbookBytes() fills it in (named()).
namespace spreadsheet::xls {

// Not an Excel 97-2003 workbook at all, with or without the reason.
[[noreturn]] void throwNotAWorkbook();
[[noreturn]] void throwNotAWorkbook(files::Phrase why);
// An Excel 5.0/95 workbook.
[[noreturn]] void throwOlderExcel();
// Password-protected.
[[noreturn]] void throwEncrypted();
// The right kind of file, but its content does not hold together.
[[noreturn]] void throwDamaged(files::Phrase what);

// A failure of the reader's modules with the file's name filled in.
files::Error named(const files::Error& failure, const QString& name);

} // namespace spreadsheet::xls
