#pragma once

// Charts to print, and the pages of a PDF.
#include "chart/Automation.h"
#include "chart/ChartLayout.h"
#include "chart/ExecuteOperation.h"

#include <QByteArray>
#include <QRegularExpression>

// The picture of a blank chart of so many generations, as the build run hands it over.
inline spreadsheet::VectorPicture chartOf(const char* generations) {
    auto application = chart::automation::createApplication();
    auto workbook = application->workbooks().add();
    auto& sheet = workbook->activeSheet();
    chart::executeLayout(sheet, chart::BuildChartLayout(QStringLiteral("Halvarsen"), QString::fromLatin1(generations)));
    const auto used = sheet.usedRange();
    return sheet.picture({used.row, used.column, used.lastRow(), used.lastColumn()});
}

// The pages of a PDF file Qt wrote, by its page objects.
inline int pageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}
