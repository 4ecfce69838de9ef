#pragma once

#include "ChartOnSheet.h"

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

// Reads the chart on the first sheet of a workbook (.xls, .xlsx or .ods) and
// its people. Throws files::Error: File or Workbook as a workbook is read
// (see spreadsheet::readSheetContent), Workbook when it holds no chart
// (see findChart) or a chart without anybody in it.
ChartFamily readChartFamily(const QString& workbookPath);
// The same from a workbook's bytes; nameForMessages names it.
ChartFamily chartFamilyOf(const QByteArray& workbook, const QString& nameForMessages);

} // namespace chart
