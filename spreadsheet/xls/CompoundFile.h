#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace spreadsheet::xls {

// The "Workbook" stream of an OLE2 compound file, read with libgsf. Throws a
// reader's failure (ReadFailures.h) when the bytes are no compound file, when it holds no workbook
// stream, holds only an Excel 5.0/95 "Book" stream, or is an encrypted
// package (a workbook of another format saved with a password).
QByteArray workbookStream(QByteArrayView file);

// Whether the bytes start as every compound file does.
bool hasCompoundFileSignature(QByteArrayView start);

} // namespace spreadsheet::xls
