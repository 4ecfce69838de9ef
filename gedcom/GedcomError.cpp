#include "GedcomError.h"

#include "core/VisibleText.h"

namespace gedcom {

// Where a message points is no language: its form is not translated.
core::Phrase located(const QString& file, qint64 line, core::Phrase text) {
    if (line <= 0) return core::Phrase("%1: %2", {file, std::move(text)});
    return core::Phrase("%1:%2: %3", {file, line, std::move(text)});
}

void fail(const QString& file, qint64 line, core::Phrase text) {
    throw core::Error(core::ErrorKind::DataDamaged, located(file, line, std::move(text)));
}

QString shown(QStringView fileText, qsizetype maxLength) {
    if (fileText.size() <= maxLength) return core::visible(fileText);
    if (fileText[maxLength - 1].isHighSurrogate()) --maxLength; // never half a character
    return core::visible(fileText.first(maxLength)) + QChar(0x2026);
}

} // namespace gedcom
