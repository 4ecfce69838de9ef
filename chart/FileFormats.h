#pragma once

#include "chart/ChartFileExport.h"

#include <QString>

namespace preview {

// The save dialog's filter: the Excel file first, the one the preview
// always offered and still offers first, then the other ways out.
QString saveDialogFilter();

// The format a save writes: the one the chosen name's extension names when
// it names one of them, else the one of the filter chosen (counted from 1).
chart::ChartFileFormat saveFormatFor(const QString& chosen, int filterIndex);

} // namespace preview
