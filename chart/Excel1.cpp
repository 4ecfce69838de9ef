#include "Excel1.h"

#include "files/FileReplacement.h"
#include "shell/shared/ApplicationTitle.h"
#include "shell/shared/Failure.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "spreadsheet/SheetPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace chart::Excel1 {

namespace {

const QString kClassName = QStringLiteral("Excel.Application");
const QString kExpectedAnswer = QStringLiteral("Microsoft Excel");

QClipboard& clipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw shell::Failure(QStringLiteral("There is no clipboard: the program runs without a graphical session."));
    return *QGuiApplication::clipboard();
}

// What the clipboard held, put back when the picture has been taken from it.
class ClipboardKeeper {
public:
    ClipboardKeeper() {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
        if (const QMimeData* held = QGuiApplication::clipboard()->mimeData()) {
            m_saved = std::make_unique<QMimeData>();
            for (const QString& format : held->formats()) m_saved->setData(format, held->data(format));
            if (held->hasImage()) m_saved->setImageData(held->imageData());
        }
    }
    ~ClipboardKeeper() {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
        if (m_saved && !m_saved->formats().isEmpty())
            QGuiApplication::clipboard()->setMimeData(m_saved.release());
        else
            QGuiApplication::clipboard()->clear();
    }

private:
    std::unique_ptr<QMimeData> m_saved;
};

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
    const QString question = QStringLiteral("Excel may be open. It is recommended that you close Excel first.")
        + QChar(13) + QStringLiteral("Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("Would you like to proceed anyway?");
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
        if (!sheet) throw shell::Failure(QStringLiteral("There is no sheet to take the picture of."));
        return *sheet;
    };
    int lastRow = 0;
    int lastColumn = 0;
    h.step(100, [&] {
        if (!workbook) throw shell::Failure(QStringLiteral("Object variable not set: there is no workbook."));
        sheet = &workbook->activeSheet();
    });
    h.step(102, [&] { lastRow = activeSheet().usedRange().lastRow(); });
    h.step(104, [&] { lastColumn = activeSheet().usedRange().lastColumn(); });
    if (!h.test(106, [&] { return lastRow > 1 && lastColumn > 1; })) return;

    const ClipboardKeeper keeper;
    h.step(110, [&] {
        const automation::UsedRange used = activeSheet().usedRange();
        activeSheet().copyPicture({used.row, used.column, used.lastRow(), used.lastColumn()});
    });
    h.step(112, [&] {
        const QMimeData* held = clipboard().mimeData();
        if (!held || !held->hasFormat(spreadsheet::VectorPicture::mimeType()))
            throw shell::Failure(QStringLiteral("The clipboard holds no picture of a sheet."));
        // Written as it is: the vector picture's own file, under the name given.
        files::replaceFile(picturePath, held->data(spreadsheet::VectorPicture::mimeType()));
    });
}

} // namespace chart::Excel1
