// kinloom-chart: draws a chart and saves it as a workbook, with no window.
#include "app/Translations.h"
#include "command/ChartCommand.h"
#include "spreadsheet/SheetPicture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[]) {
    // Pictures and box texts need Qt's fonts, used without a display; a
    // blank workbook alone starts faster without them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> app;
    if (command::chartCommandNeedsFonts(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        spreadsheet::registerSheetFonts();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    installTranslations(*app);
    QCoreApplication::setApplicationName(QStringLiteral("kinloom-chart"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINLOOM_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return command::runChartCommand(QCoreApplication::arguments(), out, err);
}
