#pragma once

#include <QString>

namespace shell {

// -1 when a file (not a folder) exists at the path, 0 otherwise; never fails.
int FileExists(const QString& path);

// Lets pending window events run once, then deletes the file at the path.
// A missing, busy or read-only file (one the user may not write) is left as
// it is; nothing is reported.
void DeleteFileQuietly(const QString& path);

} // namespace shell
