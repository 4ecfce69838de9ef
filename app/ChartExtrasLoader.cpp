// kinloom-chart's side of its extras module: finding and loading it, and the
// layers' functions for pictures, fonts and family files, which the program
// itself calls, passed on to the module's. So the program links none of the
// libraries they take. Linked before the layers' libraries, these
// definitions keep the linker from taking theirs; were one taken for any
// other reason, the build would stop on a function defined twice.
#include "ChartExtras.h"

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

const ChartExtras& loadChartExtras() {
    const QByteArray file = programFolder() + KINLOOM_EXTRAS_FOLDER "/" + kChartExtrasFile;
    const QString name = QFile::decodeName(file);
    void* handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw core::Error(core::ErrorKind::FileFailed,
                          QT_TRANSLATE_NOOP("core::Error", "The module %1 cannot be loaded: %2."),
                          {name, QString::fromLocal8Bit(dlerror())});
    const auto entry = reinterpret_cast<ChartExtrasEntry>(dlsym(handle, kChartExtrasEntry));
    const ChartExtras* extras = entry ? entry() : nullptr;
    if (!extras || qstrcmp(extras->version, KINLOOM_VERSION) != 0)
        throw core::Error(core::ErrorKind::FileFailed,
                          QT_TRANSLATE_NOOP("core::Error", "The module %1 is not this version's."), {name});
    return *extras;
}

} // namespace

const ChartExtras& chartExtras() {
    static const ChartExtras& extras = loadChartExtras(); // tried again after a failure
    return extras;
}

namespace spreadsheet {

void widenColumnsToTexts(Worksheet& sheet, int firstColumn, int lastColumn) {
    chartExtras().widenColumnsToTexts(sheet, firstColumn, lastColumn);
}

VectorPicture pictureOfRange(const Worksheet& sheet, const CellRange& range) {
    return chartExtras().pictureOfRange(sheet, range);
}

VectorPicture copyPictureToClipboard(const Worksheet& sheet, const CellRange& range) {
    return chartExtras().copyPictureToClipboard(sheet, range);
}

} // namespace spreadsheet

namespace chart {

QByteArray exportedPictureBytes(const spreadsheet::VectorPicture& picture, PictureFileKind kind,
                                const QByteArray& bitmapFormat) {
    return chartExtras().exportedPictureBytes(picture, kind, bitmapFormat);
}

bool writesImageFormat(const QByteArray& format) { return chartExtras().writesImageFormat(format); }

FilledPedigree readFilledPedigree(const QString& path, const QString& person, int generations) {
    return chartExtras().readFilledPedigree(path, person, generations);
}

} // namespace chart
