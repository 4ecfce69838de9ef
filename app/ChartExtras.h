#pragma once

// kinloom-chart's extras: the work a blank workbook does without, which
// needs Qt's fonts and painting (pictures of the sheet, picture files,
// columns fitted to their texts) or reads family files. kinloom-chart starts
// without the libraries they take; the module that holds them, built with the
// program from the same sources, is loaded where the options ask for it.
#include "chart/GedcomPedigree.h"
#include "chart/PictureExport.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/VectorPicture.h"

#include <QByteArray>

class QCoreApplication;

namespace spreadsheet {
class Worksheet;
}

// What the module does, each the function of the same name in the layers.
struct ChartExtras {
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
    chart::FilledPedigree (*readFilledPedigree)(const QString& path, const QString& person, int generations);
};

// The module's file and the one name it offers: a function answering its ChartExtras.
inline constexpr char kChartExtrasFile[] = "kinloom-chart-extras.so";
inline constexpr char kChartExtrasEntry[] = "kinloomChartExtras";
using ChartExtrasEntry = const ChartExtras* (*)();

// The module, loaded at the first call from the folder it is installed in
// beside the program. Throws core::Error (FileFailed) where it is missing,
// cannot be loaded or comes from another version.
const ChartExtras& chartExtras();
