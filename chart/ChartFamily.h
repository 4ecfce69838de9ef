#pragma once

#include "Automation.h"
#include "ChartOnSheet.h"
#include "ChartRequest.h"

#include "gedcom/PedigreePeople.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace chart {

// The people a chart shows, as a family file holds them.
struct ChartFamily {
    gedcom::PedigreePeople people; // by ancestor number
    QString rootName;              // the root's name as the chart shows it, for a file's name and the windows
    int generations = 0;           // the generations the chart shows
    QStringList warnings;          // "FILE: warning: D8: ...", at most 20 of a kind

    int personCount() const;
};

// The people of a chart's box texts. Each filled box gives a person, a
// father's box (even number) a man, a mother's (odd) a woman, the root
// neither; the title names the root when the root's box is empty; an empty
// box between known people (a child whose parents are known) gives a person
// without a name, so that the line holds. Labels that cannot be read whole,
// numbers that are not their box's and texts outside the boxes are warned
// about, as `fileName` says where.
ChartFamily familyOfChart(const ChartOnSheet& chart, const QString& fileName);

// The people of a chart drawn with these labels by ancestor number (a chart
// filled from a family file), as familyOfChart reads them from its sheet;
// warnings name the boxes.
ChartFamily familyOfLabels(const std::vector<QString>& labelByNumber, const QString& titleName, long long boxColumns,
                           const QString& fileName);

// The people the chart in a drawn workbook shows, read back from its sheet
// as a filled chart's workbook is read.
ChartFamily familyOfWorkbook(automation::Workbook& book, const QString& nameForMessages);

// A filled chart read back from a workbook: where its texts stand, and the
// people they give.
struct FilledChart {
    ChartOnSheet chart;
    ChartFamily family;
};

// The request that draws a chart found on a sheet again, in another format:
// its title's name, its count as its generation line writes it, each box's
// text as it stands (numbers included).
ChartRequest redrawingOf(const ChartOnSheet& chart, ChartFileFormat format);

// Reads the chart on the first sheet of a workbook (.xls, .xlsx or .ods) and
// its people. Throws core::Error: FileFailed or DataDamaged as a workbook is read
// (see spreadsheet::readSheetContent), DataDamaged when it holds no chart
// (see findChart) or a chart without anybody in it.
ChartFamily readChartFamily(const QString& workbookPath);
FilledChart readFilledChart(const QString& workbookPath);
// The same from a workbook's bytes; nameForMessages names it.
ChartFamily chartFamilyOf(const QByteArray& workbook, const QString& nameForMessages);

} // namespace chart
