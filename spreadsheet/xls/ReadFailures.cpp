#include "ReadFailures.h"

namespace spreadsheet::xls {

namespace {

[[noreturn]] void throwUnnamed(const char* text, core::Phrase detail = {}) {
    throw core::Error(core::ErrorKind::DataDamaged, text, {QString(), std::move(detail)});
}

} // namespace

void throwNotAWorkbook() { throwUnnamed(QT_TRANSLATE_NOOP("core::Error", "'%1' is not an Excel 97-2003 workbook.")); }

void throwNotAWorkbook(core::Phrase why) {
    throwUnnamed(QT_TRANSLATE_NOOP("core::Error", "'%1' is not an Excel 97-2003 workbook: %2."), std::move(why));
}

void throwOlderExcel() {
    throwUnnamed(QT_TRANSLATE_NOOP(
        "core::Error",
        "'%1' is not an Excel 97-2003 workbook: it is an Excel 5.0/95 workbook, which cannot be opened."));
}

void throwEncrypted() {
    throwUnnamed(QT_TRANSLATE_NOOP("core::Error", "'%1' is password-protected: encrypted workbooks cannot be opened."));
}

void throwDamaged(core::Phrase what) {
    throwUnnamed(QT_TRANSLATE_NOOP("core::Error", "'%1' is damaged: %2."), std::move(what));
}

core::Error named(const core::Error& failure, const QString& name) {
    std::vector<core::Phrase> arguments = failure.phrase().arguments();
    arguments.front() = name;
    return core::Error(failure.kind(), core::Phrase(failure.phrase().text(), std::move(arguments)));
}

} // namespace spreadsheet::xls
