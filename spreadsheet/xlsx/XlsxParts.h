#pragma once

#include "spreadsheet/ZipParts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The parts of an .xlsx package a sheet's cells refer to.
namespace spreadsheet::xlsx {

// The part a relationship of `source` of the given type (its last word,
// "worksheet", "sharedStrings", ...) leads to, its target resolved as
// package parts are named: from the root when it begins with '/', else from
// the source's folder. With an id, the relationship of that id.
std::optional<QString> relatedPart(const ZipParts& package, const QString& source, QStringView type,
                                   const QString& id = {});

// The workbook part the package's root relationships name.
std::optional<QString> workbookPart(const ZipParts& package);

struct FirstSheet {
    QString name;
    QString part;
};

// The workbook's first sheet, in the workbook's order.
std::optional<FirstSheet> firstSheet(const ZipParts& package, const QString& workbook);

// The shared strings, each its runs joined, phonetic runs left out.
std::vector<QString> sharedStrings(const ZipParts& package, const QString& workbook);

// Whether each cell format (by index) fills its cells.
std::vector<bool> fillingFormats(const ZipParts& package, const QString& workbook);

} // namespace spreadsheet::xlsx
