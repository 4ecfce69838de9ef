#include "Workbook.h"

#include "core/Error.h"
#include "files/FileReplacement.h"

#include <QFileInfo>

namespace spreadsheet {

Workbook::Workbook(QString name) : m_name(std::move(name)), m_sheet(std::make_unique<Worksheet>()) {}

Workbook::Workbook(QString name, std::unique_ptr<Worksheet> sheet)
    : m_name(std::move(name)), m_sheet(std::move(sheet)) {}

Worksheet& Workbook::activeSheet() { return const_cast<Worksheet&>(std::as_const(*this).activeSheet()); }

const Worksheet& Workbook::activeSheet() const {
    if (m_closed)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "The workbook '%1' has been closed."), {m_name});
    return *m_sheet;
}

void Workbook::saveAs(const QString& path, WorkbookFormat format) {
    files::replaceFile(path, fileBytes(format));
    m_name = QFileInfo(path).fileName();
}

QByteArray Workbook::fileBytes(WorkbookFormat format) const { return workbookFileBytes(activeSheet(), format); }

} // namespace spreadsheet
