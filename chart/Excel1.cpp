#include "Excel1.h"

#include "ClipboardKeeper.h"

#include "core/Error.h"
#include "files/FileReplacement.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "spreadsheet/SheetPicture.h"

#include <QCoreApplication>

namespace chart::Excel1 {

namespace {

const QString kClassName = QStringLiteral("Excel.Application");
const QString kExpectedAnswer = QStringLiteral("Microsoft Excel");

} // namespace

bool isExcelRunning() {
    try {
        return automation::runningInstanceDefaultMember(kClassName) == kExpectedAnswer;
    } catch (...) {
        return false;
    }
}

bool stopForRunningExcel() {
    if (!isExcelRunning()) return false;
    const QString question =
        QCoreApplication::translate("chart::Excel1", "Excel may be open. It is recommended that you close Excel first.")
        + QChar(13)
        + QCoreApplication::translate("chart::Excel1", "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.")
        + QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("chart::Excel1", "Would you like to proceed anyway?");
    try {
        return shell::MsgBox(question, shell::vbYesNo, shell::applicationTitle()) != shell::vbYes;
    } catch (...) {
        return false;
    }
}

std::unique_ptr<automation::Application> openWorkbookInNewExcel(const QString& path) {
    auto application = automation::createApplication();
    application->workbooks().open(path);
    return application;
}

void saveCellsActivesheet(automation::Workbook* workbook, const QString& picturePath) {
    shell::TrappedHandler h(shell::ProcedurePath::Excel1_saveCellsActivesheet);
    automation::Worksheet* sheet = nullptr;
    const auto activeSheet = [&]() -> automation::Worksheet& {
        if (!sheet)
            throw core::Error(core::ErrorKind::StepFailed,
                              QT_TRANSLATE_NOOP("core::Error", "There is no sheet to take the picture of."));
        return *sheet;
    };
    int lastRow = 0;
    int lastColumn = 0;
    h.step(100, [&] {
        if (!workbook)
            throw core::Error(core::ErrorKind::StepFailed,
                              QT_TRANSLATE_NOOP("core::Error", "Object variable not set: there is no workbook."));
        sheet = &workbook->activeSheet();
    });
    h.step(102, [&] { lastRow = activeSheet().usedRange().lastRow(); });
    h.step(104, [&] { lastColumn = activeSheet().usedRange().lastColumn(); });
    if (!h.test(106, [&] { return lastRow > 1 && lastColumn > 1; })) return;

    ClipboardKeeper keeper;
    spreadsheet::VectorPicture copied;
    h.step(110, [&] {
        const automation::UsedRange used = activeSheet().usedRange();
        copied = activeSheet().copyPicture(used.range());
        keeper.pictureCopied();
    });
    h.step(112, [&] {
        // The picture the clipboard got from the chart, never what another
        // program may have put there since.
        if (copied.isNull())
            throw core::Error(core::ErrorKind::StepFailed,
                              QT_TRANSLATE_NOOP("core::Error", "The clipboard holds no picture of a sheet."));
        // Written as it is: the vector picture's own file, under the name given.
        files::replaceFile(picturePath, copied.toBytes());
    });
}

} // namespace chart::Excel1
