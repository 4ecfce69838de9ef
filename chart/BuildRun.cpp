#include "BuildRun.h"

#include "Automation.h"
#include "ChartLayout.h"
#include "Excel1.h"
#include "ExecuteOperation.h"
#include "GenerationCount.h"
#include "TemporaryFiles.h"

#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/Failure.h"
#include "shell/shared/FileRoutines.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"

#include <QImageReader>

#include <memory>
#include <optional>

namespace chart {

namespace {

// References taken in one step and used in later ones; a missing one is a
// failure of the step that needs it.
template <typename Pointer>
auto& held(const Pointer& object) {
    if (!object) throw shell::Failure(QStringLiteral("Object variable not set: an earlier step failed."));
    return *object;
}

QImage loadPicture(const QString& path) {
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        throw shell::Failure(QStringLiteral("Cannot load the picture '%1': %2").arg(path, reader.errorString()));
    return picture;
}

} // namespace

void runChartBuild(BuildRunWindows& windows) {
    shell::TrappedHandler h(shell::ProcedurePath::Form1_PushButton1_Click);

    // The count must be a number, and one the chart can draw, before anything starts.
    GenerationCountCheck check = GenerationCountCheck::Accepted;
    if (h.test(100, [&] {
            check = checkGenerationCount(windows.generationCountText());
            return check != GenerationCountCheck::Accepted;
        })) {
        h.step(102, [&] {
            shell::MsgBox(refusalMessage(check), shell::vbExclamation, QStringLiteral("Numerical Value"));
        });
        h.step(104, [&] { windows.focusGenerationCount(); });
        return;
    }
    bool stop = false;
    h.step(106, [&] { stop = Excel1::stopForRunningExcel(); });
    if (stop) return;

    h.step(108, [&] { windows.setMousePointer(shell::vbHourglass); });
    std::unique_ptr<automation::Application> builder;
    std::shared_ptr<automation::Workbook> chartBook;
    h.step(110, [&] { builder = automation::createApplication(); });
    // The new workbook gets the chart's print settings in the same step: the run keeps its steps.
    h.step(112, [&] {
        chartBook = held(builder).workbooks().add();
        setChartPageSetup(chartBook->activeSheet());
    });
    h.step(114, [&] { held(builder).setVisible(false); });

    std::optional<ChartLayout> layout;
    h.step(116, [&] { layout = BuildChartLayout(windows.rootName(), windows.generationCountText()); });
    if (layout) {
        for (const SheetOperation& op : layout->operations)
            h.step(op.step, [&] { executeOperation(held(chartBook).activeSheet(), *layout, op); });
    }
    h.step(198, [&] { windows.setMousePointer(shell::vbDefault); });

    QString workbookPath;
    h.step(212, [&] { workbookPath = claimTemporaryWorkbook(shell::TempFolder()); });
    h.step(216, [&] {
        if (workbookPath.isEmpty()) throw shell::Failure(QStringLiteral("There is no file to save the chart in."));
        held(chartBook).saveAs(workbookPath);
    });
    h.step(218, [&] { held(builder).setDisplayAlerts(false); });
    h.step(220, [&] { held(chartBook).close(); });
    h.step(222, [&] { held(builder).quit(); });
    h.step(224, [&] {
        chartBook.reset();
        builder.reset();
    });

    std::unique_ptr<automation::Application> photographer;
    std::shared_ptr<automation::Workbook> openedBook;
    QString picturePath;
    h.step(230, [&] { photographer = Excel1::openWorkbookInNewExcel(workbookPath); });
    h.step(232, [&] { windows.setMousePointer(shell::vbHourglass); });
    h.step(234, [&] {
        auto& books = held(photographer).workbooks();
        openedBook = books.item(books.count());
    });
    h.step(236, [&] {
        picturePath = claimPictureFile(shell::ApplicationFolder(), shell::TempFolder());
        Excel1::saveCellsActivesheet(held(openedBook), picturePath);
    });
    h.step(238, [&] { held(photographer).setDisplayAlerts(false); });
    h.step(240, [&] { held(openedBook).close(); });
    h.step(242, [&] { held(photographer).quit(); });
    h.step(244, [&] { windows.setMousePointer(shell::vbDefault); });

    h.step(246, [&] { windows.previewWindow().setPicture(loadPicture(picturePath)); });
    h.step(248, [&] { windows.previewWindow().setExcelFile(workbookPath); });
    h.step(250, [&] { windows.previewWindow().Show(); });
    h.step(252, [&] { windows.Hide(); });
    h.step(254, [&] {
        if (!picturePath.isEmpty()) shell::DeleteFileQuietly(picturePath);
    });
}

} // namespace chart
