#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace gedcom {

enum class Sex {
    Unknown,
    Male,
    Female,
};

// One person of a pedigree as a family file writes them.
struct PedigreePerson {
    QString name; // as GEDCOM writes it, the surname between slashes ("Ole /Hansen/"); empty when unknown
    Sex sex = Sex::Unknown;
    QString birthDate; // a GEDCOM date ("1820", "ABT 1820"); empty when unknown
    QString deathDate;
};

// The people of a pedigree by ancestor number: the root 1, the father of n
// 2n, the mother 2n + 1; [0] is unused, and nobody stands where the pedigree
// has no one.
using PedigreePeople = std::vector<std::optional<PedigreePerson>>;

} // namespace gedcom
