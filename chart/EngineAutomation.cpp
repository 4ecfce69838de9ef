// The automation interface carried out by the in-process spreadsheet engine.
#include "EngineAutomation.h"
#include "LocaleNumber.h"

#include "core/Error.h"
#include "files/RunningObjects.h"
#include "spreadsheet/Application.h"
#include "spreadsheet/ColumnFit.h"
#include "spreadsheet/SheetPicture.h"

namespace chart::automation {

namespace {

spreadsheet::CellRange toCells(SheetRange r) { return {r.firstRow, r.firstColumn, r.lastRow, r.lastColumn}; }

SheetRange fromCells(const spreadsheet::CellRange& r) { return {r.firstRow, r.firstColumn, r.lastRow, r.lastColumn}; }

class EngineWorksheet final : public Worksheet {
public:
    explicit EngineWorksheet(spreadsheet::Worksheet& sheet) : m_sheet(sheet) {}

    SheetRange cells() const override { return fromCells(spreadsheet::CellRange::wholeSheet()); }
    SheetRange cell(int row, int column) const override {
        spreadsheet::checkCell(row, column);
        return {row, column, row, column};
    }
    SheetRange columns(const QString& address) const override {
        const auto range = spreadsheet::parseAddress(address);
        if (!range.coversWholeColumns())
            throw core::Error(core::ErrorKind::CallRejected,
                              QT_TRANSLATE_NOOP("core::Error", "'%1' does not name whole columns."), {address});
        return fromCells(range);
    }
    SheetRange range(const QString& address) const override { return fromCells(spreadsheet::parseAddress(address)); }

    void setColumnWidth(SheetRange range, const QString& width) override {
        const auto characters = parseLocaleNumber(width);
        if (!characters)
            throw core::Error(core::ErrorKind::CallRejected,
                              QT_TRANSLATE_NOOP("core::Error", "'%1' is not a column width."), {width});
        m_sheet.setColumnWidth(toCells(range), *characters);
    }
    void merge(SheetRange range) override { m_sheet.merge(toCells(range)); }
    void setHorizontalAlignment(SheetRange range, int alignment) override {
        m_sheet.setHorizontalAlignment(toCells(range), alignment);
    }
    void setFontName(SheetRange range, const QString& name) override { m_sheet.setFontName(toCells(range), name); }
    void setFontSize(SheetRange range, double points) override { m_sheet.setFontSize(toCells(range), points); }
    void setFontColorIndex(SheetRange range, int colorIndex) override {
        m_sheet.setFontColorIndex(toCells(range), colorIndex);
    }
    void setValue(SheetRange range, const QString& text) override { m_sheet.setValue(toCells(range), text); }
    void setInteriorColorIndex(SheetRange range, int colorIndex) override {
        m_sheet.setInteriorColorIndex(toCells(range), colorIndex);
    }
    void setBorderLineStyle(SheetRange range, int borderIndex, int lineStyle) override {
        m_sheet.setBorderLineStyle(toCells(range), borderIndex, lineStyle);
    }
    void setPageSetup(const PageSetup& p) override {
        m_sheet.setPrintSettings({.orientation = p.orientation,
                                  .paperSize = p.paperSize,
                                  .fitToPages = p.fitToPages,
                                  .fitToPagesWide = p.fitToPagesWide,
                                  .fitToPagesTall = p.fitToPagesTall,
                                  .header = p.header,
                                  .footer = p.footer,
                                  .printGridLines = p.printGridlines});
    }

    void widenColumnsToTexts(SheetRange columns) override {
        spreadsheet::widenColumnsToTexts(m_sheet, columns.firstColumn, columns.lastColumn);
    }

    UsedRange usedRange() const override {
        const auto used = m_sheet.usedRange();
        return {used.firstRow, used.firstColumn, used.rowCount(), used.columnCount()};
    }

    spreadsheet::VectorPicture picture(SheetRange range) const override {
        return spreadsheet::pictureOfRange(m_sheet, toCells(range));
    }
    spreadsheet::VectorPicture copyPicture(SheetRange range) override {
        return spreadsheet::copyPictureToClipboard(m_sheet, toCells(range));
    }

private:
    spreadsheet::Worksheet& m_sheet;
};

class EngineWorkbook final : public Workbook {
public:
    EngineWorkbook(std::shared_ptr<spreadsheet::Application> app, std::shared_ptr<spreadsheet::Workbook> book)
        : m_app(std::move(app)), m_book(std::move(book)) {}

    Worksheet& activeSheet() override {
        spreadsheet::Worksheet& sheet = m_book->activeSheet();
        if (!m_sheet) m_sheet = std::make_unique<EngineWorksheet>(sheet);
        return *m_sheet;
    }
    void saveAs(const QString& path, FileFormat format) override { m_book->saveAs(path, format); }
    QByteArray fileBytes(FileFormat format) const override { return m_book->fileBytes(format); }
    void close() override { m_app->workbooks().close(m_book); }

private:
    std::shared_ptr<spreadsheet::Application> m_app;
    std::shared_ptr<spreadsheet::Workbook> m_book;
    std::unique_ptr<EngineWorksheet> m_sheet;
};

class EngineWorkbooks final : public Workbooks {
public:
    explicit EngineWorkbooks(std::shared_ptr<spreadsheet::Application> app) : m_app(std::move(app)) {}

    std::shared_ptr<Workbook> add() override {
        return std::make_shared<EngineWorkbook>(m_app, m_app->workbooks().add());
    }
    int count() const override { return m_app->workbooks().count(); }
    std::shared_ptr<Workbook> item(int index) override {
        return std::make_shared<EngineWorkbook>(m_app, m_app->workbooks().item(index));
    }
    std::shared_ptr<Workbook> open(const QString& path) override {
        return std::make_shared<EngineWorkbook>(m_app, m_app->workbooks().open(path));
    }

private:
    std::shared_ptr<spreadsheet::Application> m_app;
};

class EngineApplication final : public Application {
public:
    EngineApplication() : m_app(std::make_shared<spreadsheet::Application>()), m_workbooks(m_app) {}

    QString defaultMember() const override {
        m_app->checkRunning();
        return spreadsheet::Application::defaultMemberText();
    }
    Workbooks& workbooks() override {
        m_app->checkRunning();
        return m_workbooks;
    }
    void setVisible(bool visible) override { m_app->setVisible(visible); }
    void setDisplayAlerts(bool displayAlerts) override { m_app->setDisplayAlerts(displayAlerts); }
    void quit() override { m_app->quit(); }

private:
    std::shared_ptr<spreadsheet::Application> m_app;
    EngineWorkbooks m_workbooks;
};

} // namespace

std::unique_ptr<Application> createApplication() { return std::make_unique<EngineApplication>(); }

QString runningInstanceDefaultMember(const QString& className) {
    if (auto answer = files::runningObjectDefaultMember(className)) return *answer;
    throw core::Error(core::ErrorKind::NotFound, QT_TRANSLATE_NOOP("core::Error", "No %1 is running."), {className});
}

} // namespace chart::automation

namespace chart::automation {

std::unique_ptr<Worksheet> wrapEngineWorksheet(spreadsheet::Worksheet& sheet) {
    return std::make_unique<EngineWorksheet>(sheet);
}

} // namespace chart::automation
