// Labels read whole: box columns grow until their widest label shows with
// room on both sides, in the picture and in a spreadsheet.
#include "chart/AncestorBoxes.h"
#include "chart/BoxTexts.h"
#include "chart/ChartLayout.h"
#include "chart/EngineAutomation.h"
#include "chart/ExecuteOperation.h"
#include "chart/PictureExport.h"
#include "spreadsheet/ColumnFit.h"
#include "spreadsheet/ColumnWidth.h"
#include "spreadsheet/SheetPicture.h"
#include "spreadsheet/Worksheet.h"

#include <gtest/gtest.h>

#include "tests/support/PictureRegions.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>

using namespace chart;

namespace {

const QRgb kLime = qRgb(153, 204, 0);

int columnPixels(double characters) { return spreadsheet::columnWidthPixels(characters); }

// Labels of very different lengths, the longest in the oldest generations.
BoxLabels longLabels(int generations) {
    BoxLabels labels{true, std::vector<QString>(std::size_t(1) << generations)};
    for (std::size_t n = 1; n < labels.labelByNumber.size(); ++n)
        labels.labelByNumber[n] = QStringLiteral("Kristoffersdatter %1 Bjørnstad-Halvorsen (c. 1765–bef. 1834)")
                                      .arg(QString(static_cast<qsizetype>(n % 7), QLatin1Char('W')));
    return labels;
}

// The texts of an SVG document by their anchor point, each with its font list.
struct SvgText {
    QString text;
    QPoint at;
    QString fonts;
};
std::vector<SvgText> svgTexts(const QByteArray& svg) {
    std::vector<SvgText> texts;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text")) continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QPoint at(a.value(QStringLiteral("x")).toDouble(), a.value(QStringLiteral("y")).toDouble());
        const QString fonts = a.value(QStringLiteral("font-family")).toString();
        texts.push_back({xml.readElementText(QXmlStreamReader::IncludeChildElements), at, fonts});
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

} // namespace

// Labels that mix scripts, in the SVG as librsvg draws it without Tahoma, in
// DejaVu Sans: each label one text element that falls back as a whole, so
// it stands in its box, as long as that face makes it, its words apart.
TEST(BoxLabels, SvgLabelsMixingScriptsReadWholeInAnotherRenderer) {
    spreadsheet::registerSheetFonts();
    const BoxLabels labels{false,
                           {QString(), QStringLiteral("Wilhelmina Augusta Зыкова (1846–1891)"),
                            QStringLiteral("Konstantinos Alexandros Παπαδόπουλος (1801–1860)"),
                            QStringLiteral("Angeline Margaret Davis-Зыкова (b. 1805)")}};
    spreadsheet::Worksheet sheet;
    const auto automation = automation::wrapEngineWorksheet(sheet);
    executeLayout(*automation, BuildChartLayout(QStringLiteral("Зыкова"), QStringLiteral("3")));
    writeBoxTexts(*automation, 3, labels);
    const spreadsheet::VectorPicture picture = spreadsheet::pictureOfRange(sheet, sheet.usedRange());
    const QByteArray svg = exportedPictureBytes(picture, PictureFileKind::Svg);

    std::map<QString, SvgText> shown;
    for (const SvgText& text : svgTexts(svg)) {
        EXPECT_TRUE(text.fonts.contains(QLatin1String("'DejaVu Sans', sans-serif"))) << text.fonts.toStdString();
        shown[text.text] = text;
    }
    EXPECT_EQ(shown.size(), picture.content().texts.size()) << "one element a text";

    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("chart.svg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size());
    file.close();
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const QSize size = picture.sheetSize();
    ASSERT_EQ(QProcess::execute(QStringLiteral("rsvg-convert"),
                                {QStringLiteral("-w"), QString::number(size.width()), QStringLiteral("-h"),
                                 QString::number(size.height()), QStringLiteral("-o"), png, file.fileName()}),
              0);
    const QImage drawn(png);
    const std::vector<QRect> boxes = regionsOf(drawn, kLime);
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setPixelSize(13);
    for (std::size_t n = 1; n < labels.labelByNumber.size(); ++n) {
        const QString& label = labels.labelByNumber[n];
        SCOPED_TRACE(label.toStdString());
        ASSERT_EQ(shown.count(label), 1u);
        const QPoint at = shown[label].at;
        const auto box =
            std::find_if(boxes.begin(), boxes.end(), [&](const QRect& b) { return b.contains(at.x(), at.y() - 4); });
        ASSERT_NE(box, boxes.end());
        int first = drawn.width(), last = -1;
        for (int y = box->top(); y <= box->bottom(); ++y)
            for (int x = box->left(); x <= box->right() + 8; ++x)
                if (qGray(drawn.pixel(x, y)) < 100 && x != box->right() + 1)
                    first = std::min(first, x), last = std::max(last, x);
        EXPECT_LT(last, box->right()) << "no ink at or past the box's edge";
        EXPECT_GE(first, box->left() + 1);
        EXPECT_NEAR(last - first + 1, QFontMetrics(face).horizontalAdvance(label), 4) << "laid out as one";
    }
}

// In the picture of a filled chart, each box's last pixels before its right
// edge are the box's own fill: no text reaches the edge, in any column.
TEST(BoxLabels, NoBoxTextReachesItsRightEdgeInThePicture) {
    spreadsheet::registerSheetFonts();
    const int generations = 7;
    spreadsheet::Worksheet sheet;
    const auto automation = automation::wrapEngineWorksheet(sheet);
    executeLayout(*automation, BuildChartLayout(QStringLiteral("Anna"), QString::number(generations)));
    writeBoxTexts(*automation, generations, longLabels(generations));

    const spreadsheet::CellRange used = sheet.usedRange();
    const QImage picture = spreadsheet::drawRange(sheet, used);
    const spreadsheet::PictureGrid grid = spreadsheet::pictureGrid(sheet, used);
    for (const AncestorBox& box : ancestorBoxes(generations)) {
        const int left = grid.columnEdges[box.column - used.firstColumn];
        const int right = grid.columnEdges[box.column - used.firstColumn + 1];
        const int top = grid.rowEdges[box.row - used.firstRow];
        const int bottom = grid.rowEdges[box.row - used.firstRow + 1];
        int inked = 0;
        for (int y = top + 2; y < bottom - 1; ++y) {
            for (int x = left + 2; x < right; ++x)
                if (picture.pixel(x, y) != kLime) ++inked;
            for (int x = right - 3; x < right; ++x)
                ASSERT_EQ(picture.pixel(x, y), kLime) << "box " << box.number << " at x " << x - left << ", y " << y;
        }
        EXPECT_GT(inked, 50) << "box " << box.number << " shows no text";
    }
}

// Columns grow to their widest label, the narrowest width that shows it;
// none narrows, and merged texts (the title) do not count, as in a
// spreadsheet's own fit.
TEST(BoxLabels, ColumnsGrowToTheirWidestTextAndNeverNarrow) {
    spreadsheet::Worksheet sheet;
    const auto automation = automation::wrapEngineWorksheet(sheet);
    executeLayout(*automation, BuildChartLayout(QString(200, QLatin1Char('M')), QStringLiteral("7")));
    const QString wide = QStringLiteral("Kristoffersdatter Marie-Louise Bjørnstad-Halvorsen (c. 1765–bef. 1834)");
    sheet.setValue({5, 2, 5, 2}, QStringLiteral("short"));
    sheet.setValue({6, 3, 6, 3}, wide);
    sheet.setValue({8, 7, 8, 7}, QStringLiteral("64")); // a default-width column
    // Numbers alone, the first too short to count, the second wider than its column.
    const QString number = QStringLiteral("1234567890 1234567890");
    sheet.setValue({5, 8, 5, 8}, QStringLiteral("7"));
    sheet.setValue({9, 8, 9, 8}, number);
    automation->widenColumnsToTexts({1, 2, spreadsheet::kMaxRows, 8});

    EXPECT_EQ(sheet.columnWidth(2), 24.0); // short text, long title over it
    EXPECT_FALSE(sheet.hasCustomWidth(7));
    for (const auto& [column, shown] : {std::pair{3, wide}, {8, number}}) {
        const int text = spreadsheet::textWidthPixels(shown, QStringLiteral("Tahoma"), 10);
        const double grown = sheet.columnWidth(column);
        EXPECT_GE(columnPixels(grown), text + 8) << column;
        EXPECT_LT(columnPixels(grown - 1), text + 8) << column;
    }

    // The width for any text: the narrowest whole width that gives it its
    // room, up to the widest column (255 characters, 1,790 pixels).
    for (int pixels = 0; pixels <= 1782; ++pixels) {
        const double width = spreadsheet::columnWidthShowing(pixels);
        ASSERT_EQ(width, std::floor(width));
        ASSERT_GE(columnPixels(width), pixels + 8) << pixels;
        if (width >= 1) {
            ASSERT_LT(columnPixels(width - 1), pixels + 8) << pixels;
        }
    }
    for (const int pixels : {1783, 5000}) EXPECT_EQ(spreadsheet::columnWidthShowing(pixels), 255.0);
}

// Which texts a fit counts: those of the columns asked for, from the first
// row to the last, each measured in its own font and size; columns outside
// keep their width however wide their texts.
TEST(BoxLabels, AFitMeasuresEveryTextOfItsColumnsInItsOwnSize) {
    spreadsheet::registerSheetFonts();
    spreadsheet::Worksheet sheet;
    const QString wide = QStringLiteral("Kristoffersdatter Bjørnstad-Halvorsen (c. 1765–bef. 1834)");
    const struct {
        int row;
        int column;
        double points;
    } texts[] = {{1, 1, 10}, {1, 2, 10}, {40, 3, 20}, {40, 4, 10}, {300, 5, 10}, {40, 6, 10}};
    for (const auto& t : texts) {
        sheet.setValue(spreadsheet::CellRange::cell(t.row, t.column), wide);
        sheet.setFontSize(spreadsheet::CellRange::cell(t.row, t.column), t.points);
    }
    spreadsheet::widenColumnsToTexts(sheet, 2, 5);
    EXPECT_FALSE(sheet.hasCustomWidth(1));
    EXPECT_FALSE(sheet.hasCustomWidth(6));
    const int text = spreadsheet::textWidthPixels(wide, QStringLiteral("Tahoma"), 10);
    for (const int column : {2, 4, 5}) {
        SCOPED_TRACE(column);
        EXPECT_GE(columnPixels(sheet.columnWidth(column)), text + 8);
        EXPECT_LT(columnPixels(sheet.columnWidth(column) - 1), text + 8);
    }
    EXPECT_GT(columnPixels(sheet.columnWidth(3)), 2 * text - 20); // twice the size, about twice as wide
}
