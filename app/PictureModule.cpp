// The picture module itself: the layers' own functions, offered to
// kinloom-chart under one name.
#include "PictureModule.h"

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

extern "C" Q_DECL_EXPORT const PictureModule* kinloomPictureModule() {
    static const PictureModule module{KINLOOM_VERSION,
                                      &makeApplication,
                                      &spreadsheet::widenColumnsToTexts,
                                      &spreadsheet::pictureOfRange,
                                      &spreadsheet::copyPictureToClipboard,
                                      &chart::exportedPictureBytes,
                                      &chart::writesImageFormat};
    return &module;
}
