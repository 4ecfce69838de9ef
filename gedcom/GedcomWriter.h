#pragma once

#include "PedigreePeople.h"

#include <QByteArray>
#include <QString>

namespace gedcom {

// The people of a pedigree as a GEDCOM 5.5.1 family file (UTF-8, lineage-
// linked): a header and a submitter, one INDI a person with NAME, SEX and
// the dates of birth and death, one FAM a couple with HUSB, WIFE and CHIL,
// and FAMC/FAMS on the people, both ways. Identifiers follow the ancestor
// numbers (@I1@ the root, @F5@ the family in which person 5 is the child),
// and nothing else goes in (no date, no clock): one pedigree always gives
// the same bytes. A name longer than a NAME line holds is shortened there and
// kept whole in a NOTE, continued over lines as the standard says.
QByteArray familyFileBytes(const PedigreePeople& people);

// Writes the file as every save is written: beside its place, then in place
// whole (files::FileReplacement). Throws core::Error (FileFailed).
void writeFamilyFile(const QString& path, const PedigreePeople& people);

} // namespace gedcom
