// kinloom-chart's side of its picture module: finding and loading it, and the
// layers' picture functions, which the program itself calls, passed on to the
// module's. So the program links none of the picture and GUI libraries.
// Linked before the layers' libraries, these definitions keep the linker from
// taking theirs; were one taken for any other reason, the build would stop on
// a function defined twice.
#include "PictureModule.h"

#include "core/Error.h"
#include "spreadsheet/ColumnFit.h"
#include "spreadsheet/SheetPicture.h"

#include <QFile>

#include <climits>
#include <dlfcn.h>
#include <unistd.h>

namespace {

// The running program's folder, with its separator.
QByteArray programFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length == static_cast<ssize_t>(sizeof path)) return {};
    const QByteArray program(path, length);
    return program.left(program.lastIndexOf('/') + 1);
}

const PictureModule& loadPictureModule() {
    const QByteArray file = programFolder() + KINLOOM_PICTURE_MODULE_FOLDER "/" + kPictureModuleFile;
    const QString name = QFile::decodeName(file);
    void* handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw core::Error(core::ErrorKind::FileFailed,
                          QT_TRANSLATE_NOOP("core::Error", "The picture module %1 cannot be loaded: %2."),
                          {name, QString::fromLocal8Bit(dlerror())});
    const auto entry = reinterpret_cast<PictureModuleEntry>(dlsym(handle, kPictureModuleEntry));
    const PictureModule* module = entry ? entry() : nullptr;
    if (!module || qstrcmp(module->version, KINLOOM_VERSION) != 0)
        throw core::Error(core::ErrorKind::FileFailed,
                          QT_TRANSLATE_NOOP("core::Error", "The picture module %1 is not this version's."), {name});
    return *module;
}

} // namespace

const PictureModule& pictureModule() {
    static const PictureModule& module = loadPictureModule(); // tried again after a failure
    return module;
}

namespace spreadsheet {

void widenColumnsToTexts(Worksheet& sheet, int firstColumn, int lastColumn) {
    pictureModule().widenColumnsToTexts(sheet, firstColumn, lastColumn);
}

VectorPicture pictureOfRange(const Worksheet& sheet, const CellRange& range) {
    return pictureModule().pictureOfRange(sheet, range);
}

VectorPicture copyPictureToClipboard(const Worksheet& sheet, const CellRange& range) {
    return pictureModule().copyPictureToClipboard(sheet, range);
}

} // namespace spreadsheet

namespace chart {

QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, PictureFileKind kind,
                                const QByteArray& bitmapFormat) {
    return pictureModule().exportedPictureBytes(picture, kind, bitmapFormat);
}

bool writesImageFormat(const QByteArray& format) { return pictureModule().writesImageFormat(format); }

} // namespace chart
