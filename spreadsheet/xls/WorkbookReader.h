#pragma once

#include "spreadsheet/Worksheet.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace spreadsheet::xls {

// Reads the active worksheet of an Excel 97-2003 workbook (BIFF8 in an OLE2
// compound file) into the engine's model. A file that is not such a
// workbook, is password-protected, or is damaged gives a core::Error (DataDamaged)
// whose description names the file and says what is wrong.
std::unique_ptr<Worksheet> readWorkbookFile(const QString& path);
std::unique_ptr<Worksheet> readWorkbookBytes(const QByteArray& bytes, const QString& nameForMessages);
// The same from the bare "Workbook" stream, already taken out of its container.
std::unique_ptr<Worksheet> readWorkbookStream(const QByteArray& stream, const QString& nameForMessages);

} // namespace spreadsheet::xls
