#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace shell {

// A family file written from a filled chart, and whose pedigree it holds.
struct WrittenFamilyFile {
    QString path;
    QString rootName; // as the chart shows it
    int people = 0;
};

// "Family File from a Filled Chart…": reads the chart on the workbook's first
// sheet (.xls, .xlsx or .ods), asks where to save its people as a family
// file (beside the workbook, named after the chart's root), asks before
// replacing a file, writes it as every save is written, and says how many
// people it holds and what could not be read whole. A workbook that holds no
// chart, or cannot be read, and a file that cannot be written are reported;
// then, and when the user cancels, nothing is written and the answer is
// empty.
std::optional<WrittenFamilyFile> writeFamilyFileFromChart(QWidget* parent, const QString& workbook);

// The name the save dialog suggests for the family file of a chart: the
// root's name where the chart shows one, else the workbook's, with ".ged",
// beside the workbook; characters no file name may hold read as blanks.
QString suggestedFamilyFileName(const QString& workbook, const QString& rootName);

} // namespace shell
