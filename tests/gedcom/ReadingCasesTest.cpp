// What a family file says decides what the boxes show: tables of small files,
// each written for what it varies.
#include "gedcom/FamilyTreeReader.h"
#include "gedcom/Pedigree.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QBuffer>

using namespace gedcom;

namespace {

FamilyTree reading(QByteArray file) {
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    return readFamilyTree(buffer, QStringLiteral("t.ged"));
}

// One person after the header lines given.
QByteArray withHeader(const QByteArray& headerLines, const QByteArray& personLines) {
    return "0 HEAD\n" + headerLines + "0 @I1@ INDI\n" + personLines + "0 TRLR\n";
}

} // namespace

// The header's CHAR line names the character set, in any case; without one
// the file is UTF-8, and a name the reader does not know is warned of and
// read as UTF-8.
TEST(GedcomReading, TheHeaderNamesTheCharacterSet) {
    const QByteArray utf8 = "1 NAME Zo\xC3\xAB /Holm/\n", latin = "1 NAME Zo\xEB /Holm/\n";
    const struct {
        QByteArray header;
        QByteArray person;
        QString warning;
    } cases[] = {
        {"", utf8, {}},
        {"1 CHAR UTF-8\n", utf8, {}},
        {"1 CHAR utf8\n", utf8, {}},
        {"1 CHAR ANSEL\n",
         "1 NAME Zo\xE8"
         "e /Holm/\n",
         {}}, // the mark before its letter
        {"1 CHAR ANSI\n", latin, {}},
        {"1 CHAR ASCII\n", latin, {}},
        {"1 CHAR WINDOWS-1252\n", latin, {}},
        {"1 CHAR Cp1252\n", latin, {}},
        {"1 CHAR ISO-8859-1\n", latin, {}},
        {"1 CHAR LATIN1\n", latin, {}},
        {"1 SOUR X\n2 NAME Y\n1 CHAR ANSI\n", latin, {}},
        {"1 CHAR MACINTOSH\n", utf8, QStringLiteral("t.ged: warning: unknown character set MACINTOSH; read as UTF-8")},
    };
    for (const auto& c : cases) {
        const FamilyTree tree = reading(withHeader(c.header, c.person));
        EXPECT_EQ(tree.person(0).name, QString::fromUtf8("Zoë Holm")) << c.header.toStdString();
        EXPECT_EQ(tree.warnings, c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
    }
    // A CHAR line after the header names nothing.
    EXPECT_EQ(reading(withHeader("", "1 NAME Zo\xC3\xAB /Holm/\n1 CHAR ANSI\n")).person(0).name,
              QString::fromUtf8("Zoë Holm"));
}

// "@@" stands for "@": anywhere in a GEDCOM 5 line, only at its start in
// GEDCOM 7, as the version under GEDC says (not the version of the program
// that wrote the file).
TEST(GedcomReading, TheHeadersVersionDecidesHowAtSignsAreRead) {
    const QByteArray name = "1 NAME @@Sofie @@x /Holm/\n";
    const struct {
        QByteArray header;
        const char* expected;
    } cases[] = {
        {"", "@Sofie @x Holm"},
        {"1 GEDC\n2 VERS 5.5.1\n", "@Sofie @x Holm"},
        {"1 GEDC\n2 VERS 7.0\n", "@Sofie @@x Holm"},
        {"1 GEDC\n2 VERS 7.0.14\n", "@Sofie @@x Holm"},
        {"1 SOUR Writer\n2 VERS 7.2\n1 GEDC\n2 VERS 5.5\n", "@Sofie @x Holm"},
        {"1 SOUR Writer\n2 VERS 7.2\n", "@Sofie @x Holm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reading(withHeader(c.header, name)).person(0).name, QString::fromUtf8(c.expected))
            << c.header.toStdString();
}

// A person's first name, birth and death count; later ones, dates of other
// events and dates deeper down (a source's) do not.
TEST(GedcomReading, ThePersonsFirstNameBirthAndDeathCount) {
    const FamilyTree tree = reading(withHeader("",
                                               "1 CHR\n2 DATE 1819\n"
                                               "1 NAME First /One/\n1 NAME Second /Two/\n"
                                               "1 BIRT\n2 SOUR @S1@\n3 DATE 1700\n2 DATE 1820\n2 DATE 1821\n"
                                               "1 BIRT\n2 DATE 1830\n"
                                               "1 DEAT\n2 PLAC Dal\n2 DATE 1890\n1 DEAT\n2 DATE 1899\n"));
    const Person person = tree.person(0);
    EXPECT_EQ(person.name, QStringLiteral("First One"));
    EXPECT_EQ(person.birthDate, QStringLiteral("1820"));
    EXPECT_EQ(person.deathDate, QStringLiteral("1890"));
}

// The parents come from the family marked as the birth family (in any case),
// else from the first family the person is a child of.
TEST(GedcomReading, ParentsComeFromTheBirthFamilyElseTheFirst) {
    const QByteArray families = "0 @I2@ INDI\n0 @I3@ INDI\n0 @I4@ INDI\n"
                                "0 @F1@ FAM\n1 HUSB @I2@\n0 @F2@ FAM\n1 HUSB @I3@\n0 @F3@ FAM\n1 HUSB @I4@\n";
    const struct {
        QByteArray links;
        const char* father;
    } cases[] = {
        {"1 FAMC @F1@\n1 FAMC @F2@\n", "I2"},
        {"1 FAMC @F1@\n2 PEDI adopted\n1 FAMC @F2@\n2 PEDI birth\n", "I3"},
        {"1 FAMC @F1@\n2 PEDI ADOPTED\n1 FAMC @F2@\n2 PEDI BIRTH\n", "I3"},
        {"1 FAMC @F2@\n2 PEDI birth\n1 FAMC @F3@\n2 PEDI birth\n", "I3"},
        {"1 FAMC @F1@\n1 FAMC @F2@\n2 PEDI foster\n", "I2"},
        {"1 FAMC\n1 FAMC @F3@\n", "I4"},
    };
    for (const auto& c : cases) {
        const FamilyTree tree = reading("0 HEAD\n0 @I1@ INDI\n" + c.links + families + "0 TRLR\n");
        const Pedigree pedigree = walkPedigree(tree, 0, 2);
        ASSERT_NE(pedigree.personAt[2], kNoPerson) << c.links.toStdString();
        EXPECT_EQ(tree.person(pedigree.personAt[2]).id, QString::fromLatin1(c.father)) << c.links.toStdString();
    }
}

// Twenty warnings of a kind are shown, and only what goes beyond is counted,
// each kind on its own.
TEST(GedcomReading, TwentyWarningsOfAKindAreShownAndOnlyTheRestCounted) {
    const struct {
        int secondPeople;
        int secondFamilies;
        QStringList counted;
    } cases[] = {
        {20, 1, {}},
        {21, 1, {QStringLiteral("t.ged: warning: and 1 more people under an identifier another person has")}},
        {1, 22, {QStringLiteral("t.ged: warning: and 2 more families under an identifier another family has")}},
    };
    for (const auto& c : cases) {
        QByteArray file = "0 HEAD\n0 @I1@ INDI\n0 @F1@ FAM\n";
        for (int i = 0; i < c.secondPeople; ++i) file += "0 @I1@ INDI\n";
        for (int i = 0; i < c.secondFamilies; ++i) file += "0 @F1@ FAM\n";
        const QStringList warnings = reading(file + "0 TRLR\n").warnings;
        SCOPED_TRACE(testing::Message() << c.secondPeople << " people, " << c.secondFamilies << " families");
        EXPECT_EQ(warnings.size(), std::min(c.secondPeople, 20) + std::min(c.secondFamilies, 20) + c.counted.size());
        EXPECT_EQ(warnings.filter(QStringLiteral("a second person")).size(), std::min(c.secondPeople, 20));
        EXPECT_EQ(warnings.filter(QStringLiteral("a second family")).size(), std::min(c.secondFamilies, 20));
        EXPECT_EQ(warnings.filter(QStringLiteral(": warning: and ")), c.counted);
    }
}

// A link to nowhere is warned of once, however many boxes reach it (an
// ancestor who stands twice in the pedigree), each kind counted on its own.
TEST(GedcomReading, ALinkToNowhereIsWarnedOfOnceWhateverReachesIt) {
    const FamilyTree tree = reading("0 HEAD\n"
                                    "0 @I1@ INDI\n1 FAMC @F1@\n"
                                    "0 @I2@ INDI\n1 FAMC @F2@\n"
                                    "0 @I3@ INDI\n1 FAMC @F2@\n"
                                    "0 @I4@ INDI\n1 FAMC @F9@\n"
                                    "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n"
                                    "0 @F2@ FAM\n1 HUSB @I4@\n1 WIFE @I8@\n"
                                    "0 TRLR\n");
    const Pedigree pedigree = walkPedigree(tree, 0, 4);
    EXPECT_EQ(pedigree.personAt[4], pedigree.personAt[6]); // the same grandfather on both sides
    EXPECT_EQ(pedigree.warnings,
              (QStringList{QStringLiteral("t.ged:15: warning: the family names the person @I8@, whom the file does not "
                                          "hold; that box is left empty"),
                           QStringLiteral("t.ged:9: warning: @I4@ names the family @F9@, which the file does not "
                                          "hold; the parents are left empty")}));
}
