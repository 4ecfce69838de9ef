#include "GedcomPedigree.h"

#include "ChartLayout.h"

#include "gedcom/FamilyTreeReader.h"
#include "gedcom/GedcomError.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"
#include "gedcom/PersonLookup.h"
#include "gedcom/Warnings.h"
#include "spreadsheet/ExcelConstants.h"

namespace chart {

namespace {

// A label fits a cell with the longest text put before it: the title's
// "Family Tree for " (the root's name) or a box's number ("32767 ").
constexpr qsizetype kMaxLabelLength = spreadsheet::xl::kMaxTextLength - 16;

int choosePerson(const gedcom::FamilyTree& tree, const QString& wanted) {
    using core::ErrorKind;
    using core::Phrase;
    if (tree.personCount() == 0)
        throw core::Error(
            ErrorKind::NotFound,
            gedcom::located(tree.fileName, 0, Phrase(QT_TRANSLATE_NOOP("core::Error", "the file holds no person"))));
    if (wanted.isEmpty()) return 0;
    const std::vector<int> found = gedcom::findPeople(tree, wanted);
    if (found.empty())
        throw core::Error(
            ErrorKind::NotFound,
            gedcom::located(
                tree.fileName, 0,
                Phrase(QT_TRANSLATE_NOOP("core::Error", "no person is \"%1\"; name one by identifier (@I1@) or name"),
                       {gedcom::shown(wanted)})));
    if (found.size() == 1) return found.front();
    Phrase message =
        gedcom::located(tree.fileName, 0,
                        Phrase(QT_TRANSLATE_NOOP("core::Error", "%1 people match \"%2\"; name one by identifier:"),
                               {found.size(), gedcom::shown(wanted)}));
    // The list's layout is no language: it is not marked for translation.
    const std::size_t listed = std::min<std::size_t>(found.size(), gedcom::kShownOfOneKind);
    for (std::size_t i = 0; i < listed; ++i) {
        const gedcom::Person p = tree.person(found[i]);
        message = Phrase("%1\n  @%2@ %3", {message, gedcom::shown(p.id), gedcom::shown(gedcom::personLabel(p))});
    }
    if (found.size() > listed)
        message = Phrase("%1\n  %2",
                         {message, Phrase(QT_TRANSLATE_NOOP("core::Error", "and %1 more"), {found.size() - listed})});
    throw core::Error(ErrorKind::InputRefused, message);
}

QString boxLabel(const gedcom::FamilyTree& tree, int index) {
    const gedcom::Person person = tree.person(index);
    QString label = gedcom::personLabel(person);
    if (label.size() > kMaxLabelLength)
        gedcom::fail(
            tree.fileName, person.nameLine,
            core::Phrase(QT_TRANSLATE_NOOP("core::Error",
                                           "@%1@ %2 has a name of %3 characters with the "
                                           "years; a box holds at most %4"),
                         {gedcom::shown(person.id), gedcom::shown(person.name, 40), label.size(), kMaxLabelLength}));
    return label;
}

} // namespace

FilledPedigree readFilledPedigree(const QString& path, const QString& person, int generations) {
    const gedcom::FamilyTree tree = gedcom::readFamilyTree(path);
    return filledPedigreeOf(tree, choosePerson(tree, person), generations);
}

FilledPedigree filledPedigreeOf(const gedcom::FamilyTree& tree, int root, int generations) {
    const gedcom::Pedigree pedigree = gedcom::walkPedigree(tree, root, generations > 0 ? generations : kMaxGenerations);

    FilledPedigree filled;
    filled.personName = tree.person(root).name;
    filled.knownGenerations = pedigree.knownGenerations;
    filled.labelByNumber.resize(pedigree.personAt.size());
    for (std::size_t n = 1; n < pedigree.personAt.size(); ++n)
        if (pedigree.personAt[n] != gedcom::kNoPerson) filled.labelByNumber[n] = boxLabel(tree, pedigree.personAt[n]);
    filled.warnings = tree.warnings + pedigree.warnings;
    return filled;
}

} // namespace chart
