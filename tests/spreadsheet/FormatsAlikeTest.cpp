// The three workbook formats say the same of every style the engine has, as
// a program no one here wrote reads them: Gnumeric.
#include "spreadsheet/ExcelConstants.h"
#include "spreadsheet/WorkbookFormat.h"
#include "spreadsheet/Worksheet.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <vector>

using namespace spreadsheet;

namespace {

// Every line style on some edge, every alignment, colours, fills, fonts,
// widths and a merged area; for OpenDocument, what it can hold (it has no
// dash-dot lines, no centring across a selection and no distributed text).
Worksheet everyStyle(bool openDocument) {
    Worksheet sheet;
    std::vector<int> lines = {xl::kContinuous, xl::kDash, xl::kDot, xl::kDouble};
    if (!openDocument) lines.insert(lines.end(), {xl::kDashDot, xl::kDashDotDot, xl::kSlantDashDot});
    const int edges[] = {xl::kEdgeLeft, xl::kEdgeTop, xl::kEdgeBottom, xl::kEdgeRight};
    int row = 2;
    for (const int line : lines) {
        for (const int edge : edges)
            sheet.setBorderLineStyle(CellRange::cell(row, 2 + (edge - xl::kEdgeLeft) * 2), edge, line);
        row += 2;
    }
    std::vector<int> alignments = {xl::kHAlignGeneral, xl::kHAlignLeft, xl::kHAlignCenter,
                                   xl::kHAlignRight,   xl::kHAlignFill, xl::kHAlignJustify};
    if (!openDocument) alignments.insert(alignments.end(), {xl::kHAlignCenterAcrossSelection, xl::kHAlignDistributed});
    int column = 1;
    for (const int alignment : alignments) {
        sheet.setValue(CellRange::cell(20, column), QStringLiteral("text"));
        sheet.setHorizontalAlignment(CellRange::cell(20, column), alignment);
        ++column;
    }
    for (int colour = 1; colour <= 56; colour += 5) {
        sheet.setInteriorColorIndex(CellRange::cell(22, colour / 5 + 1), colour);
        sheet.setValue(CellRange::cell(23, colour / 5 + 1), QStringLiteral("colour"));
        sheet.setFontColorIndex(CellRange::cell(23, colour / 5 + 1), colour);
    }
    sheet.setValue(CellRange::cell(25, 1), QStringLiteral("Large"));
    sheet.setFontSize(CellRange::cell(25, 1), 20);
    sheet.setFontName(CellRange::cell(25, 2), QStringLiteral("Courier New"));
    sheet.setValue(CellRange::cell(25, 2), QStringLiteral("Courier"));
    // Every column shown is given a width: readers differ in the width of a column that has none.
    sheet.setColumnWidth({1, 1, kMaxRows, 16}, 9);
    sheet.setColumnWidth({1, 3, kMaxRows, 3}, 30);
    sheet.setColumnWidth({1, 5, kMaxRows, 6}, 2.5);
    sheet.setColumnWidth({1, 7, kMaxRows, 7}, 0); // hidden
    // Whole columns formatted, between columns alike in width.
    sheet.setInteriorColorIndex({1, 10, kMaxRows, 10}, 6);
    sheet.setFontColorIndex({1, 12, kMaxRows, 13}, 3);
    sheet.merge({27, 1, 28, 4});
    sheet.setValue(CellRange::cell(27, 1), QStringLiteral("merged"));
    return sheet;
}

} // namespace

namespace {

// Gnumeric's own file of what it read from the sheet in the format, or why not.
QString readByGnumeric(const Worksheet& sheet, WorkbookFormat format, const QString& extension,
                       const QTemporaryDir& dir, const QString& ssconvert) {
    const QString book = dir.filePath(QStringLiteral("sheet.") + extension);
    QFile file(book);
    if (!file.open(QIODevice::WriteOnly) || file.write(workbookFileBytes(sheet, format)) < 0) return {};
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir.path()); // Gnumeric's settings: a folder of the test's own
    QProcess convert;
    convert.setProcessEnvironment(environment);
    convert.setProcessChannelMode(QProcess::MergedChannels);
    const QString read = dir.filePath(extension + QStringLiteral(".gnumeric"));
    convert.start(ssconvert, {QStringLiteral("--export-type=Gnumeric_XmlIO:sax"), book, read});
    convert.waitForFinished(120000);
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAll().toStdString();
    return read;
}

// The differences the comparison found; empty when the readings agree.
QString differences(const QString& reference, const QString& other) {
    QProcess compare;
    compare.setProcessChannelMode(QProcess::MergedChannels);
    compare.start(QStringLiteral("/usr/bin/python3"),
                  {QStringLiteral(KINLOOM_INTEROP "/compare_gnumeric_readings.py"), reference, other});
    compare.waitForFinished(120000);
    return compare.exitCode() == 0 ? QString() : QString::fromUtf8(compare.readAll());
}

} // namespace

TEST(WorkbookFormatsAlike, GnumericReadsEveryStyleAlikeInEachFormat) {
    const QString ssconvert = QStandardPaths::findExecutable(QStringLiteral("ssconvert"));
    if (ssconvert.isEmpty()) GTEST_SKIP() << "Gnumeric's ssconvert is not installed";
    QTemporaryDir dir;
    for (const bool openDocument : {false, true}) {
        const Worksheet sheet = everyStyle(openDocument);
        const QString xls = readByGnumeric(sheet, WorkbookFormat::Excel8, QStringLiteral("xls"), dir, ssconvert);
        const QString other = openDocument
            ? readByGnumeric(sheet, WorkbookFormat::OpenDocumentSpreadsheet, QStringLiteral("ods"), dir, ssconvert)
            : readByGnumeric(sheet, WorkbookFormat::OpenXmlWorkbook, QStringLiteral("xlsx"), dir, ssconvert);
        const QString found = differences(xls, other);
        EXPECT_TRUE(found.isEmpty()) << found.toStdString();
    }
}
