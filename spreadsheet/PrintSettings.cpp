#include "PrintSettings.h"

#include "core/Error.h"

namespace spreadsheet {

namespace {

// text names what is refused, with %1 for the value.
void checkFitPages(int pages, const char* text) {
    if (pages < 0 || pages > xl::kMaxFitToPages)
        throw core::Error(core::ErrorKind::CallRejected, text, {pages, xl::kMaxFitToPages});
}

void checkHeaderFooter(const QString& text, const char* refusal) {
    if (text.size() > xl::kMaxHeaderFooterLength)
        throw core::Error(core::ErrorKind::CallRejected, refusal, {xl::kMaxHeaderFooterLength});
}

} // namespace

void checkPrintSettings(const PrintSettings& settings) {
    if (settings.orientation != xl::kPortrait && settings.orientation != xl::kLandscape)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "%1 is not a page orientation (1 portrait, 2 landscape)."),
                          {settings.orientation});
    if (settings.paperSize < 1 || settings.paperSize > xl::kMaxPaperSize)
        throw core::Error(core::ErrorKind::CallRejected, QT_TRANSLATE_NOOP("core::Error", "%1 is not a paper size."),
                          {settings.paperSize});
    checkFitPages(settings.fitToPagesWide,
                  QT_TRANSLATE_NOOP("core::Error", "%1 is not a number of pages wide (0 to %2)."));
    checkFitPages(settings.fitToPagesTall,
                  QT_TRANSLATE_NOOP("core::Error", "%1 is not a number of pages tall (0 to %2)."));
    checkHeaderFooter(settings.header, QT_TRANSLATE_NOOP("core::Error", "A header has at most %1 characters."));
    checkHeaderFooter(settings.footer, QT_TRANSLATE_NOOP("core::Error", "A footer has at most %1 characters."));
}

} // namespace spreadsheet
