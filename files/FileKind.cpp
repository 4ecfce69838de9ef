#include "FileKind.h"

#include <sys/stat.h>

namespace files {

Phrase fileKind(mode_t mode) {
    if (S_ISDIR(mode)) return Phrase(QT_TRANSLATE_NOOP("files::Error", "a folder"));
    if (S_ISFIFO(mode)) return Phrase(QT_TRANSLATE_NOOP("files::Error", "a named pipe"));
    if (S_ISCHR(mode) || S_ISBLK(mode)) return Phrase(QT_TRANSLATE_NOOP("files::Error", "a device"));
    if (S_ISSOCK(mode)) return Phrase(QT_TRANSLATE_NOOP("files::Error", "a socket"));
    return Phrase(QT_TRANSLATE_NOOP("files::Error", "not a regular file"));
}

} // namespace files
