#pragma once

#include <QString>

namespace shell {

// The folder of the running program, without a trailing separator.
QString applicationFolder();

// A file in the application folder: "HAND-M.CUR", "x/o.cjs", "temp.bmp".
QString applicationFilePath(const QString& relativePath);

// Tests: makes applicationFolder() answer the given folder; an empty text
// goes back to the program's own folder.
void setApplicationFolder(const QString& folder);

// The folder named by the environment variable "temp", its name matched
// without regard to case as on Windows ("temp", "TEMP", "Temp"); the
// platform's temporary folder when no such variable is set or it is empty.
QString tempFolder();

} // namespace shell
