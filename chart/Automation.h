#pragma once

#include "spreadsheet/ExcelConstants.h"
#include "spreadsheet/VectorPicture.h"
#include "spreadsheet/WorkbookFormat.h"

#include <QString>

#include <memory>

// The spreadsheet calls the chart code makes, as a small typed interface in
// the shape of Excel's object model. Numbers are Excel's own: colour indexes
// of the default palette (16 grey, 43 lime), Borders(7..10) for the left,
// top, bottom and right edges, line style 1 continuous, alignment -4131 left.
// Every call that the spreadsheet rejects throws a core::Error, worded for
// the user by its description().
namespace chart::automation {

// A rectangle of cells, 1-based and inclusive. Calls take it by value: its
// four numbers travel in two registers, where a copy through memory would
// stall each of the half million calls of a large chart.
struct SheetRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;
    bool operator==(const SheetRange&) const = default;
};

// PageSetup and PrintGridlines, in Excel's numbers: orientation xlPortrait 1
// or xlLandscape 2, paper XlPaperSize (9 is A4). fitToPages stands for Zoom =
// False: the sheet then shrinks to FitToPagesWide by FitToPagesTall pages, 0
// (False) standing for as many as it needs. Headers and footers in Excel's codes.
struct PageSetup {
    int orientation = spreadsheet::xl::kPortrait;
    int paperSize = spreadsheet::xl::kPaperA4;
    bool fitToPages = false;
    int fitToPagesWide = 1;
    int fitToPagesTall = 1;
    QString header;
    QString footer;
    bool printGridlines = false;
};

// UsedRange: its first row and column on the sheet and its size.
// Rows(Rows.count).Row is lastRow(), Columns(Columns.count).Column is lastColumn().
struct UsedRange {
    int row = 1;
    int column = 1;
    int rowCount = 1;
    int columnCount = 1;
    int lastRow() const { return row + rowCount - 1; }
    int lastColumn() const { return column + columnCount - 1; }
    SheetRange range() const { return {row, column, lastRow(), lastColumn()}; }
};

class Worksheet {
public:
    virtual ~Worksheet() = default;

    // Cells, Cells(row, column), Columns("A:A"), Range("B2:F2")
    virtual SheetRange cells() const = 0;
    virtual SheetRange cell(int row, int column) const = 0;
    virtual SheetRange columns(const QString& address) const = 0;
    virtual SheetRange range(const QString& address) const = 0;

    // ColumnWidth takes text, as the chart passes it ("2", "24").
    virtual void setColumnWidth(SheetRange range, const QString& width) = 0;
    virtual void merge(SheetRange range) = 0;
    virtual void setHorizontalAlignment(SheetRange range, int alignment) = 0;
    virtual void setFontName(SheetRange range, const QString& name) = 0;
    virtual void setFontSize(SheetRange range, double points) = 0;
    virtual void setFontColorIndex(SheetRange range, int colorIndex) = 0;
    virtual void setValue(SheetRange range, const QString& text) = 0;
    virtual void setInteriorColorIndex(SheetRange range, int colorIndex) = 0;
    virtual void setBorderLineStyle(SheetRange range, int borderIndex, int lineStyle) = 0;
    virtual void setPageSetup(const PageSetup& pageSetup) = 0;
    // Columns.AutoFit, except that no column narrows: each column of the
    // range grows until its widest text shows whole.
    virtual void widenColumnsToTexts(SheetRange columns) = 0;

    virtual UsedRange usedRange() const = 0;
    // The range as it shows on screen, as a vector picture.
    virtual spreadsheet::VectorPicture picture(SheetRange range) const = 0;
    // CopyPicture: that picture, on the system clipboard. Answers the
    // picture put there, which the clipboard may not hold for long.
    virtual spreadsheet::VectorPicture copyPicture(SheetRange range) = 0;
};

class Workbook {
public:
    virtual ~Workbook() = default;
    virtual Worksheet& activeSheet() = 0;
    // SaveAs: saves under the path, asking nothing, in the file format (the
    // Excel 97-2003 workbook unless another is named).
    using FileFormat = spreadsheet::WorkbookFormat;
    virtual void saveAs(const QString& path, FileFormat format = FileFormat::Excel8) = 0;
    // What saveAs writes, for a caller that puts it in place itself.
    virtual QByteArray fileBytes(FileFormat format = FileFormat::Excel8) const = 0;
    virtual void close() = 0;
};

class Workbooks {
public:
    virtual ~Workbooks() = default;
    virtual std::shared_ptr<Workbook> add() = 0;
    virtual int count() const = 0;
    virtual std::shared_ptr<Workbook> item(int index) = 0;
    // Opens a workbook file; it becomes the last item.
    virtual std::shared_ptr<Workbook> open(const QString& path) = 0;
};

// One spreadsheet application instance ("Excel.Application").
class Application {
public:
    virtual ~Application() = default;
    virtual QString defaultMember() const = 0;
    virtual Workbooks& workbooks() = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setDisplayAlerts(bool displayAlerts) = 0;
    virtual void quit() = 0;
};

// Creates a new, invisible instance of the in-process spreadsheet engine.
// Another back end (a spreadsheet program driven from outside) would be
// created here.
std::unique_ptr<Application> createApplication();

// Attaches to an instance already running under the class name
// ("Excel.Application") and reads its default member. Throws when none runs.
QString runningInstanceDefaultMember(const QString& className);

} // namespace chart::automation
