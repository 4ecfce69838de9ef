#include "FileFormats.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace preview {

namespace {

struct SaveFilter {
    const char* description;
    const char* pattern;
    chart::ChartFileFormat format;
};

// In the dialog's order.
constexpr std::array kFilters{
    SaveFilter{QT_TRANSLATE_NOOP("Form2", "Excel Files (*.xls)"), "*.xls", chart::ChartFileFormat::Xls},
    SaveFilter{QT_TRANSLATE_NOOP("Form2", "Excel Workbook (*.xlsx)"), "*.xlsx", chart::ChartFileFormat::Xlsx},
    SaveFilter{QT_TRANSLATE_NOOP("Form2", "OpenDocument Spreadsheet (*.ods)"), "*.ods", chart::ChartFileFormat::Ods},
    SaveFilter{QT_TRANSLATE_NOOP("Form2", "PDF Document (*.pdf)"), "*.pdf", chart::ChartFileFormat::Pdf},
    SaveFilter{QT_TRANSLATE_NOOP("Form2", "SVG Picture (*.svg)"), "*.svg", chart::ChartFileFormat::Svg},
    SaveFilter{QT_TRANSLATE_NOOP("Form2", "PNG Picture (*.png)"), "*.png", chart::ChartFileFormat::Png},
};

} // namespace

QString saveDialogFilter() {
    QString filter;
    for (const SaveFilter& entry : kFilters)
        filter += QCoreApplication::translate("Form2", entry.description) + QLatin1Char('|')
            + QLatin1String(entry.pattern) + QLatin1Char('|');
    return filter;
}

chart::ChartFileFormat saveFormatFor(const QString& chosen, int filterIndex) {
    if (const std::optional<chart::ChartFileFormat> named = chart::chartFileFormatOf(chosen)) return *named;
    return kFilters[std::clamp(filterIndex, 1, static_cast<int>(kFilters.size())) - 1].format;
}

} // namespace preview
