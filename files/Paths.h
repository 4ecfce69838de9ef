#pragma once

#include <QString>

namespace files {

// Where a path leads: links and relative parts resolved as far as it
// exists, the rest (a file yet to be made) kept as named.
QString resolvedPath(const QString& path);

// True when both paths lead to one file: the same name once resolved, or
// one file on disk under two names (a hard link: the same device and inode).
bool isSameFile(const QString& first, const QString& second);

} // namespace files
