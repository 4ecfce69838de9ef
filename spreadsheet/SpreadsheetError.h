#pragma once

#include <QString>
#include <stdexcept>

namespace spreadsheet {

// A call the engine rejects, as Excel would reject it. The description is
// meant for the user: the error report shows it unchanged.
class SpreadsheetError : public std::runtime_error {
public:
    explicit SpreadsheetError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}

    const QString& description() const { return m_description; }

private:
    QString m_description;
};

} // namespace spreadsheet
