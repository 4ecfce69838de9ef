#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/Worksheet.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace spreadsheet;

namespace {

// Everything a sheet shows, by content rather than by internal ids.
std::string describeSheet(const Worksheet& sheet) {
    std::string out;
    const auto format = [&](const CellFormat& f) {
        return sheet.fontName(f).toStdString() + "/" + std::to_string(f.fontHeight) + "/"
            + std::to_string(f.fontColorIndex) + "/" + std::to_string(f.fillColorIndex) + "/"
            + std::to_string(f.borders[0]) + std::to_string(f.borders[1]) + std::to_string(f.borders[2])
            + std::to_string(f.borders[3]) + "/" + std::to_string(f.horizontalAlignment);
    };
    out += "sheet " + format(sheet.formats().at(sheet.sheetFormatId())) + "\n";
    for (int c = 1; c <= kMaxColumns; ++c) {
        if (sheet.hasCustomWidth(c))
            out += "width " + std::to_string(c) + "=" + std::to_string(sheet.columnWidth(c)) + "\n";
        if (auto f = sheet.columnFormatId(c))
            out += "column " + std::to_string(c) + " " + format(sheet.formats().at(*f)) + "\n";
    }
    for (int r = 1; r <= sheet.lastStoredRow(); ++r)
        for (const Cell& cell : sheet.storedCells(r))
            out += std::to_string(r) + "," + std::to_string(cell.column) + " " + format(sheet.formats().at(cell.format))
                + " '" + (cell.text ? sheet.text(cell).toStdString() : std::string()) + "'\n";
    for (const CellRange& m : sheet.mergedRanges()) out += "merge " + addressText(m).toStdString() + "\n";
    const PrintSettings& print = sheet.printSettings();
    out += "print " + std::to_string(print.orientation) + "/" + std::to_string(print.paperSize) + "/"
        + std::to_string(print.fitToPages) + "/" + std::to_string(print.fitToPagesWide) + "x"
        + std::to_string(print.fitToPagesTall) + "/'" + print.header.toStdString() + "'/'" + print.footer.toStdString()
        + "'/" + std::to_string(print.printGridLines) + "\n";
    return out;
}

} // namespace

TEST(ChartRoundTrip, AReopenedChartSavesAndReopensAsTheSameSheet) {
    QTemporaryDir dir;
    for (int G = 1; G <= 8; ++G) {
        SCOPED_TRACE(G);
        Application app;
        auto drawn = app.workbooks().add();
        chart::executeLayout(*chart::automation::wrapEngineWorksheet(drawn->activeSheet()),
                             chart::BuildChartLayout(QStringLiteral("Ærø 漢字"), QString::number(G)));
        const QString first = dir.filePath(QStringLiteral("first%1.xls").arg(G));
        const QString second = dir.filePath(QStringLiteral("second%1.xls").arg(G));
        drawn->saveAs(first);

        auto reopened = app.workbooks().open(first);
        EXPECT_EQ(app.workbooks().item(app.workbooks().count()), reopened); // the last item
        EXPECT_EQ(describeSheet(reopened->activeSheet()), describeSheet(drawn->activeSheet()));
        EXPECT_EQ(reopened->activeSheet().usedRange(), drawn->activeSheet().usedRange());

        reopened->saveAs(second);
        auto again = app.workbooks().open(second);
        EXPECT_EQ(describeSheet(again->activeSheet()), describeSheet(drawn->activeSheet()));
        app.quit();
    }
}
