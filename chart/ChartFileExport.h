#pragma once

#include "FileFormats.h"

#include <QByteArray>
#include <QString>

namespace chart {

// The chart held in the workbook file as a file of the format. An .xls is
// the file's own bytes, unchanged. The other workbooks are written by the
// spreadsheet from the chart, in a new instance that opens the file, and
// the pictures are drawn from its used cells as the preview shows them.
// Throws core::Error.
QByteArray chartFileBytes(const QString& workbookPath, ChartFileFormat format);

} // namespace chart
