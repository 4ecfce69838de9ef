// kinloom-chart: draws a chart and saves it as a workbook, with no window.
#include "app/Translations.h"
#include "command/ChartCommand.h"
#include "files/Paths.h"
#include "files/SaveSignals.h"
#include "spreadsheet/SheetPicture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

int main(int argc, char* argv[]) {
    // Pictures and box texts need Qt's fonts, used without a display; a
    // blank workbook alone starts faster without them.
    const files::ProgramArguments given = files::programArguments(argc, argv);
    files::failWritesBeyondTheSizeLimit(); // every write, the table of running objects' too
    std::unique_ptr<QCoreApplication> app;
    if (command::chartCommandNeedsFonts(given.texts)) {
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
    // Ctrl+C or a log-out while the files go in place waits for them.
    files::deferEndingSignalsDuringSaves();
    return command::runChartCommand(QCoreApplication::arguments(), out, err, given.lossy);
}
