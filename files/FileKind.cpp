#include "FileKind.h"

#include <sys/stat.h>

namespace files {

core::Phrase fileKind(mode_t mode) {
    if (S_ISDIR(mode)) return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a folder"));
    if (S_ISFIFO(mode)) return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a named pipe"));
    if (S_ISCHR(mode) || S_ISBLK(mode)) return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a device"));
    if (S_ISSOCK(mode)) return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "a socket"));
    return core::Phrase(QT_TRANSLATE_NOOP("core::Error", "not a regular file"));
}

} // namespace files
