// The windowed program: loading the main window runs its start-up; closing
// it ends the program.
#include "ProgramWindows.h"
#include "chart/TemporaryFiles.h"
#include "shell/ApplicationFolders.h"
#include "shell/ApplicationIcon.h"
#include "spreadsheet/SheetPicture.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(shell::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("kinloom"));
    spreadsheet::registerSheetFonts();
    // What runs that died left in the temporary folder goes first.
    chart::removeAbandonedTemporaryFiles(shell::TempFolder());

    ProgramWindows windows;
    windows.mainWindow().show();
    return QApplication::exec();
}
