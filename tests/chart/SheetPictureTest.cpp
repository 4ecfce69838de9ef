#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "spreadsheet/SheetPicture.h"
#include "spreadsheet/Worksheet.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <vector>

using namespace spreadsheet;

namespace {

const QRgb kLime = qRgb(153, 204, 0);

void draw(Worksheet& sheet, int generations) {
    chart::executeLayout(*chart::automation::wrapEngineWorksheet(sheet),
                         chart::BuildChartLayout(QStringLiteral("Halvarsen"), QString::number(generations)));
}

// The connected areas of one colour, each as its bounding rectangle.
std::vector<QRect> regionsOf(const QImage& image, QRgb color) {
    std::vector<QRect> regions;
    std::vector<char> seen(static_cast<std::size_t>(image.width()) * image.height(), 0);
    std::vector<QPoint> todo;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || image.pixel(x, y) != color) continue;
            QRect box(x, y, 1, 1);
            todo.push_back({x, y});
            seen[y * image.width() + x] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                box = box.united(QRect(p, QSize(1, 1)));
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= image.width() || q.y() >= image.height()) continue;
                    auto& mark = seen[q.y() * image.width() + q.x()];
                    if (!mark && image.pixel(q) == color) mark = 1, todo.push_back(q);
                }
            }
            regions.push_back(box);
        }
    }
    return regions;
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
            const int column = k;  // index within the used range, which starts at column B
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
