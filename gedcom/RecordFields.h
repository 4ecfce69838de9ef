#pragma once

#include "FamilyTree.h"
#include "RecordText.h"

namespace gedcom {

// What a chart and the person picker take from each kind of record.

// The header names GEDCOM 7 (GEDC VERS 7...), whose texts escape "@" only at
// their start.
bool isGedcom7Header(const Record& header);
// A person: the first name, the first birth's and death's first date, and
// the families as a child with their pedigree (PEDI birth).
Person personOf(const Record& record, bool gedcom7);
// A family: its first husband and wife, and its children.
Family familyOf(const Record& record);

} // namespace gedcom
