#pragma once

#include "CharacterSet.h"

#include <QString>

namespace gedcom {

// The text of whole lines of a file in its character set: UTF-8 (also for
// a set we do not know), UTF-16, ANSEL of our own, and Windows-1252 through
// Qt's ICU.
QString decodeText(CharacterSet set, QByteArrayView bytes);

} // namespace gedcom
