// kinloom-chart: draws a chart and saves it as a workbook, with no window.
#include "chart/ChartCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kinloom-chart"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINLOOM_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return chart::runChartCommand(QCoreApplication::arguments(), out, err);
}
