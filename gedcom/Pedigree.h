#pragma once

#include "FamilyTree.h"

#include <QStringList>

#include <vector>

namespace gedcom {

inline constexpr int kNoPerson = -1;

// Who fills each box of a pedigree, by ancestor number: the root person is
// 1, the father of n is 2n, the mother 2n + 1.
struct Pedigree {
    std::vector<int> personAt; // person index by ancestor number; [0] unused; kNoPerson where unknown
    int knownGenerations = 0;  // generations down to the oldest known ancestor, the root's included
    QStringList warnings;      // links that point nowhere, cut cycles
};

// The root's ancestors over the given number of generations (at least 1).
// Parents come from the person's family as a child (FAMC), the one marked as
// birth family when there are several, else the first; for a person who
// names none, from the first family that lists them as a child (CHIL). A
// family listing a child who names another is warned about. A person who would be their
// own ancestor is left out there, with a warning, so that the walk ends.
Pedigree walkPedigree(const FamilyTree& tree, int root, int generations);

} // namespace gedcom
