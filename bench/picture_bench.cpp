// Takes the picture of a saved chart the way the build run does: opens the
// workbook in a new instance, finds its used range, takes its vector picture
// and writes the picture file. Prints the time of those steps and the
// process's peak memory.
// Usage: picture_bench WORKBOOK.xls PICTURE.bmp
#include "chart/Excel1.h"
#include "spreadsheet/SheetPicture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <sys/resource.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) return 2;
    spreadsheet::registerSheetFonts();
    QElapsedTimer timer;
    timer.start();
    auto instance = chart::Excel1::openWorkbookInNewExcel(QString::fromLocal8Bit(argv[1]));
    chart::Excel1::saveCellsActivesheet(instance->workbooks().item(instance->workbooks().count()).get(),
                                        QString::fromLocal8Bit(argv[2]));
    instance->quit();
    const double seconds = timer.nsecsElapsed() / 1e9;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    QTextStream(stdout) << QString::number(seconds, 'f', 4) << " " << usage.ru_maxrss / 1024 << "\n";
    return 0;
}
