#include "shell/family/PeopleIndex.h"

#include "gedcom/FamilyTreeReader.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QBuffer>

using namespace shell;

namespace {

gedcom::FamilyTree pedigree() { return gedcom::readFamilyTree(QStringLiteral(GEDCOM_FILES "/pedigree.ged")); }

// The identifiers of the people a query finds, in the order found.
QStringList found(const gedcom::FamilyTree& tree, const PeopleIndex& index, const QString& query) {
    QStringList ids;
    for (const int person : index.matching(query)) ids << tree.person(person).id;
    return ids;
}

} // namespace

TEST(SearchWords, FoldsAsPeopleTypeWithoutMarks) {
    const struct {
        const char* text;
        const char* words;
    } cases[] = {
        {"Anna Hansdotter", " anna hansdotter"},
        {"Æsa Strauß-Øien", " aesa strauss oien"},
        {"ÅSE  o'Brien (c. 1820–bef. 1891)", " ase o brien c 1820 bef 1891"},
        {"Đorđe Łukasz Þór", " dorde lukasz thor"},
        {"Zoë Dóra", " zoe dora"},
        {"Ἀθηνᾶ Σοφία Йосиф", " αθηνα σοφια иосиф"}, // beyond Latin, folded as Latin is
        {"ﬁnn Ǆuro", " finn dzuro"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(searchWords(QString::fromUtf8(c.text)), QString::fromUtf8(c.words)) << c.text;
}

// Every word typed begins a word of the name, the years or the identifier,
// in any order, whatever its case and marks.
TEST(PeopleIndex, FindsThosePeopleWhoseWordsBeginWithEveryWordTyped) {
    const gedcom::FamilyTree tree = pedigree();
    const PeopleIndex index(tree);
    ASSERT_EQ(index.size(), 10);
    const struct {
        const char* query;
        QStringList ids;
    } cases[] = {
        {"", {"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8", "I9", "I10"}},
        {"  ,. ", {"I1", "I2", "I3", "I4", "I5", "I6", "I7", "I8", "I9", "I10"}},
        {"hans", {"I1", "I2", "I4", "I7", "I8"}},
        {"HANSEN ole", {"I4"}},
        {"ole hansen", {"I4"}},
        {"olsen, hans", {"I2"}},
        {"jorgens", {"I5"}},
        {"JØRGENSDATTER", {"I5"}},
        {"as berit", {"I9"}},
        {"1870", {"I4", "I6"}},
        {"peder 1770", {"I8"}},
        {"i1", {"I1", "I10"}},
        {"@I10@", {"I10"}},
        {"sen", {}},      // inside a word, not at its beginning
        {"hans zzz", {}}, // one word found is not enough
        {"anna 1945x", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(found(tree, index, QString::fromUtf8(c.query)), c.ids) << c.query;
}

// The years of a person's birth and death are words, whatever the date
// holds around them (a day, a month, a second year); numbers of fewer than
// three digits are no years.
TEST(PeopleIndex, FindsPeopleByTheYearsOfTheirDates) {
    QByteArray file = "0 HEAD\n0 @I1@ INDI\n1 NAME Eirik /Blodøks/\n1 BIRT\n2 DATE ABT 895\n1 DEAT\n2 DATE 954\n"
                      "0 @I2@ INDI\n1 NAME Anna /Berg/\n1 BIRT\n2 DATE 12 MAR 1864\n1 DEAT\n2 DATE BET 1900 AND 1910\n"
                      "0 TRLR\n";
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const gedcom::FamilyTree tree = gedcom::readFamilyTree(buffer, QStringLiteral("t.ged"));
    const PeopleIndex index(tree);
    const struct {
        const char* query;
        QStringList ids;
    } cases[] = {
        {"895", {"I1"}}, {"954", {"I1"}}, {"eirik 954", {"I1"}}, {"1864", {"I2"}}, {"1910", {"I2"}},
        {"190", {"I2"}}, {"12", {}},      {"mar", {}},           {"bet", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(found(tree, index, QString::fromUtf8(c.query)), c.ids) << c.query;
}
