// kinloom-chart: draws a chart and saves it as a workbook, with no window.
#include "chart/ChartCommand.h"
#include "spreadsheet/SheetPicture.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Pictures are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    spreadsheet::registerSheetFonts();
    QCoreApplication::setApplicationName(QStringLiteral("kinloom-chart"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINLOOM_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return chart::runChartCommand(QCoreApplication::arguments(), out, err);
}
