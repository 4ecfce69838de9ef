// The windowed program: loading the main window runs its start-up; closing
// it ends the program.
#include "app/InformationOptions.h"
#include "app/ProgramWindows.h"
#include "app/Translations.h"
#include "chart/TemporaryFiles.h"
#include "core/VisibleText.h"
#include "files/Paths.h"
#include "files/SaveSignals.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/ApplicationIcon.h"
#include "shell/shared/EndOnSignals.h"
#include "shell/shared/TrappedHandler.h"
#include "spreadsheet/SheetPicture.h"

#include <QApplication>
#include <QTimer>

#include <iostream>

int main(int argc, char* argv[]) {
    {
        // --help and --version need no display: they are answered before
        // the windows' application exists, in the user's language all the same.
        QCoreApplication information(argc, argv);
        installTranslations(information);
        if (const auto status = answerInformationOptions(QCoreApplication::arguments(), std::cout)) return *status;
    }
    const files::ProgramArguments given = files::programArguments(argc, argv);
    files::failWritesBeyondTheSizeLimit(); // every write, the table of running objects' too
    QApplication app(argc, argv);
    installTranslations(app);
    QApplication::setWindowIcon(shell::applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("kinloom"));
    spreadsheet::registerSheetFonts();
    // What runs that died left behind goes first.
    chart::removeAbandonedTemporaryFiles(shell::tempFolder(), shell::applicationFolder());
    shell::endApplicationOnSignals();

    ProgramWindows windows;
    windows.mainWindow().show();
    // A family file named on the command line opens once the window shows.
    const QString file = familyFileArgument(QCoreApplication::arguments());
    if (files::cameFromLostBytes(file, given.lossy))
        std::cerr << QCoreApplication::translate("command::ChartCommand",
                                                 "Cannot name the file '%1': its name is not valid UTF-8, and another "
                                                 "file would be used in its place.")
                         .arg(core::visible(file))
                         .toStdString()
                  << '\n';
    else if (!file.isEmpty())
        QTimer::singleShot(0, &windows.mainWindow(), [&windows, file] { windows.mainWindow().openFamilyFile(file); });
    // A signal that came while the start-up showed a message has ended it already.
    if (shell::TrappedHandler::applicationEnded()) return 0;
    return QApplication::exec();
}
