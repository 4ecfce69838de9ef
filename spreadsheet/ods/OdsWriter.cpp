#include "OdsWriter.h"

#include "OdsContent.h"
#include "OdsStyles.h"

#include "spreadsheet/ZipPackage.h"

namespace spreadsheet::ods {

namespace {

constexpr char kMimeType[] = "application/vnd.oasis.opendocument.spreadsheet";

constexpr char kManifest[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\""
    " manifest:version=\"1.3\">"
    "<manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.3\""
    " manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
    "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
    "<manifest:file-entry manifest:full-path=\"styles.xml\" manifest:media-type=\"text/xml\"/>"
    "</manifest:manifest>";

} // namespace

QByteArray workbookFileBytes(const Worksheet& sheet) {
    ZipPackage package;
    // The media type comes first and uncompressed, so that a reader knows the file by its first bytes.
    package.add("mimetype", QByteArray(kMimeType), ZipPackage::Compression::Stored);
    package.add("content.xml", contentPart(sheet), ZipPackage::Compression::Compact);
    package.add("styles.xml", stylesPart(sheet));
    package.add("META-INF/manifest.xml", QByteArray(kManifest));
    return package.finish();
}

} // namespace spreadsheet::ods
