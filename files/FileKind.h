#pragma once

#include "core/Error.h"

#include <sys/types.h>

namespace files {

// What a path that is no regular file is, as a message names it: "a folder",
// "a named pipe", "a device", "a socket", else "not a regular file".
core::Phrase fileKind(mode_t mode);

} // namespace files
