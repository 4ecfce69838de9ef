#pragma once

#include "FamilyTree.h"
#include "ReadingProgress.h"

#include <QIODevice>

namespace gedcom {

// Whether the name is that of a family file: a GEDCOM file (.ged) or its zip
// form (.gdz), in any case.
bool isFamilyFileName(const QString& path);

// Reads the people and families of a GEDCOM 5.5, 5.5.1 or 7.0 file in any of
// the character sets these allow, or of the GEDCOM file inside a GEDZIP
// archive (known by its first bytes, whatever its name). The file is opened once and must be a
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
