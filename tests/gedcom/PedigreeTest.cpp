#include "GedcomFiles.h"

#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"
#include "gedcom/PersonLookup.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace gedcom;

namespace {

// The label in each box by ancestor number, "" where unknown.
QStringList labels(const FamilyTree& tree, const Pedigree& pedigree) {
    QStringList out;
    for (std::size_t n = 1; n < pedigree.personAt.size(); ++n)
        out << (pedigree.personAt[n] == kNoPerson ? QString() : personLabel(tree.person(pedigree.personAt[n])));
    return out;
}

QStringList ids(const FamilyTree& tree, const std::vector<int>& people) {
    QStringList out;
    for (const int p : people) out << tree.person(p).id;
    return out;
}

} // namespace

// Birth family chosen over the adoptive one listed first; cousins who married
// put their common grandparents in two boxes each; unknown ancestors stay empty.
TEST(Pedigree, FillsEveryKnownBoxByAncestorNumber) {
    const FamilyTree tree = readTestFile("pedigree.ged");
    const Pedigree pedigree = walkPedigree(tree, 0, 5);
    EXPECT_EQ(pedigree.knownGenerations, 4);
    const QStringList expected = {
        QString::fromUtf8("Anna Hansdotter (1864–1945)"),
        QString::fromUtf8("Hans Olsen (c. 1830–bef. 1900)"),
        QString::fromUtf8("Kari Nilsdatter (b. 1835)"),
        QString::fromUtf8("Ole Hansen (d. aft. 1870)"),
        QString::fromUtf8("Marit Jørgensdatter"),
        QString::fromUtf8("Nils Larsen (c. 1800–1870)"),
        QString::fromUtf8("Ingrid Hansen (b. c. 1808)"),
        QString::fromUtf8("Peder Hansen (1770–1840)"),
        QString::fromUtf8("Berit Ås (b. c. 1775)"),
        {},
        {},
        {},
        {},
        QString::fromUtf8("Peder Hansen (1770–1840)"),
        QString::fromUtf8("Berit Ås (b. c. 1775)"),
    };
    EXPECT_EQ(labels(tree, pedigree).mid(0, 15), expected);
    EXPECT_EQ(labels(tree, pedigree).mid(15).join(QString()), QString()); // generation 5: nobody
    EXPECT_TRUE(pedigree.warnings.isEmpty());
}

TEST(Pedigree, WarnsOfLinksToNowhereAndCutsCycles) {
    const FamilyTree dangling = readTestFile("dangling.ged");
    const Pedigree open = walkPedigree(dangling, 0, 3);
    EXPECT_EQ(labels(dangling, open),
              (QStringList{QStringLiteral("Ola Bakke"), {}, QStringLiteral("Guri Bakke"), {}, {}, {}, {}}));
    const QString file = gedcomFile("dangling.ged");
    EXPECT_EQ(open.warnings,
              (QStringList{file
                               + QStringLiteral(":10: warning: the family names the person @I99@, whom the file does "
                                                "not hold; that box is left empty"),
                           file
                               + QStringLiteral(":8: warning: @I2@ names the family @F7@, which the file does not "
                                                "hold; the parents are left empty")}));

    const FamilyTree cycle = readTestFile("cycle.ged");
    const Pedigree cut = walkPedigree(cycle, 0, 15);
    EXPECT_EQ(cut.knownGenerations, 2);
    EXPECT_EQ(labels(cycle, cut).mid(0, 4),
              (QStringList{QStringLiteral("Tor Ring"), QStringLiteral("Ask Ring"), {}, {}}));
    EXPECT_EQ(cut.warnings,
              QStringList{gedcomFile("cycle.ged")
                          + QStringLiteral(":12: warning: @I1@ Tor Ring is their "
                                           "own ancestor; the line is cut at number 4")});
}

// A child named only by the family's CHIL line has parents; where the child
// names another family, their own FAMC wins and the family's line is warned of.
TEST(Pedigree, ParentsComeFromEitherLinkTheChildsOwnFirst) {
    const FamilyTree tree = readTestFile("child-links.ged");
    const Pedigree pedigree = walkPedigree(tree, 0, 3);
    EXPECT_EQ(labels(tree, pedigree),
              (QStringList{QStringLiteral("Sigrid Moe"),
                           QStringLiteral("Knut Moe"),
                           QStringLiteral("Gro Dal"),
                           QStringLiteral("Lars Moe"),
                           QStringLiteral("Tone Aas"),
                           {},
                           {}}));
    EXPECT_EQ(pedigree.warnings,
              QStringList{gedcomFile("child-links.ged")
                          + QStringLiteral(":22: warning: the family @F2@ lists @I2@ as a child, but @I2@ names the "
                                           "family @F3@; the parents are taken from @F3@")});
}

TEST(PersonLookup, FindsByIdentifierOrByNameInAnyOrder) {
    const FamilyTree tree = readTestFile("same-name.ged");
    struct Case {
        const char* wanted;
        QStringList found;
    };
    for (const Case& c : {Case{"@I2@", {QStringLiteral("I2")}}, Case{"I3", {QStringLiteral("I3")}},
                          Case{"berg ANNA", {QStringLiteral("I1"), QStringLiteral("I3")}}, // exact words first
                          Case{"Maria", {QStringLiteral("I2")}},                           // else all that hold them
                          Case{"Anna Anna Berg", {}}, Case{"Nobody", {}}, Case{"", {}}})
        EXPECT_EQ(ids(tree, findPeople(tree, QString::fromLatin1(c.wanted))), c.found) << c.wanted;
}
