// The chart as a picture: the pages of its PDF, and which texts it shows.
#include "chart/PictureExport.h"
#include "spreadsheet/VectorPicture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>

using namespace chart;

namespace {

int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// A picture one column wide of rows of the heights given, in sheet pixels.
spreadsheet::VectorPicture rowsOf(std::vector<std::uint16_t> heights) {
    spreadsheet::PictureContent content;
    content.columnWidths = {100};
    content.rowStarts.assign(heights.size() + 1, 0);
    content.rowHeights = std::move(heights);
    return spreadsheet::VectorPicture(std::move(content));
}

std::vector<std::uint16_t> rows(std::size_t count, std::uint16_t height) {
    return std::vector<std::uint16_t>(count, height);
}

template <typename... Parts>
std::vector<std::uint16_t> joined(const Parts&... parts) {
    std::vector<std::uint16_t> all;
    (all.insert(all.end(), parts.begin(), parts.end()), ...);
    return all;
}

} // namespace

// An A4 landscape page with margins of an inch above and below holds 451.3
// points of rows, 601.7 sheet pixels at 0.75 point each: whole rows and the
// line that closes the last of them. A row taller than a page has one of its
// own.
TEST(PictureExport, APageHoldsWholeRowsAndTheLineClosingTheLastOfThem) {
    const struct {
        const char* what;
        std::vector<std::uint16_t> heights;
        int pages;
    } cases[] = {
        {"30 rows of 20 and their line: 601", rows(30, 20), 1},
        {"31 rows of 20", rows(31, 20), 2},
        {"a row of 1 and 30 of 20: 601 and the line beyond", joined(rows(1, 1), rows(30, 20)), 2},
        {"60 rows of 20", rows(60, 20), 2},
        {"61 rows of 20", rows(61, 20), 3},
        {"a row taller than a page, then one", {700, 20}, 2},
        {"one row", {20}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pageCount(exportedPictureBytes(rowsOf(c.heights), PictureFileKind::Pdf)), c.pages) << c.what;
}

namespace {

// Dark pixels inside the one cell of a picture holding a text: its ink.
int inkOfTextInCell(int width, int height) {
    spreadsheet::PictureContent content;
    content.columnWidths = {static_cast<std::uint16_t>(width)};
    content.rowHeights = {static_cast<std::uint16_t>(height)};
    content.rowStarts = {0, 0};
    spreadsheet::PictureText text;
    text.area = QRect(0, 0, 1, 1);
    text.text = QStringLiteral("MMMMMMMM");
    text.fontName = QStringLiteral("DejaVu Sans");
    content.texts.push_back(text);
    const QImage image = spreadsheet::VectorPicture(std::move(content)).toImage();
    int ink = 0;
    for (int y = 1; y < height; ++y)
        for (int x = 1; x < width; ++x) ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

} // namespace

// Texts in areas under 5 pixels a side are not drawn: a column of 6 pixels
// (5 inside its grid lines) shows its text, one of 5 does not; so for rows.
TEST(SheetPictureTexts, AreDrawnFromAreasOfFivePixelsASide) {
    const struct {
        int width, height;
        bool drawn;
    } cases[] = {{6, 20, true}, {5, 20, false}, {40, 6, true}, {40, 5, false}};
    for (const auto& c : cases)
        EXPECT_EQ(inkOfTextInCell(c.width, c.height) > 0, c.drawn) << c.width << "x" << c.height;
}
