#include "BuildRun.h"

#include "ChartDrawing.h"
#include "ChartRequest.h"
#include "Excel1.h"
#include "GenerationCount.h"
#include "TemporaryFiles.h"

#include "core/Error.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/FileRoutines.h"
#include "shell/shared/MessageBox.h"
#include "shell/shared/PointerShape.h"
#include "shell/shared/ProcedurePaths.h"
#include "shell/shared/TrappedHandler.h"
#include "spreadsheet/SheetPicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <optional>

namespace chart {

namespace {

// No picture was taken when the claimed file is still empty; it is removed
// here, since nothing will ever be loaded from it.
spreadsheet::VectorPicture loadPicture(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).size() == 0) {
        if (!path.isEmpty()) QFile::remove(path);
        throw core::Error(
            core::ErrorKind::StepFailed,
            QT_TRANSLATE_NOOP("core::Error", "The picture file holds no picture: no picture of the sheet was taken."));
    }
    return spreadsheet::readPictureFile(path);
}

// Steps 200 to 214: draws "halvar" and eight digits until a name is free in
// the temporary folder and claims it. Empty when the claim failed (reported),
// so that nothing is ever saved through a name that is not the run's own.
TemporaryFile claimWorkbookName(shell::TrappedHandler& h) {
    for (;;) {
        QString name;
        h.step(200, [&] { name = QStringLiteral("halvar"); });
        h.step(202, [] {}); // for each of the eight digits
        for (int i = 0; i < kWorkbookNameDigits; ++i) {
            double r = 0;
            int digit = 0;
            h.step(204, [&] { r = drawWorkbookFraction(); }); // the generator is seeded once
            h.step(206, [&] { digit = workbookDigit(r); });
            h.step(208, [&] { name += QChar(u'0' + digit); });
            if (!h.step(210, [] {})) break; // next digit
        }
        QString path;
        h.step(212, [&] { path = temporaryWorkbookPath(shell::tempFolder(), name); });
        std::optional<TemporaryFile> claimed;
        if (!h.step(214, [&] { claimed = claimTemporaryFile(path); })) return {};
        if (claimed) return std::move(*claimed);
    }
}

// Steps 100 to 104: the count must be a number, and one the chart can draw,
// before anything starts; it is read here, once. A test that cannot tell
// counts the text as not numeric. The count when the run may go on.
std::optional<GenerationCount> acceptedCount(shell::TrappedHandler& h, BuildRunWindows& windows) {
    GenerationCountCheck check = GenerationCountCheck::NotNumeric;
    GenerationCount count;
    if (h.test(100, [&] {
            check = readGenerationCount(windows.generationCountText(), count);
            return check != GenerationCountCheck::Accepted;
        })) {
        h.step(102, [&] {
            shell::MsgBox(refusal(check).worded(), shell::vbExclamation,
                          QCoreApplication::translate("chart::BuildRun", "Numerical Value"));
        });
        h.step(104, [&] { windows.focusGenerationCount(); });
        return std::nullopt;
    }
    return count;
}

// Steps 200 to 224: the chart saved as the temporary workbook, the first
// instance ended. The workbook goes with the run unless handed over.
TemporaryFile saveWorkbook(shell::TrappedHandler& h, DrawnChart& builder, const ChartRequest& request) {
    TemporaryFile workbook = claimWorkbookName(h);
    h.step(216, [&] {
        if (workbook.path().isEmpty())
            throw core::Error(core::ErrorKind::StepFailed,
                              QT_TRANSLATE_NOOP("core::Error", "There is no file to save the chart in."));
        try {
            held(builder.workbook).saveAs(workbook.path(), chartFileType(request.format).workbook);
        } catch (...) {
            // Nothing was saved: no later step is to read an empty file as the chart.
            QFile::remove(workbook.path());
            throw;
        }
    });
    h.step(218, [&] { held(builder.application).setDisplayAlerts(false); });
    h.step(220, [&] { held(builder.workbook).close(); });
    h.step(222, [&] { held(builder.application).quit(); });
    h.step(224, [&] {
        builder.workbook.reset();
        builder.application.reset();
    });
    return workbook;
}

// Steps 230 to 244: a second instance opens the workbook and takes the
// picture of its sheet.
TemporaryFile photographWorkbook(shell::TrappedHandler& h, BuildRunWindows& windows, const TemporaryFile& workbook) {
    std::unique_ptr<automation::Application> photographer;
    std::shared_ptr<automation::Workbook> openedBook;
    TemporaryFile picture;
    h.step(230, [&] { photographer = Excel1::openWorkbookInNewExcel(workbook.path()); });
    h.step(232, [&] { windows.setMousePointer(shell::vbHourglass); });
    h.step(234, [&] {
        auto& books = held(photographer).workbooks();
        openedBook = books.item(books.count());
    });
    h.step(236, [&] {
        picture = claimPictureFile(shell::applicationFolder(), shell::tempFolder());
        Excel1::saveCellsActivesheet(openedBook.get(), picture.path()); // reports its own failures
    });
    h.step(238, [&] { held(photographer).setDisplayAlerts(false); });
    h.step(240, [&] { held(openedBook).close(); });
    h.step(242, [&] { held(photographer).quit(); });
    h.step(244, [&] { windows.setMousePointer(shell::vbDefault); });
    return picture;
}

// Steps 246 to 254: the picture and the workbook go to the preview, which
// shows while the main window hides; the picture file goes.
void handOverToPreview(shell::TrappedHandler& h, BuildRunWindows& windows, TemporaryFile& workbook,
                       const TemporaryFile& picture, const std::optional<QRect>& openOn) {
    h.step(246, [&] {
        windows.previewWindow().setPicture(loadPicture(picture.path()));
        if (openOn) windows.previewWindow().openOn(*openOn);
    });
    h.step(248, [&] {
        windows.previewWindow().setExcelFile(workbook.path());
        workbook.handOver();
    });
    h.step(250, [&] { windows.previewWindow().Show(); });
    h.step(252, [&] { windows.Hide(); });
    h.step(254, [&] {
        if (!picture.path().isEmpty()) shell::DeleteFileQuietly(picture.path());
    });
}

} // namespace

void runChartBuild(BuildRunWindows& windows) {
    shell::TrappedHandler h(shell::ProcedurePath::Form1_PushButton1_Click);
    std::optional<GenerationCount> count = acceptedCount(h, windows); // 100 to 104
    if (!count) return;
    bool stop = false;
    h.step(106, [&] { stop = Excel1::stopForRunningExcel(); });
    if (stop) return;
    h.step(108, [&] { windows.setMousePointer(shell::vbHourglass); });
    // The main window's inputs, as the chart is asked for.
    const ChartRequest request{windows.rootName(), std::move(*count), windows.boxLabels()};
    DrawnChart builder = drawChart(request, h); // 110 to 196
    h.step(198, [&] { windows.setMousePointer(shell::vbDefault); });
    TemporaryFile workbook = saveWorkbook(h, builder, request);             // 200 to 224
    const TemporaryFile picture = photographWorkbook(h, windows, workbook); // 230 to 244
    handOverToPreview(h, windows, workbook, picture, builder.rootBox);      // 246 to 254
}

} // namespace chart
