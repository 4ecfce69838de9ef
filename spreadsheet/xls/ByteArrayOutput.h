#pragma once

#include <gsf/gsf-output.h>

#include <QByteArray>

namespace spreadsheet::xls {

// A libgsf output that writes into the caller's byte array, which may keep
// room for the whole file ahead. A file written this way is written once,
// not copied out of libgsf's own memory output afterwards.
GsfOutput* byteArrayOutputNew(QByteArray& bytes);

} // namespace spreadsheet::xls
