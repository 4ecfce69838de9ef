#pragma once

#include "FamilyTree.h"

#include <vector>

namespace gedcom {

// The people a --person text names: an identifier ("@I1@", the @ signs may
// be left out) names one; otherwise a name, without regard to case and with
// its words in any order. People whose name has exactly the words given come
// first; when there are none, those whose name holds them all.
std::vector<int> findPeople(const FamilyTree& tree, const QString& identifierOrName);

} // namespace gedcom
