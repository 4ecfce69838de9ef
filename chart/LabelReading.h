#pragma once

#include <QString>

#include <cstdint>

namespace chart {

// How far a box's label could be read.
enum class LabelReading {
    Whole,
    OtherNumber, // it begins with a number that is not the box's: kept in the name
    NotWhole,    // the whole text is kept as the name
};

// A box's label as a person may have typed it, or as Kinloom writes it in
// any of its languages: an optional ancestor number, the name, and optional
// years ("Anna Hansdotter (1864–1945)", "12 Ole Olsen (b. c. 1820)",
// "Ole Hansen 1820-1891", "Marit /Olsdatter/ (f. 1790)").
struct BoxLabel {
    QString name;      // as typed, blanks simplified, composed; empty where only years are given
    QString birthDate; // as GEDCOM writes it: "1820", "ABT 1820", "BEF 1820", "AFT 1820"
    QString deathDate;
    LabelReading reading = LabelReading::Whole;

    bool isEmpty() const { return name.isEmpty() && birthDate.isEmpty() && deathDate.isEmpty(); }
    // The name as a family file writes it (see gedcomName); a label not read
    // whole keeps its text as it is.
    QString nameForGedcom() const;
};

// Reads a label. A leading number is taken off only when it is the box's.
BoxLabel readBoxLabel(const QString& text, std::uint32_t boxNumber);

// A name as GEDCOM writes it, the surname between slashes: the part between
// the slashes the person typed ("Marit /Olsdatter/"), else the last word with
// the particles before it ("Jan /van der Berg/"); a single word is a given
// name and has none ("Ole").
QString gedcomName(const QString& name);

} // namespace chart
