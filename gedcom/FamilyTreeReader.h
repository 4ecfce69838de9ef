#pragma once

#include "FamilyTree.h"

#include <QIODevice>

namespace gedcom {

// Reads the people and families of a GEDCOM 5.5, 5.5.1 or 7.0 file in any of
// the character sets these allow. Throws files::Error for a path that is no
// regular file or cannot be opened, and GedcomError, naming the file and
// line, for a file that cannot be read or is not GEDCOM, that holds more
// records than maxRecords, or that needs more memory than there is; what it
// reads past goes into the tree's warnings.
FamilyTree readFamilyTree(const QString& path);

// The same from an open device; fileName names it in messages.
FamilyTree readFamilyTree(QIODevice& device, const QString& fileName, qint64 maxRecords = kMaxRecords);

} // namespace gedcom
