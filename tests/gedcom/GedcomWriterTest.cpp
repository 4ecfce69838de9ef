#include "gedcom/GedcomWriter.h"
#include "gedcom/FamilyTreeReader.h"
#include "gedcom/LifeYears.h"
#include "gedcom/Pedigree.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QRegularExpression>

using namespace gedcom;

namespace {

PedigreePeople pedigreeOf(std::initializer_list<std::pair<std::size_t, PedigreePerson>> people) {
    PedigreePeople all(16);
    for (const auto& [number, person] : people) all[number] = person;
    return all;
}

FamilyTree readBack(const QByteArray& bytes) {
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    return readFamilyTree(device, QStringLiteral("written.ged"));
}

// A text value put together again from its line and the CONC and CONT lines after it.
QString valueOf(const QByteArray& file, const QByteArray& tag) {
    QString value;
    bool in = false;
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith("1 ")) in = line.mid(2).startsWith(tag);
        if (!in) continue;
        const QString text = QString::fromUtf8(line);
        if (line.startsWith("1 "))
            value = text.mid(3 + tag.size());
        else if (line.startsWith("2 CONC "))
            value += text.mid(7);
        else if (line.startsWith("2 CONT "))
            value += QLatin1Char('\n') + text.mid(7);
    }
    return value;
}

} // namespace

// Both links both ways, an empty person that holds the line, a family with
// one parent, identifiers by ancestor number, and nothing that changes from
// one run to the next.
TEST(GedcomWriter, WritesTheLineageLinkedFormByAncestorNumber) {
    const PedigreePeople people = pedigreeOf({
        {1, {QStringLiteral("Anna /Hansdotter/"), Sex::Unknown, QStringLiteral("1864"), QStringLiteral("1945")}},
        {2, {QString(), Sex::Male, {}, {}}},
        {3, {QStringLiteral("Kari /Nilsdatter/"), Sex::Female, QStringLiteral("ABT 1800"), {}}},
        {4, {QStringLiteral("Ole /Hansen/"), Sex::Male, {}, QStringLiteral("AFT 1870")}},
    });
    const QByteArray expected = "0 HEAD\n1 SOUR KINLOOM\n2 NAME Kinloom\n1 SUBM @U1@\n1 GEDC\n2 VERS 5.5.1\n"
                                "2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n0 @U1@ SUBM\n1 NAME Kinloom\n"
                                "0 @I1@ INDI\n1 NAME Anna /Hansdotter/\n1 BIRT\n2 DATE 1864\n1 DEAT\n2 DATE 1945\n"
                                "1 FAMC @F1@\n"
                                "0 @I2@ INDI\n1 SEX M\n1 FAMC @F2@\n1 FAMS @F1@\n"
                                "0 @I3@ INDI\n1 NAME Kari /Nilsdatter/\n1 SEX F\n1 BIRT\n2 DATE ABT 1800\n1 FAMS @F1@\n"
                                "0 @I4@ INDI\n1 NAME Ole /Hansen/\n1 SEX M\n1 DEAT\n2 DATE AFT 1870\n1 FAMS @F2@\n"
                                "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n"
                                "0 @F2@ FAM\n1 HUSB @I4@\n1 CHIL @I2@\n"
                                "0 TRLR\n";
    EXPECT_EQ(familyFileBytes(people), expected);
    EXPECT_EQ(familyFileBytes(people), familyFileBytes(people));
}

// What a cell may hold (line breaks, control characters, '@', any length,
// any script) never breaks a line of the file: the reader finds the same
// people, names and links, every line fits 255 bytes, and a name too long
// for its line is whole in its note.
TEST(GedcomWriter, AnyTextStaysInItsLine) {
    const QString longName = QStringLiteral("Maria ") + QString::fromUtf8("Åsebø-Ødegård ").repeated(30)
        + QStringLiteral("/Kristiansdatter/");
    const PedigreePeople people = pedigreeOf({
        {1, {QStringLiteral("Ole\n0 @I9@ INDI\r\n1 NAME Intruder /X/"), Sex::Unknown, {}, {}}},
        {2, {QStringLiteral("Per @home /Vik/\x1b[2J"), Sex::Male, QStringLiteral("1820"), {}}},
        {3, {longName, Sex::Female, {}, QStringLiteral("BEF 1900")}},
    });
    const QByteArray file = familyFileBytes(people);
    for (const QByteArray& line : file.split('\n')) EXPECT_LE(line.size() + 1, 255) << line.constData();

    const FamilyTree tree = readBack(file);
    ASSERT_EQ(tree.personCount(), 3);
    EXPECT_TRUE(tree.warnings.isEmpty()) << tree.warnings.join(u'\n').toStdString();
    const Pedigree pedigree = walkPedigree(tree, 0, 2);
    ASSERT_EQ(pedigree.personAt.size(), 4u);
    EXPECT_EQ(tree.person(pedigree.personAt[1]).name, QStringLiteral("Ole 0 @I9@ INDI 1 NAME Intruder X"));
    EXPECT_EQ(personLabel(tree.person(pedigree.personAt[2])), QStringLiteral("Per @home Vik [2J (b. 1820)"));
    EXPECT_LE(tree.person(pedigree.personAt[3]).name.size(), 120);
    EXPECT_EQ(valueOf(file, "NOTE"), longName);
}

// Continued lines are cut between characters that are not blanks, as the
// standard asks, never inside a character and never between the two '@'s
// that stand for one.
TEST(GedcomWriter, LongNotesAreCutBetweenCharactersThatAreNotBlanks) {
    const QString texts[] = {
        (QString::fromUtf8("ø") + QStringLiteral(" word ") + QString::fromUtf8("😀e\u0301")).repeated(120)
            + QStringLiteral("\nsecond line"),
        QStringLiteral("xy@").repeated(200),
    };
    const QRegularExpression halfOfPair(QStringLiteral("(?<!@)@(@@)*(?!@)"));
    for (const QString& text : texts) {
        const QByteArray file = familyFileBytes(pedigreeOf({{1, {text, Sex::Unknown, {}, {}}}}));
        EXPECT_EQ(valueOf(file, "NOTE").replace(QStringLiteral("@@"), QStringLiteral("@")), text);
        for (const QByteArray& line : file.split('\n')) {
            EXPECT_LE(line.size() + 1, 255);
            if (!line.startsWith("2 CONC ") && !line.startsWith("1 NOTE ")) continue;
            const QString value = QString::fromUtf8(line.mid(7));
            EXPECT_FALSE(halfOfPair.match(value).hasMatch()) << line.constData();
            if (!line.startsWith("2 CONC ")) continue;
            EXPECT_NE(line.at(7), ' ') << line.constData();
            EXPECT_FALSE(value.front().isMark()) << line.constData();
            EXPECT_TRUE(value.toUtf8() == line.mid(7)) << "a character was cut";
        }
    }
}
