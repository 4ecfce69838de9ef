// The windowed program: loading the main window runs its start-up; closing
// it ends the program.
#include "shell/ApplicationIcon.h"
#include "shell/Form1.h"
#include "spreadsheet/SheetPicture.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(shell::ApplicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("kinloom"));
    spreadsheet::registerSheetFonts();

    shell::Form1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
