// kinloom-chart: draws a chart and saves it as a workbook, with no window.
#include "chart/ChartCommand.h"
#include "spreadsheet/SheetPicture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstring>
#include <memory>

namespace {

bool asksForPicture(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--picture", 9) == 0) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures need Qt's drawing and fonts, drawn without a display; a
    // workbook alone starts faster without them.
    std::unique_ptr<QCoreApplication> app;
    if (asksForPicture(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        spreadsheet::registerSheetFonts();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("kinloom-chart"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINLOOM_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return chart::runChartCommand(QCoreApplication::arguments(), out, err);
}
