#pragma once

#include "files/Error.h"

namespace shell {

// A failure of a routine that passes failures on. what() is the description
// shown to the user, UTF-8 encoded.
class Failure : public files::Error {
public:
    explicit Failure(const QString& description) : Error(files::ErrorKind::Window, description) {}
};

} // namespace shell
