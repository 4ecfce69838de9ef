#pragma once

#include <QString>

namespace preview {

// True when both paths name one existing file, through links and relative
// parts alike.
bool IsSameFile(const QString& first, const QString& second);

// Copies a file byte for byte to a target, replacing a file already there
// only once the copy is complete: the bytes go to a new file beside the
// target, which is then renamed over it. On any failure the target is as it
// was and a shell::Failure is thrown.
void CopyFileReplacing(const QString& source, const QString& target);

} // namespace preview
