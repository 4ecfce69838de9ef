#pragma once

#include "WorkbookFormat.h"
#include "Worksheet.h"

#include <QString>

#include <memory>

namespace spreadsheet {

// A workbook of one worksheet, its active sheet. Closing detaches it from its
// application; a reference kept after that answers with an error.
class Workbook {
public:
    explicit Workbook(QString name);
    // A workbook around a sheet read from a file.
    Workbook(QString name, std::unique_ptr<Worksheet> sheet);

    const QString& name() const { return m_name; }
    Worksheet& activeSheet();
    const Worksheet& activeSheet() const;
    bool isClosed() const { return m_closed; }
    // Saves in the format, an Excel 97-2003 workbook unless another is
    // named, replacing a file of that name without asking, as a
    // FileReplacement; the workbook takes the file's name.
    void saveAs(const QString& path, WorkbookFormat format = WorkbookFormat::Excel8);
    // What saveAs writes, for a caller that puts it in place itself.
    QByteArray fileBytes(WorkbookFormat format = WorkbookFormat::Excel8) const;

private:
    friend class Workbooks;
    void markClosed() { m_closed = true; }

    QString m_name;
    std::unique_ptr<Worksheet> m_sheet;
    bool m_closed = false;
};

} // namespace spreadsheet
