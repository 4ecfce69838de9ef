#include "ChartFamily.h"

#include "LabelReading.h"

#include "core/Error.h"
#include "gedcom/GedcomError.h"
#include "gedcom/PersonName.h"
#include "gedcom/Warnings.h"
#include "spreadsheet/CellRange.h"

#include <algorithm>

namespace chart {

namespace {

using core::Phrase;

// Where a text stands, as a warning names it: its cell, or its box where it has none.
Phrase placeOf(const PlacedText& text) {
    if (text.row > 0) return spreadsheet::columnName(text.column) + QString::number(text.row);
    return Phrase(QT_TRANSLATE_NOOP("core::Error", "box %1"), {text.number});
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
                 QT_TRANSLATE_NOOP("core::Error",
                                   "\"%1\" begins with a number that is not this box's; it is kept "
                                   "in the name"));
        if (label.reading == LabelReading::NotWhole)
            warn(warnings, gedcom::WarningKind::UnreadLabel, box,
                 QT_TRANSLATE_NOOP("core::Error",
                                   "\"%1\" cannot be read as a name with years; it is kept whole "
                                   "as the name"));
        if (!label.isEmpty()) family.people[box.number] = personOf(label, box.number);
        if (box.number == 1) family.rootName = gedcom::readableName(label.name);
    }
    for (const PlacedText& text : chart.outside)
        warn(warnings, gedcom::WarningKind::OutsideBoxes, text,
             QT_TRANSLATE_NOOP("core::Error", "\"%1\" stands in no box and is left out"));
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

// Refused when it gives nobody: a blank chart whose title names no one.
ChartFamily checkedFamily(ChartFamily family, const QString& name) {
    if (family.personCount() == 0)
        throw core::Error(core::ErrorKind::DataDamaged,
                          QT_TRANSLATE_NOOP("core::Error",
                                            "'%1' holds a chart with every box empty and no name "
                                            "in its title: there is nobody to write."),
                          {name});
    return family;
}

} // namespace

ChartFamily familyOfWorkbook(automation::Workbook& book, const QString& nameForMessages) {
    const spreadsheet::SheetContent sheet =
        spreadsheet::sheetContentOf(book.fileBytes(spreadsheet::WorkbookFormat::Excel8), nameForMessages);
    return familyOfChart(findChart(sheet, nameForMessages), nameForMessages);
}

ChartRequest redrawingOf(const ChartOnSheet& chart, ChartFileFormat format) {
    ChartRequest request{chart.titleName, {chart.generationText, chart.boxColumns}, {}, format};
    if (!chart.boxTexts.empty()) request.labels.labelByNumber.resize(std::size_t(1) << chart.boxColumns);
    for (const PlacedText& box : chart.boxTexts) request.labels.labelByNumber[box.number] = box.text;
    return request;
}

FilledChart readFilledChart(const QString& workbookPath) {
    ChartOnSheet chart = findChart(spreadsheet::readSheetContent(workbookPath), workbookPath);
    ChartFamily family = checkedFamily(familyOfChart(chart, workbookPath), workbookPath);
    return {std::move(chart), std::move(family)};
}

ChartFamily readChartFamily(const QString& workbookPath) { return readFilledChart(workbookPath).family; }

ChartFamily chartFamilyOf(const QByteArray& workbook, const QString& nameForMessages) {
    const spreadsheet::SheetContent sheet = spreadsheet::sheetContentOf(workbook, nameForMessages);
    return checkedFamily(familyOfChart(findChart(sheet, nameForMessages), nameForMessages), nameForMessages);
}

} // namespace chart
