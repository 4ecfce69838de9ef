// The windowed program. Its windows are still being built; until then it
// draws the sample chart in the engine and says what it made.
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "spreadsheet/Worksheet.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const chart::ChartLayout layout = chart::BuildChartLayout(QStringLiteral("Halvarsen"), QStringLiteral("5"));
    spreadsheet::Worksheet sheet;
    chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet), layout);
    const auto used = sheet.usedRange();
    QTextStream(stdout) << "Kinloom: drew the sample chart (" << layout.operations.size() << " operations, used range "
                        << spreadsheet::addressText(used) << ").\n";
    return 0;
}
