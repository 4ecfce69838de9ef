#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// The program's arguments as text. File names are bytes; text holds them
// only when they are valid UTF-8, and a name that is not comes back from the
// text as another name (the bytes in error become U+FFFD), so a file named
// by such an argument must be refused, never written or read in its stead.
struct ProgramArguments {
    QStringList texts;
    QStringList lossy; // the texts of arguments whose bytes they do not give back
};
ProgramArguments programArguments(int argc, const char* const* argv);
// Whether a name taken from the arguments came from one whose bytes were
// lost: it is part of one ("--output=NAME"), or holds one (made absolute).
bool cameFromLostBytes(const QString& name, const QStringList& lossy);

// Where a path leads once its links are followed as the kernel's
// protected-links rule would have them followed, whatever the system's own
// setting: a link in a folder that is sticky and writable by everyone (/tmp)
// is followed only when the user owns it or the folder's owner does. A part
// that does not exist ends the walk: the rest is kept as named (a file yet
// to be made).
struct FollowedPath {
    QByteArray path;          // the path reached, without links, as far as it exists
    int error = 0;            // errno of a walk that could not go on (ELOOP, ENOTDIR, ...)
    QByteArray refused;       // a link the rule refuses to follow, when one stood in the way
    bool lastWasLink = false; // the path's own last part was a link
};
FollowedPath followLinksProtected(const QByteArray& path);

} // namespace files
