#pragma once

#include <QString>

namespace shell {

// The folder of the running program, without a trailing separator.
QString ApplicationFolder();

// A file in the application folder: "HAND-M.CUR", "x/o.cjs", "temp.bmp".
QString ApplicationFilePath(const QString& relativePath);

// Tests: makes ApplicationFolder() answer the given folder; an empty text
// goes back to the program's own folder.
void setApplicationFolder(const QString& folder);

// The folder named by the environment variable "temp", its name matched
// without regard to case as on Windows ("temp", "TEMP", "Temp"); the
// platform's temporary folder when no such variable is set or it is empty.
QString TempFolder();

} // namespace shell
