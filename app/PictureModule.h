#pragma once

// kinloom-chart's picture module: the work that needs Qt's fonts and painting
// (pictures of the sheet, picture files, columns fitted to their texts). A
// workbook alone needs none of it, and kinloom-chart starts without the
// picture and GUI libraries; the module, built with the program from the same
// sources, is loaded where the work asks for it.
#include "chart/PictureExport.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/VectorPicture.h"

#include <QByteArray>

class QCoreApplication;

namespace spreadsheet {
class Worksheet;
}

// What the module does, each the function of the same name in the layers.
struct PictureModule {
    const char* version; // the version it was built as, which the program's must be
    // The application, with Qt's fonts (and the sheet's) ready, on no display.
    QCoreApplication* (*makeApplication)(int& argc, char** argv);
    void (*widenColumnsToTexts)(spreadsheet::Worksheet& sheet, int firstColumn, int lastColumn);
    spreadsheet::VectorPicture (*pictureOfRange)(const spreadsheet::Worksheet& sheet,
                                                 const spreadsheet::CellRange& range);
    spreadsheet::VectorPicture (*copyPictureToClipboard)(const spreadsheet::Worksheet& sheet,
                                                         const spreadsheet::CellRange& range);
    QByteArray (*exportedPictureBytes)(const spreadsheet::VectorPicture& picture, chart::PictureFileKind kind,
                                       const QByteArray& bitmapFormat);
    bool (*writesImageFormat)(const QByteArray& format);
};

// The module's file and the one name it offers: a function answering its PictureModule.
inline constexpr char kPictureModuleFile[] = "kinloom-chart-pictures.so";
inline constexpr char kPictureModuleEntry[] = "kinloomPictureModule";
using PictureModuleEntry = const PictureModule* (*)();

// The module, loaded at the first call from the folder it is installed in
// beside the program. Throws core::Error (FileFailed) where it is missing,
// cannot be loaded or comes from another version.
const PictureModule& pictureModule();
