// kinloom-chart: draws a chart and saves it as a workbook, with no window.
#include "ChartExtras.h"
#include "app/Translations.h"
#include "command/ChartCommand.h"
#include "core/Error.h"
#include "core/VisibleText.h"
#include "files/Paths.h"
#include "files/SaveSignals.h"

#include <QCoreApplication>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

QtMessageHandler qtHandler = nullptr;

// What kinloom-chart says, scripts read: Qt's own notes (a runtime folder
// the session lacks, a font it stands in for) stay out of it. What ends the
// program still shows.
void keepQtNotesOut(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && qtHandler) qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[]) {
    qtHandler = qInstallMessageHandler(keepQtNotesOut);
    const files::ProgramArguments given = files::programArguments(argc, argv);
    files::failWritesBeyondTheSizeLimit(); // every write, the table of running objects' too
    // Pictures and box texts need Qt's fonts, used without a display, and
    // box texts from a family file its reader: the extras module brings
    // them; a blank workbook alone starts without them.
    std::unique_ptr<QCoreApplication> app;
    std::optional<core::Error> moduleFailure;
    if (command::chartCommandNeedsFonts(given.texts)) {
        try {
            app.reset(chartExtras().makeApplication(argc, argv));
        } catch (const core::Error& failure) {
            moduleFailure = failure;
        }
    }
    if (!app) app = std::make_unique<QCoreApplication>(argc, argv);
    installTranslations(*app);
    QCoreApplication::setApplicationName(QStringLiteral("kinloom-chart"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KINLOOM_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (moduleFailure) {
        err << core::visible(moduleFailure->description(), u"\n") << "\n";
        return command::kExitFailure;
    }
    // Ctrl+C or a log-out while the files go in place waits for them.
    files::deferEndingSignalsDuringSaves();
    return command::runChartCommand(QCoreApplication::arguments(), out, err, given.lossy);
}
