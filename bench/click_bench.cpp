// A click on "Start Creating Template" until the preview shows the chart, in
// process, with the real windows, for 5, 10 and 15 generations. The peer is
// the same chart and picture made by a separate kinloom-chart process.
// Usage: click_bench KINLOOM_CHART [RUNS]
#include "app/ProgramWindows.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/SettingsStore.h"
#include "spreadsheet/SheetPicture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString peer = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    spreadsheet::registerSheetFonts();
    QTemporaryDir work;
    shell::setSettingsFolder(work.filePath(QStringLiteral("config")));
    shell::setApplicationFolder(work.path());
    qputenv("TEMP", QFile::encodeName(work.path()));

    QTextStream out(stdout);
    out << "  G   click to preview s   kinloom-chart --picture s   peer/ours\n";
    for (int generations : {5, 10, 15}) {
        std::vector<double> ours, theirs;
        for (int i = 0; i < runs; ++i) {
            ProgramWindows windows;
            windows.mainWindow().findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QString::number(generations));
            auto* start = windows.mainWindow().findChild<QPushButton*>(QStringLiteral("PushButton1"));
            QElapsedTimer timer;
            timer.start();
            start->click();
            QApplication::processEvents();
            ours.push_back(timer.nsecsElapsed() / 1e9);
            if (!windows.previewWindowIfLoaded() || !windows.previewWindowIfLoaded()->isVisible()) {
                out << "the preview did not show\n";
                return 1;
            }
            QFile::remove(windows.previewWindowIfLoaded()->mExcelFile);

            timer.restart();
            QProcess::execute(peer, {QStringLiteral("--generations"), QString::number(generations),
                                     QStringLiteral("--output"), work.filePath(QStringLiteral("peer.xls")),
                                     QStringLiteral("--picture"), work.filePath(QStringLiteral("peer.bmp"))});
            theirs.push_back(timer.nsecsElapsed() / 1e9);
        }
        out << QStringLiteral("%1   %2   %3   %4x\n")
                   .arg(generations, 3)
                   .arg(median(ours), 18, 'f', 3)
                   .arg(median(theirs), 25, 'f', 3)
                   .arg(median(theirs) / median(ours), 9, 'f', 2);
        out.flush();
    }
    return 0;
}
