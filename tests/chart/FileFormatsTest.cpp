// The one table of the files a chart is written as: the extension a name
// ends in names its type in every route, and the Save dialog offers what the
// table lists, in its order.
#include "chart/FileFormats.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(FileFormats, TheExtensionNamesTheTypeInAnyCase) {
    const std::pair<const char*, std::optional<ChartFileFormat>> names[] = {
        {"chart.xls", ChartFileFormat::Xls},
        {"/a.b/chart.XLSX", ChartFileFormat::Xlsx},
        {"chart.Ods", ChartFileFormat::Ods},
        {"p.SVG", ChartFileFormat::Svg},
        {"p.pdf", ChartFileFormat::Pdf},
        {"p.png", ChartFileFormat::Png},
        {"p.bmp", ChartFileFormat::Bitmap},
        {"chart.xlsx.bak", std::nullopt},
        {"chart", std::nullopt},
        {"xlsx", std::nullopt},
        {"Weaver Jr.", std::nullopt},
    };
    for (const auto& [path, format] : names) {
        const ChartFileType* type = chartFileTypeOf(QString::fromUtf8(path));
        EXPECT_EQ(type ? std::optional(type->format) : std::nullopt, format) << path;
    }
    EXPECT_EQ(chartFileType(ChartFileFormat::Ods).kind, ChartFileKind::Workbook);
    EXPECT_EQ(chartFileType(ChartFileFormat::Bitmap).kind, ChartFileKind::Picture);
}

TEST(FileFormats, TheSaveDialogOffersTheTableAndATypedExtensionOnlyWhereItIsOffered) {
    EXPECT_EQ(saveDialogFilter(),
              QStringLiteral("Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|"
                             "OpenDocument Spreadsheet (*.ods)|*.ods|PDF Document (*.pdf)|*.pdf|"
                             "SVG Picture (*.svg)|*.svg|PNG Picture (*.png)|*.png|"));
    struct Case {
        const char* chosen;
        int filter;
        ChartFileFormat saved;
    };
    for (const Case& c : {Case{"a.ods", 1, ChartFileFormat::Ods}, Case{"a.bmp", 2, ChartFileFormat::Xlsx},
                          Case{"a", 0, ChartFileFormat::Xls}, Case{"a", 9, ChartFileFormat::Png}})
        EXPECT_EQ(saveFormatFor(QString::fromLatin1(c.chosen), c.filter), c.saved) << c.chosen << " " << c.filter;
}
