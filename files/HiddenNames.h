#pragma once

#include "FileHold.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace files {

// A file's folder and its own name, as bytes: a name need not be valid text.
QByteArray folderOf(const QByteArray& path);
QByteArray nameOf(const QByteArray& path);
// A rename or removal is durable once the folder holding it is flushed; a
// folder that cannot be flushed has taken it all the same.
void syncFolder(const QByteArray& folder);

// The hidden names of a save beside its target: a point, the target's name
// cut to at most 200 bytes (never inside a character, so that the whole
// stays a valid name), a point and six letters.
QByteArray hiddenStem(const QByteArray& targetName);
// A fresh hidden name beside the target, held before the file is made so
// that no clean-up of another Kinloom takes it meanwhile.
QByteArray hiddenNameBeside(const QByteArray& target, std::optional<FileHold>& hold);
// Whether the name (no folder) is one of the target's hidden names.
bool isHiddenNameOf(const QByteArray& name, const QByteArray& target);

// The hidden names a replacement writes beside a target whose name matches
// the pattern, as a regular expression: for clean-ups of what a killed save
// left behind.
QString besideNamePattern(const QString& targetNamePattern);

// Removes the hidden files that earlier saves to the target left beside it
// (killed, or the machine lost power): those of the user's own that no live
// Kinloom holds. Does nothing when the holds cannot be told.
void removeLeftoverHiddenFiles(const QByteArray& target);

} // namespace files
