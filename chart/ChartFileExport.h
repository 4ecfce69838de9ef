#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace chart {

// The kinds of file a chart is saved as: its workbook in three formats, and
// its picture in three.
enum class ChartFileFormat {
    Xls,
    Xlsx,
    Ods,
    Pdf,
    Svg,
    Png
};

// The format a file name's extension names (in any case); nothing for any other.
std::optional<ChartFileFormat> chartFileFormatOf(const QString& path);

// The chart held in the workbook file as a file of the format. An .xls is
// the file's own bytes, unchanged. The other workbooks are written by the
// spreadsheet from the chart, in a new instance that opens the file, and
// the pictures are drawn from its used cells as the preview shows them.
// Throws core::Error.
QByteArray chartFileBytes(const QString& workbookPath, ChartFileFormat format);

} // namespace chart
