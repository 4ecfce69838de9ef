#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace files {

// Which part of the program refused.
enum class ErrorKind : std::uint8_t {
    File,        // reading, writing or naming a file
    Spreadsheet, // a call the spreadsheet engine rejects, as Excel would
    Gedcom,      // a family file that cannot be read
    Chart,       // a chart that cannot be drawn
    Window,      // a step of the windows
};

// Every failure the program reports to its user. The description is meant
// for the user and shown unchanged; what() holds it in UTF-8.
class Error : public std::runtime_error {
public:
    Error(ErrorKind kind, const QString& description)
        : std::runtime_error(description.toStdString()), m_kind(kind), m_description(description) {}

    ErrorKind kind() const noexcept { return m_kind; }
    const QString& description() const noexcept { return m_description; }

private:
    ErrorKind m_kind;
    QString m_description;
};

} // namespace files
