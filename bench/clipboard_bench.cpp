// The picture of a chart taken through the clipboard while another program
// owns it (started by clipboard_bench.py on an X server of its own): how
// long the snapshot takes, keeping the earlier content and putting it back
// included. "ours" runs saveCellsActivesheet; "peer" keeps the earlier
// content through Qt's clipboard, as the snapshot once did, and puts it back.
// Prints wall-clock milliseconds.
#include "chart/ChartLayout.h"
#include "chart/Excel1.h"
#include "chart/ExecuteOperation.h"
#include "files/RunningObjects.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QTemporaryDir folder;
    files::setRunningObjectFolder(folder.path());
    QElapsedTimer timer;
    if (std::strcmp(argv[1], "peer") == 0) {
        timer.start();
        auto saved = std::make_unique<QMimeData>();
        if (const QMimeData* held = QGuiApplication::clipboard()->mimeData())
            for (const QString& format : held->formats()) saved->setData(format, held->data(format));
        QGuiApplication::clipboard()->setMimeData(saved.release());
    } else {
        auto application = chart::automation::createApplication();
        auto workbook = application->workbooks().add();
        const chart::ChartLayout layout = chart::BuildChartLayout(QStringLiteral("Halvarsen"), QStringLiteral("5"));
        chart::executeLayout(workbook->activeSheet(), layout);
        timer.start();
        chart::Excel1::saveCellsActivesheet(workbook.get(), folder.filePath(QStringLiteral("temp.bmp")));
    }
    std::printf("%.1f\n", timer.nsecsElapsed() / 1e6);
    return 0;
}
