#pragma once

#include "FamilyTree.h"
#include "ReadingProgress.h"

#include <QIODevice>

namespace gedcom {

// Reads the people and families of a GEDCOM 5.5, 5.5.1 or 7.0 file in any of
// the character sets these allow. The file is opened once and must be a
// regular file (a FIFO is refused without waiting on it). Throws a
// core::Error of kind DataDamaged, naming the file and line, for a file that
// cannot be read or is not GEDCOM, that holds more than kMaxRecords people
// and families, or that needs more memory than there is; what it reads past goes into the tree's warnings.
FamilyTree readFamilyTree(const QString& path);

// The same, counting what is read into progress and stopping when it asks:
// then throws ReadingStopped.
FamilyTree readFamilyTree(const QString& path, ReadingProgress& progress);

// The same from an open device; fileName names it in messages.
FamilyTree readFamilyTree(QIODevice& device, const QString& fileName, qint64 maxRecords = kMaxRecords);

} // namespace gedcom
