#include "GedcomError.h"

#include "core/VisibleText.h"

namespace gedcom {

// Where a message points is no language: its form is not translated.
files::Phrase located(const QString& file, qint64 line, files::Phrase text) {
    if (line <= 0) return files::Phrase("%1: %2", {file, std::move(text)});
    return files::Phrase("%1:%2: %3", {file, line, std::move(text)});
}

void fail(const QString& file, qint64 line, files::Phrase text) {
    throw files::Error(files::ErrorKind::Gedcom, located(file, line, std::move(text)));
}

QString shown(QStringView fileText, qsizetype maxLength) {
    if (fileText.size() <= maxLength) return files::visible(fileText);
    if (fileText[maxLength - 1].isHighSurrogate()) --maxLength; // never half a character
    return files::visible(fileText.first(maxLength)) + QChar(0x2026);
}

} // namespace gedcom
