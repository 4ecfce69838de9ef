#include "spreadsheet/SheetPicture.h"
#include "chart/BoxTexts.h"
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "core/Error.h"
#include "spreadsheet/PixelRuns.h"
#include "spreadsheet/Worksheet.h"
#include "tests/support/PictureRegions.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>

#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

using namespace spreadsheet;

namespace {

const QRgb kLime = qRgb(153, 204, 0);

void draw(Worksheet& sheet, int generations) {
    chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet),
                         chart::BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations)));
}

} // namespace

// Boxes, lines and title as the chart draws them, for 3 and 5 generations:
// one lime area per box where the column widths and row heights put it,
// black lines from each column's first box to its last, grey title text.
TEST(SheetPicture, ChartPicturesShowEveryBoxLineAndTitle) {
    registerSheetFonts();
    for (int G : {3, 5}) {
        SCOPED_TRACE(G);
        Worksheet sheet;
        draw(sheet, G);
        const CellRange used = sheet.usedRange();
        const QImage picture = drawRange(sheet, used);
        const PictureGrid grid = pictureGrid(sheet, used);
        // Column B is 173 px wide (width 24); the title row 34 px, the others 17.
        EXPECT_EQ(grid.columnEdges[1] - grid.columnEdges[0], 173);
        EXPECT_EQ(grid.rowEdges[1] - grid.rowEdges[0], 34);
        EXPECT_EQ(grid.rowEdges[2] - grid.rowEdges[1], 19);
        EXPECT_EQ(grid.rowEdges[3] - grid.rowEdges[2], 17);
        EXPECT_EQ(picture.size(), QSize(grid.width(), grid.height()));
        EXPECT_EQ(picture.width(), 5 * 173 + 1);

        const auto regions = regionsOf(picture, kLime);
        ASSERT_EQ(regions.size(), (std::size_t(1) << G) - 1);
        std::vector<QRect> expected;
        for (int k = 0; k < G; ++k) {
            const int column = k; // index within the used range, which starts at column B
            for (int b = 0; b < (1 << (G - 1 - k)); ++b) {
                const int row = (1 << k) + 4 + b * (2 << k) - used.firstRow;
                expected.push_back(QRect(QPoint(grid.columnEdges[column] + 1, grid.rowEdges[row] + 1),
                                         QPoint(grid.columnEdges[column + 1] - 1, grid.rowEdges[row + 1] - 1)));
            }
        }
        for (const QRect& box : expected)
            EXPECT_NE(std::find(regions.begin(), regions.end(), box), regions.end())
                << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();

        for (int k = 0; k < G; ++k) {
            const int x = grid.columnEdges[k + 1];
            const int top = grid.rowEdges[(1 << k) + 4 - used.firstRow];
            const int lastBoxRow = (1 << k) + 4 + ((1 << (G - 1 - k)) - 1) * (2 << k) - used.firstRow;
            for (int y = top; y <= grid.rowEdges[lastBoxRow + 1]; ++y)
                ASSERT_EQ(picture.pixel(x, y), qRgb(0, 0, 0)) << "column " << k << " y " << y;
        }

        int greyText = 0;
        for (int y = 0; y < grid.rowEdges[1]; ++y)
            for (int x = 0; x < grid.columnEdges[3]; ++x) {
                const QColor c = picture.pixelColor(x, y);
                if (c.red() == c.green() && c.green() == c.blue() && c.red() <= 150) ++greyText;
                EXPECT_NE(c.rgb(), qRgb(0, 0, 0)) << "black in the title at " << x << "," << y;
            }
        EXPECT_GT(greyText, 50);
    }
}

TEST(SheetPicture, LargeChartsAreScaledDownEvenlyWithinTheBounds) {
    EXPECT_EQ(pictureScale(1186, 17462), 1.0);
    const double scale = pictureScale(2600, 557000);
    EXPECT_LE(557000 * scale, kMaxPictureSide);
    EXPECT_LE(20000 * 20000 * pictureScale(20000, 20000) * pictureScale(20000, 20000), double(kMaxPicturePixels));
    Worksheet sheet;
    draw(sheet, 12);
    const QImage picture = drawRange(sheet, sheet.usedRange());
    const PictureGrid grid = pictureGrid(sheet, sheet.usedRange());
    EXPECT_LE(picture.height(), kMaxPictureSide);
    EXPECT_LT(qint64(picture.width()) * picture.height(), kMaxPicturePixels);
    EXPECT_NEAR(double(picture.width()) / picture.height(), double(grid.width()) / grid.height(), 0.01);
}

TEST(SheetPicture, ShowsOneSheetPixelAPixelUpToTheScrollBarsReach) {
    Worksheet sheet;
    draw(sheet, 10);
    const VectorPicture ten = pictureOfRange(sheet, sheet.usedRange());
    EXPECT_EQ(ten.size(), ten.sheetSize());
    EXPECT_EQ(ten.size(), QSize(1186, 17462));
    Worksheet large;
    draw(large, 15);
    const VectorPicture fifteen = pictureOfRange(large, large.usedRange());
    EXPECT_EQ(fifteen.size().height(), kMaxShownPictureSide);
    EXPECT_NEAR(double(fifteen.size().width()) / fifteen.size().height(),
                double(fifteen.sheetSize().width()) / fifteen.sheetSize().height(), 0.001);
}

// On a screen of two device pixels to a point, a picture drawn at half its
// size in points is drawn at its own size in device pixels: pixel for pixel
// the bitmap of one sheet pixel to one pixel, every line one device pixel.
TEST(SheetPicture, DrawsInWholeDevicePixelsOnAHighDensityScreen) {
    Worksheet sheet;
    draw(sheet, 3);
    const VectorPicture picture = pictureOfRange(sheet, sheet.usedRange());
    QImage dense(picture.size(), QImage::Format_RGB32);
    dense.setDevicePixelRatio(2.0);
    dense.fill(Qt::white);
    QPainter painter(&dense);
    picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(picture.size()) / 2), QRect(QPoint(0, 0), picture.size() / 2));
    painter.end();
    dense.setDevicePixelRatio(1.0);
    EXPECT_EQ(dense, picture.toImage());
}

// A layer drawn as runs is the layer drawn rectangle by rectangle: runs join
// only what touches or overlaps in the same columns and colour.
TEST(SheetPicture, ALayerDrawnInRunsIsTheLayerDrawnRectangleByRectangle) {
    const QRgb black = qRgb(0, 0, 0), lime = qRgb(153, 204, 0);
    const std::vector<std::vector<std::pair<QRect, QRgb>>> layers{
        {{QRect(2, 0, 1, 3), black}, {QRect(2, 3, 1, 2), black}, {QRect(2, 6, 1, 2), black}}, // touching, then a gap
        {{QRect(4, 0, 1, 5), black}, {QRect(4, 2, 1, 1), black}, {QRect(4, 4, 1, 4), black}}, // overlapping
        {{QRect(5, 5, 1, 2), black}, {QRect(5, 0, 1, 2), black}},                             // a later one above
        {{QRect(0, 1, 8, 1), black}, {QRect(0, 2, 6, 1), black}, {QRect(0, 4, 8, 1), black}}, // other widths
        {{QRect(1, 1, 3, 2), lime}, {QRect(1, 3, 3, 2), black}, {QRect(1, 6, 3, 1), lime}},   // other colours
    };
    for (const auto& layer : layers) {
        QImage byRuns(8, 8, QImage::Format_RGB32), direct(8, 8, QImage::Format_RGB32);
        byRuns.fill(Qt::white);
        direct.fill(Qt::white);
        {
            QPainter runsPainter(&byRuns), directPainter(&direct);
            PixelRuns runs(runsPainter);
            for (const auto& [rect, colour] : layer) {
                runs.fill(rect, colour);
                directPainter.fillRect(rect, QColor(colour));
            }
        }
        EXPECT_EQ(byRuns, direct) << layer[0].first.x() << "," << layer[0].first.y();
    }
}

// The lines down a column edge are drawn a run of rows at a time. What shows
// is what each row's line would show: one device pixel across at the least,
// from the pixel boundary nearest each of its ends or, thinner than a pixel,
// on the pixel that holds its middle, which for the first or last row of a
// run can lie just outside the run; also where a run is seen in part. Two
// columns meet on one edge, one cell's right border and the next one's left.
TEST(SheetPicture, ALineDownManyRowsShowsTheLinesOfItsRows) {
    constexpr int kRows = 40, kColumnWidth = 40;
    std::vector<int> rowEdges{0};
    for (int r = 0; r < kRows; ++r) rowEdges.push_back(rowEdges.back() + 1 + r * 5 % 6); // 1 to 6 pixels
    struct Line {
        int column; // edge: 0, 1 or 2
        Edge border;
        int first, last;
    };
    const std::vector<Line> lines{{0, Edge::Right, 0, 9}, {0, Edge::Right, 31, 31}, {0, Edge::Right, 33, 39},
                                  {1, Edge::Left, 9, 13}, {1, Edge::Left, 20, 29},  {0, Edge::Left, 12, 29}};
    PictureContent c;
    c.columnWidths = {kColumnWidth, kColumnWidth};
    for (int r = 0; r < kRows; ++r) c.rowHeights.push_back(std::uint16_t(rowEdges[r + 1] - rowEdges[r]));
    c.styles = {{PictureStyle::kNoFill, 1u << int(Edge::Left), 0},
                {PictureStyle::kNoFill, 1u << int(Edge::Right), 0},
                {PictureStyle::kNoFill, 1u << int(Edge::Left) | 1u << int(Edge::Right), 0}};
    for (int r = 0; r < kRows; ++r) {
        c.rowStarts.push_back(std::uint32_t(c.cells.size()));
        for (const int column : {0, 1}) {
            int style = 0;
            for (const Line& line : lines)
                if (line.column == column && line.first <= r && r <= line.last)
                    style |= line.border == Edge::Left ? 1 : 2;
            if (style) c.cells.push_back({std::uint16_t(column), std::uint16_t(style - 1)});
        }
    }
    c.rowStarts.push_back(std::uint32_t(c.cells.size()));
    const VectorPicture picture(std::move(c));
    const QSize sheet = picture.sheetSize();

    for (const double scale : {0.04, 0.09, 0.13, 0.21, 0.37, 0.5, 1.0, 1.3})
        for (const double offset : {0.0, 0.3, 0.55, 0.9})
            for (const QRect& exposed : {QRect(0, 0, 90, 140), QRect(0, int(40 * scale), 90, int(60 * scale) + 1)}) {
                SCOPED_TRACE(testing::Message() << scale << " from " << offset << ", shown from " << exposed.top());
                const QRectF target(QPointF(offset, offset), QSizeF(picture.size()) * scale);
                const double sx = target.width() / sheet.width(), sy = target.height() / sheet.height();
                // Device pixels [from, to) of sheet pixels [v0, v1].
                const auto boundary = [&](double scale, int v) { return int(std::floor(offset + v * scale + 0.5)); };
                const auto span = [&](double scale, int v0, int v1) {
                    if (boundary(scale, v1 + 1) > boundary(scale, v0))
                        return std::pair{boundary(scale, v0), boundary(scale, v1 + 1)};
                    const int middle = int(std::floor(offset + (v0 + v1 + 1) * 0.5 * scale));
                    return std::pair{middle, middle + 1};
                };
                const QRect shown = exposed.intersected(
                    QRect(QPoint(boundary(sx, 0), boundary(sy, 0)),
                          QPoint(boundary(sx, sheet.width()) - 1, boundary(sy, sheet.height()) - 1)));
                QImage expected(90, 140, QImage::Format_RGB32), drawn = expected;
                expected.fill(Qt::white);
                drawn.fill(Qt::white);
                QPainter rule(&expected), painter(&drawn);
                for (const Line& line : lines) {
                    const int x = (line.column + (line.border == Edge::Right)) * kColumnWidth;
                    const auto [left, right] = span(sx, x, x);
                    for (int r = line.first; r <= line.last; ++r) {
                        const auto [top, bottom] = span(sy, rowEdges[r], rowEdges[r + 1]);
                        rule.fillRect(QRect(left, top, right - left, bottom - top).intersected(shown), Qt::black);
                    }
                }
                picture.paint(painter, target, exposed);
                rule.end(), painter.end();
                int differ = 0;
                for (int y = 0; y < drawn.height(); ++y)
                    for (int x = 0; x < drawn.width(); ++x)
                        differ += (drawn.pixel(x, y) == qRgb(0, 0, 0)) != (expected.pixel(x, y) == qRgb(0, 0, 0));
                EXPECT_EQ(differ, 0);
            }
}

TEST(SheetPicture, TheClipboardGetsTheVectorPictureAndABitmapBeside) {
    Worksheet sheet;
    draw(sheet, 3);
    copyPictureToClipboard(sheet, sheet.usedRange());
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(held && held->hasFormat(VectorPicture::mimeType()));
    const VectorPicture picture = VectorPicture::fromBytes(held->data(VectorPicture::mimeType()));
    EXPECT_EQ(held->imageData().value<QImage>(), picture.toImage());
    EXPECT_EQ(picture.toImage(), drawRange(sheet, sheet.usedRange()));
}

// Pictures that once broke the loader or the drawing, found by fuzz/picture_fuzzer,
// are drawn as it draws them: squeezed into a small square, and enlarged.
TEST(PictureFile, InputsThatOnceBrokeItAreRefusedOrDrawn) {
    const QDir folder(QStringLiteral(KINLOOM_PICTURE_REGRESSIONS));
    const QStringList inputs = folder.entryList(QDir::Files);
    ASSERT_FALSE(inputs.isEmpty());
    for (const QString& name : inputs) {
        SCOPED_TRACE(name.toStdString());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        try {
            const VectorPicture picture = VectorPicture::fromBytes(file.readAll());
            QImage image(64, 64, QImage::Format_RGB32);
            QPainter painter(&image);
            picture.paint(painter, QRectF(0, 0, 64, 64), image.rect());
            picture.paint(painter, QRectF(QPointF(-32, -32), QSizeF(picture.size() * 4)), image.rect());
        } catch (const core::Error&) {}
    }
}

// The file holds exactly what was drawn; anything cut short, lengthened or
// out of range is refused with a reason, never drawn in part.
TEST(PictureFile, RoundTripsAndRefusesDamagedOrForeignFiles) {
    registerSheetFonts();
    Worksheet sheet;
    draw(sheet, 3);
    const VectorPicture picture = pictureOfRange(sheet, sheet.usedRange());
    const QByteArray bytes = picture.toBytes();
    EXPECT_EQ(VectorPicture::fromBytes(bytes).toImage(), picture.toImage());

    const auto refused = [](const QByteArray& damaged) {
        try {
            VectorPicture::fromBytes(damaged);
        } catch (const core::Error& e) {
            return !e.description().isEmpty();
        }
        return false;
    };
    for (qsizetype length = 0; length < bytes.size(); ++length)
        ASSERT_TRUE(refused(bytes.left(length))) << "cut at " << length;
    EXPECT_TRUE(refused(bytes + '\0'));
    EXPECT_TRUE(refused(QByteArray("BM") + bytes.mid(2))); // a bitmap's header
    const auto patched = [&](qsizetype at, QByteArray with) {
        return QByteArray(bytes).replace(at, with.size(), with);
    };
    EXPECT_TRUE(refused(patched(8, QByteArray::fromHex("0200"))));      // another version
    EXPECT_TRUE(refused(patched(10, QByteArray::fromHex("04000000")))); // one column more than there are widths
    // A count of four thousand million: refused before room is made for it,
    // as a process with half a gigabyte to spend sees.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit room{512u << 20, 512u << 20};
        ::setrlimit(RLIMIT_AS, &room);
        try {
            ::_exit(refused(patched(10, QByteArray::fromHex("FFFFFFFF"))) ? 0 : 1);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;

    // Content that does not hold together, however it was read.
    const auto sound = [] {
        PictureContent c;
        c.columnWidths = {64, 64};
        c.rowHeights = {17, 17};
        c.styles = {PictureStyle{1, 0x0F, 0xFF99CC00}};
        c.rowStarts = {0, 1, 2};
        c.cells = {{0, 0}, {1, 0}};
        c.merges = {QRect(0, 0, 2, 1)};
        c.texts = {PictureText{QRect(0, 0, 2, 1), QStringLiteral("Title"), QStringLiteral("Tahoma"), 27}};
        return c;
    };
    EXPECT_NO_THROW(VectorPicture{sound()});
    const std::vector<std::pair<const char*, std::function<void(PictureContent&)>>> damages = {
        {"no columns", [](PictureContent& c) { c.columnWidths.clear(); }},
        {"a row taller than any sheet has", [](PictureContent& c) { c.rowHeights[0] = 5000; }},
        {"a cell beyond the last column", [](PictureContent& c) { c.cells[1].column = 2; }},
        {"a style that is not there", [](PictureContent& c) { c.cells[0].style = 1; }},
        {"rows that do not add up to the cells",
         [](PictureContent& c) {
             c.rowStarts = {0, 2, 1};
         }},
        {"cells out of column order",
         [](PictureContent& c) {
             c.rowStarts = {0, 2, 2}, c.cells = {{1, 0}, {0, 0}};
         }},
        {"a merged area beyond the grid", [](PictureContent& c) { c.merges[0] = QRect(1, 1, 2, 1); }},
        {"a text beyond the grid", [](PictureContent& c) { c.texts[0].area = QRect(0, 2, 1, 1); }},
        {"a text of no size", [](PictureContent& c) { c.texts[0].pixelSize = 0; }},
        {"a font name of 256 characters", [](PictureContent& c) { c.texts[0].fontName = QString(256, u'F'); }},
        {"a text one character too long",
         [](PictureContent& c) { c.texts[0].text = QString(xl::kMaxTextLength + 1, u'x'); }},
    };
    for (const auto& [what, damage] : damages) {
        PictureContent c = sound();
        damage(c);
        EXPECT_THROW(VectorPicture{std::move(c)}, core::Error) << what;
    }
    // Up to the bounds, and in any shape, content is taken and its file read back.
    const std::vector<std::pair<const char*, std::function<void(PictureContent&)>>> bounds = {
        {"a font name of 255 characters", [](PictureContent& c) { c.texts[0].fontName = QString(255, u'F'); }},
        {"a text of the longest length", [](PictureContent& c) { c.texts[0].text = QString(xl::kMaxTextLength, u'x'); }},
        {"one row of forty cells and nothing else",
         [](PictureContent& c) {
             c.columnWidths.assign(40, 64), c.rowHeights = {17}, c.rowStarts = {0, 40};
             c.cells.clear(), c.merges.clear(), c.texts.clear();
             for (std::uint16_t column = 0; column < 40; ++column) c.cells.push_back({column, 0});
         }},
    };
    for (const auto& [what, shape] : bounds) {
        PictureContent c = sound();
        shape(c);
        try {
            const VectorPicture picture{std::move(c)};
            EXPECT_EQ(VectorPicture::fromBytes(picture.toBytes()).toImage(), picture.toImage()) << what;
        } catch (const core::Error& e) {
            ADD_FAILURE() << what << ": " << e.what();
        }
    }
}

namespace {

// A grid of 12 columns of 173 pixels and 30 rows of 17, with one text in
// the area given.
VectorPicture pictureWithText(const QRect& area, const QString& text, PictureText::Alignment alignment) {
    PictureContent c;
    c.columnWidths.assign(12, 173);
    c.rowHeights.assign(30, 17);
    c.rowStarts.assign(31, 0);
    if (area.width() > 1) c.merges = {area};
    c.texts = {PictureText{area, text, QStringLiteral("Tahoma"), 13, 0xFF000000, alignment}};
    return VectorPicture(std::move(c));
}

// What the preview's viewport shows of it at the zoom.
QImage viewOf(const VectorPicture& picture, double zoom) {
    QImage image(622, 495, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(picture.size()) * zoom), image.rect());
    return image;
}

} // namespace

// A text of 32,767 characters is laid out only as far as it can show, and
// shows as a text of no more than what its view can hold: in a cell and
// across an area wider than the view, left and right aligned, read left to
// right and right to left, at zoom 1 and 2.
TEST(SheetPicture, ALongTextShowsAsMuchAsItsViewHolds) {
    registerSheetFonts();
    QString latin, hebrew;
    for (int i = 0; i < 32767; ++i) {
        latin += QChar(u'A' + i % 26);
        hebrew += QChar(0x05D0 + i % 27);
    }
    using A = PictureText::Alignment;
    struct Case {
        QRect area;
        A alignment;
        QString text;
        QString enough; // a part no shorter than what shows
    };
    const QRect cell(1, 1, 1, 1), wide(0, 3, 12, 1);
    for (const Case& c : {Case{cell, A::Left, latin, latin.left(40)}, Case{cell, A::Right, latin, latin.right(40)},
                          Case{cell, A::Left, hebrew, hebrew.right(40)}, Case{wide, A::Left, latin, latin.left(80)},
                          Case{wide, A::Right, latin, latin.right(400)}, Case{wide, A::Right, hebrew, hebrew.left(400)},
                          Case{wide, A::Center, latin.left(300), latin.left(300)}}) {
        for (const double zoom : {1.0, 2.0}) {
            SCOPED_TRACE(
                QStringLiteral("%1 %2 at %3").arg(c.area.width()).arg(int(c.alignment)).arg(zoom).toStdString());
            const QImage whole = viewOf(pictureWithText(c.area, c.text, c.alignment), zoom);
            EXPECT_EQ(whole, viewOf(pictureWithText(c.area, c.enough, c.alignment), zoom));
            EXPECT_NE(whole, viewOf(pictureWithText(c.area, QString(), c.alignment), zoom)); // something shows
        }
    }
}

// The loader judges a file before reading it: a regular file no larger than
// a chart's picture can be; the largest chart's picture is taken.
TEST(PictureFile, TheLoaderRefusesWhatNoChartMakesBeforeReadingIt) {
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("large.bmp"));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxPictureFileBytes + 1)); // sparse: no room taken
    file.close();
    const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const auto& [path, message] :
         {std::pair{large,
                    QStringLiteral("'%1' is too large: %2 bytes, where at most %3 are read.")
                        .arg(large)
                        .arg(kMaxPictureFileBytes + 1)
                        .arg(kMaxPictureFileBytes)},
          std::pair{pipe, QStringLiteral("'%1' cannot be opened: it is a named pipe.").arg(pipe)}}) {
        try {
            readPictureFile(path);
            ADD_FAILURE() << "read " << path.toStdString();
        } catch (const core::Error& e) {
            EXPECT_EQ(e.description(), message);
        }
    }

    // Fifteen generations, each box's label as long as a GEDCOM line with its number and years.
    Worksheet sheet;
    draw(sheet, 15);
    chart::writeBoxTexts(*chart::automation::wrapEngineWorksheet(sheet), 15,
                         {true, std::vector<QString>(std::size_t(1) << 15, QString(300, QLatin1Char('x')))});
    const QString largest = dir.filePath(QStringLiteral("temp.bmp"));
    QFile out(largest);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(pictureOfRange(sheet, sheet.usedRange()).toBytes());
    out.close();
    EXPECT_EQ(readPictureFile(largest).content().texts.size(), 32769u);
}

namespace {

// A paint device that draws nothing and counts what it is asked to draw.
class CountingEngine : public QPaintEngine {
public:
    int operations = 0;
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawRects(const QRect*, int count) override { operations += count; }
    void drawRects(const QRectF*, int count) override { operations += count; }
    void drawPath(const QPainterPath&) override { ++operations; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++operations; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++operations; }
    void drawTextItem(const QPointF&, const QTextItem&) override { ++operations; }
    Type type() const override { return QPaintEngine::User; }
};

class CountingDevice : public QPaintDevice {
public:
    explicit CountingDevice(QSize size) : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    int operations() const { return m_engine.operations; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return 1;
        }
    }

private:
    QSize m_size;
    mutable CountingEngine m_engine;
};

} // namespace

// A view of the last rows of a 15-generation chart costs what the first rows
// do: only the rows that show are gone through, not the 32,000 above them.
TEST(SheetPicture, APaintGoesThroughTheRowsThatShowAlone) {
    Worksheet sheet;
    draw(sheet, 15);
    const VectorPicture picture = pictureOfRange(sheet, sheet.usedRange());
    const QSize size = picture.size();
    const auto operationsFor = [&](const QRect& exposed) {
        CountingDevice device(size);
        QPainter painter(&device);
        picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), exposed);
        painter.end();
        return device.operations();
    };
    const int top = operationsFor(QRect(0, 0, size.width(), 500));
    const int bottom = operationsFor(QRect(0, size.height() - 500, size.width(), 500));
    EXPECT_GT(top, 0);
    EXPECT_LT(bottom, 4 * top) << "top " << top;
}
