#include "SaveFormats.h"

#include <QCoreApplication>

#include <algorithm>

namespace preview {

namespace {

constexpr int kFormatCount = static_cast<int>(chart::ChartFileFormat::Png) + 1;

} // namespace

QString saveDialogFilter() {
    const auto entry = [](const char* description, const char* pattern) {
        return QCoreApplication::translate("Form2", description) + QLatin1Char('|') + QLatin1String(pattern)
            + QLatin1Char('|');
    };
    return entry(QT_TRANSLATE_NOOP("Form2", "Excel Files (*.xls)"), "*.xls")
        + entry(QT_TRANSLATE_NOOP("Form2", "Excel Workbook (*.xlsx)"), "*.xlsx")
        + entry(QT_TRANSLATE_NOOP("Form2", "OpenDocument Spreadsheet (*.ods)"), "*.ods")
        + entry(QT_TRANSLATE_NOOP("Form2", "PDF Document (*.pdf)"), "*.pdf")
        + entry(QT_TRANSLATE_NOOP("Form2", "SVG Picture (*.svg)"), "*.svg")
        + entry(QT_TRANSLATE_NOOP("Form2", "PNG Picture (*.png)"), "*.png");
}

chart::ChartFileFormat saveFormatFor(const QString& chosen, int filterIndex) {
    if (const std::optional<chart::ChartFileFormat> named = chart::chartFileFormatOf(chosen)) return *named;
    return static_cast<chart::ChartFileFormat>(std::clamp(filterIndex, 1, kFormatCount) - 1);
}

} // namespace preview
