#include "PackagedContent.h"

#include "ZipParts.h"
#include "ods/OdsSheetReader.h"
#include "xls/ReadFailures.h"
#include "xlsx/XlsxSheetReader.h"

#include "core/Error.h"

#include <optional>

namespace spreadsheet {

namespace {

using core::Phrase;

[[noreturn]] void throwUnreadable(const char* text, const QString& name, Phrase detail = {}) {
    throw core::Error(core::ErrorKind::DataDamaged, text, {name, std::move(detail)});
}

enum class PackageKind {
    Xlsx,
    Ods
};

// A zip package is an .xlsx or an .ods by what it holds, or is neither.
std::optional<PackageKind> packageKind(const QByteArray& bytes, const QString& name) {
    std::optional<QByteArray> mimeType, manifest, contentTypes;
    try {
        const ZipParts parts(bytes);
        mimeType = parts.part(QStringLiteral("mimetype"));
        manifest = parts.part(QStringLiteral("META-INF/manifest.xml"));
        contentTypes = parts.part(QStringLiteral("[Content_Types].xml"));
    } catch (const std::exception& e) {
        throwUnreadable(QT_TRANSLATE_NOOP("core::Error", "'%1' is damaged: %2."), name,
                        Phrase(QT_TRANSLATE_NOOP("core::Error", "its zip package cannot be read (%1)"),
                               {QString::fromUtf8(e.what())}));
    }
    // OpenDocument's own encryption keeps the package and scrambles its parts.
    if (manifest && manifest->contains("encryption-data"))
        throwUnreadable(
            QT_TRANSLATE_NOOP("core::Error", "'%1' is password-protected: encrypted workbooks cannot be opened."),
            name);
    if (mimeType && mimeType->trimmed() == "application/vnd.oasis.opendocument.spreadsheet") return PackageKind::Ods;
    if (contentTypes && contentTypes->contains("spreadsheetml")) return PackageKind::Xlsx;
    return std::nullopt;
}

} // namespace

SheetContent packagedSheetContent(const QByteArray& bytes, const QString& name) {
    const std::optional<PackageKind> kind = packageKind(bytes, name);
    if (!kind)
        throwUnreadable(QT_TRANSLATE_NOOP("core::Error", "'%1' is not a workbook: %2."), name,
                        Phrase(QT_TRANSLATE_NOOP("core::Error", "the zip file holds no .xlsx or .ods workbook")));
    try {
        return *kind == PackageKind::Xlsx ? xlsx::readFirstSheet(bytes) : ods::readFirstSheet(bytes);
    } catch (const core::Error& failure) {
        throw xls::named(failure, name);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        throwUnreadable(QT_TRANSLATE_NOOP("core::Error", "'%1' is damaged: %2."), name,
                        Phrase(QT_TRANSLATE_NOOP("core::Error", "it cannot be read as a workbook (%1)"),
                               {QString::fromUtf8(e.what())}));
    }
}

} // namespace spreadsheet
