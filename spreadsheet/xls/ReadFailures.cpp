#include "ReadFailures.h"

namespace spreadsheet::xls {

namespace {

[[noreturn]] void throwUnnamed(const char* text, files::Phrase detail = {}) {
    throw files::Error(files::ErrorKind::Workbook, text, {QString(), std::move(detail)});
}

} // namespace

void throwNotAWorkbook() { throwUnnamed(QT_TRANSLATE_NOOP("files::Error", "'%1' is not an Excel 97-2003 workbook.")); }

void throwNotAWorkbook(files::Phrase why) {
    throwUnnamed(QT_TRANSLATE_NOOP("files::Error", "'%1' is not an Excel 97-2003 workbook: %2."), std::move(why));
}

void throwOlderExcel() {
    throwUnnamed(QT_TRANSLATE_NOOP(
        "files::Error",
        "'%1' is not an Excel 97-2003 workbook: it is an Excel 5.0/95 workbook, which cannot be opened."));
}

void throwEncrypted() {
    throwUnnamed(
        QT_TRANSLATE_NOOP("files::Error", "'%1' is password-protected: encrypted workbooks cannot be opened."));
}

void throwDamaged(files::Phrase what) {
    throwUnnamed(QT_TRANSLATE_NOOP("files::Error", "'%1' is damaged: %2."), std::move(what));
}

files::Error named(const files::Error& failure, const QString& name) {
    std::vector<files::Phrase> arguments = failure.phrase().arguments();
    arguments.front() = name;
    return files::Error(failure.kind(), files::Phrase(failure.phrase().text(), std::move(arguments)));
}

} // namespace spreadsheet::xls
