#pragma once

#include <QString>

namespace files {

// Where a path leads: links and relative parts resolved as far as it
// exists, the rest (a file yet to be made) kept as named.
QString resolvedPath(const QString& path);

// The path with its folder's links and relative parts resolved, the file's
// own name kept as named (a link stays itself): how the same file is named
// whichever way a path leads to its folder.
QString inCanonicalFolder(const QString& path);

// True when both paths lead to one file: the same name once resolved, or
// one file on disk under two names (a hard link: the same device and inode).
bool isSameFile(const QString& first, const QString& second);

} // namespace files
