#pragma once

#include "core/Error.h"

// Why a workbook file could not be read: a core::Error of kind DataDamaged.
// The reader's modules do not know the file's name; their phrases keep the
// first argument (%1) for it, and readWorkbookBytes() fills it in (named()).
namespace spreadsheet::xls {

// Not an Excel 97-2003 workbook at all, with or without the reason.
[[noreturn]] void throwNotAWorkbook();
[[noreturn]] void throwNotAWorkbook(core::Phrase why);
// An Excel 5.0/95 workbook.
[[noreturn]] void throwOlderExcel();
// Password-protected.
[[noreturn]] void throwEncrypted();
// The right kind of file, but its content does not hold together.
[[noreturn]] void throwDamaged(core::Phrase what);

// A failure of the reader's modules with the file's name filled in.
core::Error named(const core::Error& failure, const QString& name);

} // namespace spreadsheet::xls
