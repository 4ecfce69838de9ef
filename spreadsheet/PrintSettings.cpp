#include "PrintSettings.h"

#include "SpreadsheetError.h"

namespace spreadsheet {

namespace {

void checkFitPages(int pages, const char* direction) {
    if (pages < 0 || pages > xl::kMaxFitToPages)
        throw SpreadsheetError(QStringLiteral("%1 is not a number of pages %2 (0 to %3).")
                                   .arg(pages)
                                   .arg(QLatin1String(direction))
                                   .arg(xl::kMaxFitToPages));
}

void checkHeaderFooter(const QString& text, const char* what) {
    if (text.size() > xl::kMaxHeaderFooterLength)
        throw SpreadsheetError(
            QStringLiteral("A %1 has at most %2 characters.").arg(QLatin1String(what)).arg(xl::kMaxHeaderFooterLength));
}

} // namespace

void checkPrintSettings(const PrintSettings& settings) {
    if (settings.orientation != xl::kPortrait && settings.orientation != xl::kLandscape)
        throw SpreadsheetError(
            QStringLiteral("%1 is not a page orientation (1 portrait, 2 landscape).").arg(settings.orientation));
    if (settings.paperSize < 1 || settings.paperSize > xl::kMaxPaperSize)
        throw SpreadsheetError(QStringLiteral("%1 is not a paper size.").arg(settings.paperSize));
    checkFitPages(settings.fitToPagesWide, "wide");
    checkFitPages(settings.fitToPagesTall, "tall");
    checkHeaderFooter(settings.header, "header");
    checkHeaderFooter(settings.footer, "footer");
}

} // namespace spreadsheet
