// kinloom-chart's extras module itself: the layers' own functions, offered
// to the program under one name.
#include "ChartExtras.h"

#include "spreadsheet/ColumnFit.h"
#include "spreadsheet/SheetPicture.h"

#include <QGuiApplication>

namespace {

QCoreApplication* makeApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* application = new QGuiApplication(argc, argv);
    spreadsheet::registerSheetFonts();
    return application;
}

} // namespace

extern "C" Q_DECL_EXPORT const ChartExtras* kinloomChartExtras() {
    static const ChartExtras extras{KINLOOM_VERSION,
                                    &makeApplication,
                                    &spreadsheet::widenColumnsToTexts,
                                    &spreadsheet::pictureOfRange,
                                    &spreadsheet::copyPictureToClipboard,
                                    &chart::exportedPictureBytes,
                                    &chart::writesImageFormat,
                                    &chart::readFilledPedigree};
    return &extras;
}
