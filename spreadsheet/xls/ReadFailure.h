#pragma once

#include <QString>

#include <stdexcept>

// Why a workbook file could not be read. The reader's modules throw these
// without knowing the file's name; readWorkbookBytes() turns them into one
// SpreadsheetError that names the file.
namespace spreadsheet::xls {

class ReadFailure : public std::runtime_error {
public:
    enum class Kind {
        NotAWorkbook, // not an Excel 97-2003 workbook at all
        OlderExcel,   // an Excel 5.0/95 workbook
        Encrypted,    // password-protected
        Damaged,      // the right kind of file, but its content does not hold together
    };

    ReadFailure(Kind kind, const QString& detail)
        : std::runtime_error(detail.toStdString()), m_kind(kind), m_detail(detail) {}

    Kind kind() const { return m_kind; }
    const QString& detail() const { return m_detail; }

private:
    Kind m_kind;
    QString m_detail;
};

[[noreturn]] inline void throwDamaged(const QString& what) { throw ReadFailure(ReadFailure::Kind::Damaged, what); }

} // namespace spreadsheet::xls
