#pragma once

#include "Automation.h"

#include <QString>

#include <memory>

// The spreadsheet instances around a chart build: is one already running,
// a workbook opened in a fresh hidden instance, and the picture of a sheet.
namespace chart::Excel1 {

// True when a running "Excel.Application" answers "Microsoft Excel" exactly.
// Never fails: any failure is false.
bool isExcelRunning();

// When one is running, asks whether to go on; true means stop. Never fails.
bool stopForRunningExcel();

// A new, invisible instance with the workbook opened in it (its last
// workbook). Failures go to the caller.
std::unique_ptr<automation::Application> openWorkbookInNewExcel(const QString& path);

// Writes a picture of the used cells of the workbook's active sheet to the
// path, as the vector picture's own file whatever the path's extension,
// replacing any file there; nothing when the used range ends in row 1 or
// column 1. Reports its own failures and goes on, also when there is no
// workbook (an earlier step of the caller failed); the clipboard holds what
// it held before.
void saveCellsActivesheet(automation::Workbook* workbook, const QString& picturePath);

} // namespace chart::Excel1
