#pragma once

#include <QString>

namespace preview {

// True when both paths name one existing file, through links and relative
// parts alike.
bool isSameFile(const QString& first, const QString& second);

// Copies a file byte for byte to a target as a spreadsheet::FileReplacement:
// on any failure the target is as it was, and a shell::Failure or
// spreadsheet::SpreadsheetError names the file and the reason.
void copyFileReplacing(const QString& source, const QString& target);

} // namespace preview
