#include "chart/LabelReading.h"

#include <gtest/gtest.h>

using chart::LabelReading;

namespace {

struct LabelCase {
    const char* label;
    std::uint32_t box;
    const char* name; // as GEDCOM writes it
    const char* birth;
    const char* death;
    LabelReading reading = LabelReading::Whole;
};

// Labels as Kinloom writes them in each language it speaks, and as people type them.
const LabelCase kLabels[] = {
    {"Anna Hansdotter (1864–1945)", 1, "Anna /Hansdotter/", "1864", "1945"},
    {"12 Ole Olsen (b. c. 1820)", 12, "Ole /Olsen/", "ABT 1820", ""},
    {"12", 12, "", "", ""},
    {"7 (d. 1891)", 7, "", "", "1891"},
    {"Kari Nilsdatter (c. 1800–bef. 1870)", 3, "Kari /Nilsdatter/", "ABT 1800", "BEF 1870"},
    {"Ole Hansen (d. aft. 1870)", 4, "Ole /Hansen/", "", "AFT 1870"},
    {"Peder Hansen (1770–1840/41)", 8, "Peder /Hansen/", "1770", "1840/41"},
    {"Gaius Julius Caesar (100 B.C.–c. 44 B.C.)", 2, "Gaius Julius /Caesar/", "100 B.C.", "ABT 44 B.C."},
    {"Gaius Julius Caesar (100 f.Kr.–44 v. Chr.)", 2, "Gaius Julius /Caesar/", "100 B.C.", "44 B.C."},
    // Norwegian and German words.
    {"Marit /Olsdatter/ (f. 1790)", 5, "Marit /Olsdatter/", "1790", ""},
    {"Nils Larsen (ca. 1800–etter 1870)", 6, "Nils /Larsen/", "ABT 1800", "AFT 1870"},
    {"Hans Müller (* um 1800)", 2, "Hans /Müller/", "ABT 1800", ""},
    {"Grete Weber († vor 1891)", 3, "Grete /Weber/", "", "BEF 1891"},
    {"Karl Braun (nach 1801–1850)", 2, "Karl /Braun/", "AFT 1801", "1850"},
    // Typed by hand: hyphens, blanks, case, no parentheses, a label of years alone.
    {"Ole Hansen 1820-1891", 4, "Ole /Hansen/", "1820", "1891"},
    {"  Ole   Hansen\n(1820 – 1891) ", 4, "Ole /Hansen/", "1820", "1891"},
    {"Ole Hansen (B. 1820)", 4, "Ole /Hansen/", "1820", ""},
    {"Ole Hansen d 1891", 4, "Ole /Hansen/", "", "1891"},
    {"(1820–1891)", 9, "", "1820", "1891"},
    // Surnames: slashes as typed, particles joined, one word a given name, other scripts.
    {"Jan van der Berg (1701–1760)", 2, "Jan /van der Berg/", "1701", "1760"},
    {"Ludwig von Beethoven", 2, "Ludwig /von Beethoven/", "", ""},
    {"Anna Christina af Ekström", 3, "Anna Christina /af Ekström/", "", ""},
    {"/Olsdatter/ Marit", 3, "/Olsdatter/ Marit", "", ""},
    {"Ole", 2, "Ole", "", ""},
    {"John (Jack) Smith (1820–1891)", 2, "John (Jack) /Smith/", "1820", "1891"},
    {"Иван Зыков (1846–1891)", 2, "Иван /Зыков/", "1846", "1891"},
    {"李 小龍 (1940–1973)", 2, "李 /小龍/", "1940", "1973"},
    // A number that is not the box's stays in the name; what cannot be read whole stays whole.
    {"12 Ole Olsen (1820–1891)", 5, "12 Ole /Olsen/", "1820", "1891", LabelReading::OtherNumber},
    {"Ole Hansen (1820", 4, "Ole Hansen (1820", "", "", LabelReading::NotWhole},
    {"Ole Hansen 1820", 4, "Ole Hansen 1820", "", "", LabelReading::NotWhole},
    {"Ole Hansen (1820–1891) farmer", 4, "Ole Hansen (1820–1891) farmer", "", "", LabelReading::NotWhole},
    {"Ole Hansen (born 1820)", 4, "Ole Hansen (born 1820)", "", "", LabelReading::NotWhole},
    {"Ole/Hansen", 4, "Ole/Hansen", "", "", LabelReading::NotWhole},
};

} // namespace

TEST(LabelReading, ReadsEachFormInEachLanguage) {
    for (const LabelCase& c : kLabels) {
        SCOPED_TRACE(c.label);
        const chart::BoxLabel label = chart::readBoxLabel(QString::fromUtf8(c.label), c.box);
        EXPECT_EQ(label.nameForGedcom().toStdString(), c.name);
        EXPECT_EQ(label.birthDate.toStdString(), c.birth);
        EXPECT_EQ(label.deathDate.toStdString(), c.death);
        EXPECT_EQ(label.reading, c.reading);
    }
}
