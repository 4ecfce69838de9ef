#pragma once

#include <QString>

#include <stdexcept>

namespace shell {

// A failure of a routine that passes failures on. what() is the description
// shown to the user, UTF-8 encoded.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString& description) : std::runtime_error(description.toStdString()) {}
};

} // namespace shell
