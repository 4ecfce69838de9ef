#include "ChartFamily.h"

#include "LabelReading.h"

#include "files/Error.h"
#include "gedcom/GedcomError.h"
#include "gedcom/PersonName.h"
#include "gedcom/Warnings.h"
#include "spreadsheet/CellRange.h"

#include <algorithm>

namespace chart {

namespace {

using files::Phrase;

// Where a text stands, as a warning names it: its cell, or its box where it has none.
Phrase placeOf(const PlacedText& text) {
    if (text.row > 0) return spreadsheet::columnName(text.column) + QString::number(text.row);
    return Phrase(QT_TRANSLATE_NOOP("files::Error", "box %1"), {text.number});
}

void warn(gedcom::Warnings& warnings, gedcom::WarningKind kind, const PlacedText& at, const char* text) {
    warnings.add(kind, 0, Phrase("%1: %2", {placeOf(at), Phrase(text, {gedcom::shown(at.text, 60)})}));
}

gedcom::Sex sexOf(std::size_t number) {
    if (number == 1) return gedcom::Sex::Unknown;
    return number % 2 == 0 ? gedcom::Sex::Male : gedcom::Sex::Female;
}

gedcom::PedigreePerson personOf(const BoxLabel& label, std::size_t number) {
    return {label.nameForGedcom(), sexOf(number), label.birthDate, label.deathDate};
}

// A box without a person of its own holds the line when someone stands behind it.
void holdTheLines(gedcom::PedigreePeople& people) {
    for (std::size_t number = people.size() - 1; number >= 1; --number) {
        const std::size_t father = 2 * number;
        const bool behind = (father < people.size() && people[father])
            || (father + 1 < people.size() && people[father + 1]);
        if (!people[number] && behind) people[number] = gedcom::PedigreePerson{{}, sexOf(number), {}, {}};
    }
}

} // namespace

int ChartFamily::personCount() const {
    return static_cast<int>(std::count_if(people.begin(), people.end(), [](const auto& p) { return p.has_value(); }));
}

ChartFamily familyOfChart(const ChartOnSheet& chart, const QString& fileName) {
    ChartFamily family;
    family.generations = static_cast<int>(chart.boxColumns);
    family.people.resize(std::size_t(1) << chart.boxColumns);
    gedcom::Warnings warnings(fileName);
    for (const PlacedText& box : chart.boxTexts) {
        const BoxLabel label = readBoxLabel(box.text, box.number);
        if (label.reading == LabelReading::OtherNumber)
            warn(warnings, gedcom::WarningKind::OtherNumber, box,
                 QT_TRANSLATE_NOOP("files::Error",
                                   "\"%1\" begins with a number that is not this box's; it is kept "
                                   "in the name"));
        if (label.reading == LabelReading::NotWhole)
            warn(warnings, gedcom::WarningKind::UnreadLabel, box,
                 QT_TRANSLATE_NOOP("files::Error",
                                   "\"%1\" cannot be read as a name with years; it is kept whole "
                                   "as the name"));
        if (!label.isEmpty()) family.people[box.number] = personOf(label, box.number);
        if (box.number == 1) family.rootName = gedcom::readableName(label.name);
    }
    for (const PlacedText& text : chart.outside)
        warn(warnings, gedcom::WarningKind::OutsideBoxes, text,
             QT_TRANSLATE_NOOP("files::Error", "\"%1\" stands in no box and is left out"));
    if (!family.people[1] && !chart.titleName.isEmpty()) {
        family.people[1] = gedcom::PedigreePerson{gedcomName(chart.titleName), gedcom::Sex::Unknown, {}, {}};
        family.rootName = chart.titleName;
    }
    holdTheLines(family.people);
    family.warnings = warnings.lines();
    return family;
}

ChartFamily familyOfLabels(const std::vector<QString>& labelByNumber, const QString& titleName, long long boxColumns,
                           const QString& fileName) {
    ChartOnSheet chart{titleName, QString::number(boxColumns), boxColumns, {}, {}};
    const std::size_t boxes = std::size_t(1) << boxColumns;
    for (std::size_t number = 1; number < std::min(boxes, labelByNumber.size()); ++number)
        if (!labelByNumber[number].isEmpty())
            chart.boxTexts.push_back({static_cast<std::uint32_t>(number), 0, 0, labelByNumber[number]});
    return familyOfChart(chart, fileName);
}

namespace {

ChartFamily familyOfSheet(const spreadsheet::SheetContent& sheet, const QString& name) {
    ChartFamily family = familyOfChart(findChart(sheet, name), name);
    if (family.personCount() == 0)
        throw files::Error(files::ErrorKind::Workbook,
                           QT_TRANSLATE_NOOP("files::Error",
                                             "'%1' holds a chart with every box empty and no name "
                                             "in its title: there is nobody to write."),
                           {name});
    return family;
}

} // namespace

ChartFamily readChartFamily(const QString& workbookPath) {
    return familyOfSheet(spreadsheet::readSheetContent(workbookPath), workbookPath);
}

ChartFamily chartFamilyOf(const QByteArray& workbook, const QString& nameForMessages) {
    return familyOfSheet(spreadsheet::sheetContentOf(workbook, nameForMessages), nameForMessages);
}

} // namespace chart
