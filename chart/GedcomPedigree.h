#pragma once

#include "gedcom/FamilyTree.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace chart {

// What a chart filled from a GEDCOM file shows.
struct FilledPedigree {
    QString personName;                 // the root person's name, for the title
    int knownGenerations = 0;           // down to the oldest known ancestor, at most kMaxGenerations
    std::vector<QString> labelByNumber; // "Name (1820–1891)" by ancestor number; empty where unknown
    QStringList warnings;               // "FILE:LINE: warning: ..."
};

// Reads the file and the ancestors of the person (an identifier or a name;
// the first person of the file when empty) over the given number of
// generations, or as many as are known (at most kMaxGenerations) when
// generations is 0. Throws a core::Error: of kind DataDamaged for a file it
// cannot read, NotFound when the person is not one of the file's,
// InputRefused when several are (listed, one a line).
FilledPedigree readFilledPedigree(const QString& path, const QString& person, int generations);

// The same from a tree read before, for the person at index root.
FilledPedigree filledPedigreeOf(const gedcom::FamilyTree& tree, int root, int generations);

} // namespace chart
