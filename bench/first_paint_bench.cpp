// The first paint of sheet pictures in the preview, from the picture file
// to the viewport drawn: the 15-generation chart, blank and filled with
// 300-character labels, and pictures made to be slow that the loader still
// accepts (the largest file it takes): as many texts of 32,767 characters
// as fit, in cells that all show at once, in merged areas as wide as a sheet
// gets, and a text in every cell of a grid of tiny cells. The peer, in the
// same run, is Qt's SVG renderer drawing the same part of the same picture
// from its SVG export. Times are processor milliseconds of the drawing
// thread.
#include "chart/BoxTexts.h"
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "chart/PictureExport.h"
#include "preview/Form2.h"
#include "spreadsheet/SheetPicture.h"
#include "spreadsheet/Worksheet.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using spreadsheet::PictureContent;
using spreadsheet::PictureText;

constexpr int kLongText = 32767;

spreadsheet::VectorPicture chartPicture(int generations, int labelLength) {
    spreadsheet::Worksheet sheet;
    auto worksheet = chart::automation::wrapEngineWorksheet(sheet);
    chart::executeLayout(*worksheet,
                         chart::BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations)));
    if (labelLength > 0)
        chart::writeBoxTexts(
            *worksheet, generations,
            {true, std::vector<QString>(std::size_t(1) << generations, QString(labelLength, QLatin1Char('x')))});
    return spreadsheet::pictureOfRange(sheet, sheet.usedRange());
}

// A grid of columns × rows cells of the given pixel sizes, no styles.
PictureContent grid(int columns, int width, int rows, int height) {
    PictureContent c;
    c.columnWidths.assign(static_cast<std::size_t>(columns), static_cast<std::uint16_t>(width));
    c.rowHeights.assign(static_cast<std::size_t>(rows), static_cast<std::uint16_t>(height));
    c.rowStarts.assign(static_cast<std::size_t>(rows) + 1, 0);
    return c;
}

PictureText textAt(const QRect& area, QString text, int index) {
    return {area, std::move(text), QStringLiteral("Tahoma"),
            13,   0xFF000000,      static_cast<PictureText::Alignment>(index % 3)};
}

// Texts of kLongText characters, as many as the loader takes, one in each
// cell of a grid that shows whole at zoom 1.0.
spreadsheet::VectorPicture longTextsInCells(qint64 fileBound) {
    const int count = static_cast<int>(fileBound / (2 * kLongText + 64)) - 1;
    PictureContent c = grid(24, 24, (count + 23) / 24, 17);
    for (int i = 0; i < count; ++i)
        c.texts.push_back(textAt(QRect(i % 24, i / 24, 1, 1), QString(kLongText, QChar(u'a' + i % 26)), i));
    return spreadsheet::VectorPicture(std::move(c));
}

// The same texts, each across a row merged over every column of a sheet,
// each column as wide as a picture's column may be.
spreadsheet::VectorPicture longTextsInWideAreas(qint64 fileBound) {
    const int count = static_cast<int>(fileBound / (2 * kLongText + 64)) - 1;
    PictureContent c = grid(256, 4096, count, 17);
    for (int i = 0; i < count; ++i) {
        const QRect row(0, i, 256, 1);
        c.merges.push_back(row);
        c.texts.push_back(textAt(row, QString(kLongText, QChar(u'a' + i % 26)), i));
    }
    return spreadsheet::VectorPicture(std::move(c));
}

// The issue a user met: 1,000 texts of 32,767 characters (65 MB).
spreadsheet::VectorPicture thousandLongTexts() {
    PictureContent c = grid(24, 24, 42, 17);
    for (int i = 0; i < 1000; ++i)
        c.texts.push_back(textAt(QRect(i % 24, i / 24, 1, 1), QString(kLongText, QChar(u'a' + i % 26)), i));
    return spreadsheet::VectorPicture(std::move(c));
}

// A short text in each of the cells that show at once, cells of so many
// pixels a side: cells of 6 pixels are the smallest whose texts are drawn.
spreadsheet::VectorPicture textsInTinyCells(int side) {
    const int columns = 256, rows = 600 / side;
    PictureContent c = grid(columns, side, rows, side);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            c.texts.push_back(textAt(QRect(column, row, 1, 1),
                                     QStringLiteral("Halvarsen %1").arg(row * columns + column), row + column));
    return spreadsheet::VectorPicture(std::move(c));
}

struct Figures {
    bool refused = false;
    double fileMegabytes = 0;
    double loadMs = 0;
    double paintMs = 0;
    double peerMs = 0;
};

// Milliseconds of this thread's processor time: what a machine shared with
// other work does not inflate.
class CpuTimer {
public:
    void restart() { m_start = now(); }
    double ms() const { return (now() - m_start) / 1e6; }

private:
    static double now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec * 1e9 + t.tv_nsec;
    }
    double m_start = now();
};

// The picture's file, or a file of zeros of the size given (sparse: it takes no room).
Figures measure(const spreadsheet::VectorPicture& made, const QString& folder, qint64 zeros = 0) {
    Figures f;
    const QString path = folder + QStringLiteral("/temp.bmp");
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (zeros > 0)
        file.resize(zeros);
    else
        file.write(made.toBytes());
    file.close();
    f.fileMegabytes = QFile(path).size() / 1e6;

    CpuTimer timer;
    spreadsheet::VectorPicture picture;
    try {
        picture = spreadsheet::readPictureFile(path);
    } catch (const std::exception&) {
        f.refused = true;
    }
    f.loadMs = timer.ms();
    if (f.refused) return f;
    preview::Form2 form;
    QWidget& viewport = *form.findChild<QWidget*>(QStringLiteral("Picture2"));
    timer.restart();
    form.setPicture(picture);
    form.Show();
    const QPixmap shown = viewport.grab();
    f.paintMs = timer.ms();

    // The peer: the SVG export drawn by Qt's SVG renderer, the same part.
    const QByteArray svg = chart::exportedPictureBytes(picture, chart::PictureFileKind::Svg);
    timer.restart();
    QSvgRenderer renderer(svg);
    renderer.setViewBox(QRectF(QPointF(0, 0), QSizeF(viewport.size())));
    QImage image(viewport.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    f.peerMs = timer.ms();
    return f;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {}); // the platform's notes
    QApplication app(argc, argv);
    spreadsheet::registerSheetFonts();
    QTemporaryDir folder;
    const qint64 bound = spreadsheet::kMaxPictureFileBytes;
    const std::vector<std::pair<const char*, std::function<spreadsheet::VectorPicture()>>> pictures = {
        {"chart, 15 generations", [] { return chartPicture(15, 0); }},
        {"chart, 15, filled", [] { return chartPicture(15, 300); }},
        {"long texts in cells", [&] { return longTextsInCells(bound); }},
        {"long texts, wide areas", [&] { return longTextsInWideAreas(bound); }},
        {"1,000 long texts", [] { return thousandLongTexts(); }},
        {"texts in 5-pixel cells", [] { return textsInTinyCells(5); }},
        {"texts in 6-pixel cells", [] { return textsInTinyCells(6); }},
    };
    std::printf("%-24s %8s %8s %15s %12s %10s\n", "picture", "file MB", "load ms", "first paint ms", "SVG peer ms",
                "peer/ours");
    for (const auto& [name, make] : pictures) {
        const Figures f = measure(make(), folder.path());
        if (f.refused) {
            std::printf("%-24s %8.1f %8.1f %15s\n", name, f.fileMegabytes, f.loadMs, "refused");
            continue;
        }
        std::printf("%-24s %8.1f %8.1f %15.1f %12.1f %9.1fx\n", name, f.fileMegabytes, f.loadMs, f.paintMs, f.peerMs,
                    f.peerMs / std::max(f.paintMs, 0.01));
    }
    const Figures huge = measure({}, folder.path(), qint64(3) << 30);
    std::printf("%-24s %8.1f %8.1f %15s\n", "3 GB of zeros", huge.fileMegabytes, huge.loadMs,
                huge.refused ? "refused" : "read");
    std::printf("target: every first paint under 100 ms; the loader takes files up to %.1f MB\n", bound / 1e6);
    return 0;
}
