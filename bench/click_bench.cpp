// A click on "Start Creating Template" until the preview shows the chart, in
// process, with the real windows, for 5, 10, 12 and 15 generations. The
// peer is the bitmap path: the same chart and its bitmap picture (.bmp)
// made by a separate kinloom-chart process.
// Then the peak memory of the windowed program after one build of 12 and 15
// generations, each in a process of its own; its peer is the same run that
// also holds the chart's bitmap as the preview held it before (drawn,
// written as BMP, read back, made a pixmap).
// Then the click alone (the windows made before) for 10 and 15 generations,
// blank and filled from a family file with ancestor numbers, side by side.
// Times are processor time (user and system, every thread), medians over the
// runs with the least and the most, after one build that warms the process.
// Usage: click_bench KINLOOM_CHART [RUNS]
//        click_bench --once GENERATIONS [--bitmap]   (one build; prints nothing)
#include "Median.h"
#include "app/ProgramWindows.h"
#include "chart/Excel1.h"
#include "files/RunningObjects.h"
#include "shell/shared/ApplicationFolders.h"
#include "shell/shared/SettingsStore.h"
#include "shell/shared/WebSite.h"
#include "spreadsheet/SheetPicture.h"

#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace {

// The processor time this process has taken so far, in seconds.
double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// "median (least–most)".
QString spread(const std::vector<double>& samples, int width) {
    const auto [least, most] = std::minmax_element(samples.begin(), samples.end());
    return QStringLiteral("%1 (%2–%3)")
        .arg(median(samples), 0, 'f', 3)
        .arg(*least, 0, 'f', 3)
        .arg(*most, 0, 'f', 3)
        .rightJustified(width);
}

// The chart's bitmap as the preview held it before: drawn, written as BMP,
// read back and made a pixmap.
QPixmap bitmapPathPicture(const QString& workbook, const QString& bmp) {
    const auto instance = chart::Excel1::openWorkbookInNewExcel(workbook);
    const auto book = instance->workbooks().item(1);
    auto& sheet = book->activeSheet();
    const auto used = sheet.usedRange();
    spreadsheet::writePictureFile(spreadsheet::bitmapOf(sheet.picture(used.range())), bmp, "bmp");
    return QPixmap::fromImage(QImageReader(bmp).read());
}

// One click with the given count, the windows kept until the end, with the
// bitmap path's picture besides when asked; false when the preview did not show.
bool buildOnce(int generations, const QString& bitmapFile = QString()) {
    ProgramWindows windows;
    windows.mainWindow().findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QString::number(generations));
    windows.mainWindow().findChild<QPushButton*>(QStringLiteral("PushButton1"))->click();
    QApplication::processEvents();
    preview::Form2* preview = windows.previewWindowIfLoaded();
    if (!preview || !preview->isVisible()) return false;
    QPixmap bitmap;
    if (!bitmapFile.isEmpty()) bitmap = bitmapPathPicture(preview->mExcelFile, bitmapFile);
    QFile::remove(preview->mExcelFile);
    return bitmapFile.isEmpty() || !bitmap.isNull();
}

// A family file of that many generations: person n's parents are 2n and
// 2n + 1, each with a long name and both years.
void writeFamilyFile(const QString& path, int generations) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray text = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    const int people = (1 << generations) - 1;
    for (int n = 1; n <= people; ++n) {
        text += QStringLiteral("0 @I%1@ INDI\n1 NAME Marie-Louise Åsta /Bjørnstad-Halvorsen/\n1 BIRT\n2 DATE ABT %2\n"
                               "1 DEAT\n2 DATE BEF %3\n")
                    .arg(n)
                    .arg(1990 - 25 * (32 - __builtin_clz(n)))
                    .arg(2060 - 25 * (32 - __builtin_clz(n)))
                    .toUtf8();
        if (2 * n + 1 <= people) text += "1 FAMC @F" + QByteArray::number(n) + "@\n";
    }
    for (int n = 1; 2 * n + 1 <= people; ++n)
        text += "0 @F" + QByteArray::number(n) + "@ FAM\n1 HUSB @I" + QByteArray::number(2 * n) + "@\n1 WIFE @I"
            + QByteArray::number(2 * n + 1) + "@\n";
    file.write(text + "0 TRLR\n");
}

// From the click until the preview shows, the windows made and (for a
// family file) its first person taken up beforehand, as the next start after
// choosing does; ancestor numbers too. Negative when the preview did not show.
double clickToPreview(int generations, const QString& familyFile) {
    shell::saveSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("FamilyFile"), familyFile);
    shell::saveSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("FamilyPerson"),
                       QStringLiteral("I1"));
    shell::saveSetting(QStringLiteral("Brenvik"), QStringLiteral("Kinloom"), QStringLiteral("AncestorNumbers"),
                       familyFile.isEmpty() ? QStringLiteral("0") : QStringLiteral("1"));
    ProgramWindows windows;
    shell::Form1& main = windows.mainWindow();
    if (!familyFile.isEmpty() && !QTest::qWaitFor([&] { return main.familyFile().choice() != nullptr; }, 10000))
        return -1;
    main.findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QString::number(generations));
    const double start = processorSeconds();
    main.findChild<QPushButton*>(QStringLiteral("PushButton1"))->click();
    QApplication::processEvents();
    const double seconds = processorSeconds() - start;
    preview::Form2* preview = windows.previewWindowIfLoaded();
    if (!preview || !preview->isVisible()) return -1;
    QFile::remove(preview->mExcelFile);
    return seconds;
}

// What a child process took: processor seconds and peak resident megabytes;
// negative when it failed.
struct ChildUsage {
    double seconds = -1;
    long megabytes = -1;
};

ChildUsage childUsage(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss / 1024};
}

// Click to preview against the peer's whole process writing the same chart.
bool clickTable(QTextStream& out, const QString& peer, int runs, const QTemporaryDir& work) {
    out << "processor time, median (least–most)\n"
           "  G        click to preview s   kinloom-chart --picture .bmp s   peer/ours\n";
    const std::string peerPath = peer.toStdString();
    const std::string xls = work.filePath(QStringLiteral("peer.xls")).toStdString();
    const std::string bmp = work.filePath(QStringLiteral("peer.bmp")).toStdString();
    for (int generations : {5, 10, 12, 15}) {
        std::vector<double> ours, theirs, ratios;
        // In turn, so that a busy moment of the machine falls on both alike.
        for (int i = 0; i < runs; ++i) {
            const double start = processorSeconds();
            if (!buildOnce(generations)) {
                out << "the preview did not show\n";
                return false;
            }
            ours.push_back(processorSeconds() - start);
            theirs.push_back(
                childUsage({peerPath, "--generations", std::to_string(generations), "--output", xls, "--picture", bmp})
                    .seconds);
            ratios.push_back(theirs.back() / ours.back());
        }
        out << QStringLiteral("%1   %2   %3   %4x\n")
                   .arg(generations, 3)
                   .arg(spread(ours, 23))
                   .arg(spread(theirs, 30))
                   .arg(median(ratios), 9, 'f', 2);
        out.flush();
    }
    out << "targets: 5 generations under 0.02 s, 10 under 0.06 s, 15 under 0.3 s\n\n";
    return true;
}

// The same click for a chart filled from a family file, beside the blank chart.
bool filledTable(QTextStream& out, int runs, const QTemporaryDir& work) {
    const QString family = work.filePath(QStringLiteral("family.ged"));
    writeFamilyFile(family, 10);
    out << "processor time, median (least–most)\n"
           "  G     blank: click to preview s   filled, numbered: click to preview s   filled/blank\n";
    for (int generations : {10, 15}) {
        std::vector<double> blank, filled;
        for (int i = 0; i < runs; ++i) {
            blank.push_back(clickToPreview(generations, QString()));
            filled.push_back(clickToPreview(generations, family));
        }
        if (*std::min_element(filled.begin(), filled.end()) < 0) {
            out << "the filled chart's preview did not show\n";
            return false;
        }
        out << QStringLiteral("%1   %2   %3   %4x\n")
                   .arg(generations, 3)
                   .arg(spread(blank, 28))
                   .arg(spread(filled, 37))
                   .arg(median(filled) / median(blank), 12, 'f', 2);
        out.flush();
    }
    out << "targets: a filled 10-generation chart under 0.1 s; 15 generations: blank at most 0.1 s, filled 0.2 s\n\n";
    return true;
}

// Peak memory after one build, against the same build holding its bitmap too.
void memoryTable(QTextStream& out) {
    out << "  G   peak MB after one build   with the bitmap held too   peer/ours\n";
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    for (int generations : {12, 15}) {
        const std::string count = std::to_string(generations);
        const long ours = childUsage({self, "--once", count}).megabytes;
        const long theirs = childUsage({self, "--once", count, "--bitmap"}).megabytes;
        out << QStringLiteral("%1   %2   %3   %4x\n")
                   .arg(generations, 3)
                   .arg(ours, 23)
                   .arg(theirs, 24)
                   .arg(ours > 0 ? double(theirs) / ours : 0.0, 9, 'f', 2);
        out.flush();
    }
    out << "targets: under 80 MB after 12 generations, under 150 MB after 15\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // the platform's notes
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    spreadsheet::registerSheetFonts();
    QTemporaryDir work;
    shell::setSettingsFolder(work.filePath(QStringLiteral("config")));
    shell::setApplicationFolder(work.path());
    qputenv("TEMP", QFile::encodeName(work.path()));
    // The main window's occasional visit to the web site would open a browser
    // (or, headless, an error report waiting for an answer): never drawn here.
    shell::setRandomDraw([] { return 0.5; });
    shell::setUrlOpener([](const QUrl&) { return true; });
    // Instances other programs run (tests, benchmarks) must not raise the question.
    files::setRunningObjectFolder(work.filePath(QStringLiteral("objects")));

    if (QString::fromLatin1(argv[1]) == QLatin1String("--once") && argc >= 3) {
        const QString bitmapFile = argc > 3 ? work.filePath(QStringLiteral("bitmap.bmp")) : QString();
        return buildOnce(std::atoi(argv[2]), bitmapFile) ? 0 : 1;
    }

    const QString peer = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    QTextStream out(stdout);
    // The process's first build loads fonts and plug-ins once; it is not counted.
    if (!buildOnce(5)) return 1;
    if (!clickTable(out, peer, runs, work) || !filledTable(out, runs, work)) return 1;
    memoryTable(out);
    return 0;
}