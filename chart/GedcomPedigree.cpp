#include "GedcomPedigree.h"

#include "ChartLayout.h"

#include "gedcom/FamilyTreeReader.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"
#include "gedcom/PersonLookup.h"

namespace chart {

namespace {

int choosePerson(const gedcom::FamilyTree& tree, const QString& wanted) {
    if (tree.people().empty())
        throw PersonChoiceError(tree.fileName + QStringLiteral(": the file holds no person"), false);
    if (wanted.isEmpty()) return 0;
    const std::vector<int> found = gedcom::findPeople(tree, wanted);
    if (found.empty())
        throw PersonChoiceError(
            QStringLiteral("%1: no person is \"%2\"; name one by identifier (@I1@) or name").arg(tree.fileName, wanted),
            false);
    if (found.size() == 1) return found.front();
    QString message = QStringLiteral("%1: %2 people match \"%3\"; name one by identifier:")
                          .arg(tree.fileName)
                          .arg(found.size())
                          .arg(wanted);
    for (const int index : found) {
        const gedcom::Person& p = tree.person(index);
        message += QStringLiteral("\n  @%1@ %2").arg(p.id, gedcom::personLabel(p));
    }
    throw PersonChoiceError(message, true);
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
        if (pedigree.personAt[n] != gedcom::kNoPerson)
            filled.labelByNumber[n] = gedcom::personLabel(tree.person(pedigree.personAt[n]));
    filled.warnings = tree.warnings + pedigree.warnings;
    return filled;
}

} // namespace chart
