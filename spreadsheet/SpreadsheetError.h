#pragma once

#include "files/Error.h"

namespace spreadsheet {

// A call the engine rejects, as Excel would reject it. The description is
// meant for the user: the error report shows it unchanged.
class SpreadsheetError : public files::Error {
public:
    explicit SpreadsheetError(const QString& description) : Error(files::ErrorKind::Spreadsheet, description) {}
};

} // namespace spreadsheet
