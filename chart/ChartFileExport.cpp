#include "ChartFileExport.h"

#include "Excel1.h"

#include "files/WholeFile.h"

namespace chart {

QByteArray chartFileBytes(const QString& workbookPath, ChartFileFormat format) {
    if (format == ChartFileFormat::Xls) return files::readWholeFile(workbookPath);
    const std::unique_ptr<automation::Application> application = Excel1::openWorkbookInNewExcel(workbookPath);
    automation::Workbooks& books = application->workbooks();
    const std::shared_ptr<automation::Workbook> book = books.item(books.count());
    const QByteArray bytes = chartFileBytes(*book, chartFileType(format));
    application->setDisplayAlerts(false);
    book->close();
    application->quit();
    return bytes;
}

} // namespace chart
