#pragma once

#include "Workbook.h"

#include <QString>

#include <memory>
#include <vector>

namespace files {
class RunningObjectEntry;
}

namespace spreadsheet {

class Application;

// The open workbooks of one application, addressed from 1 as in Excel.
class Workbooks {
public:
    explicit Workbooks(const Application& owner) : m_owner(owner) {}

    std::shared_ptr<Workbook> add();
    // Reads an Excel 97-2003 workbook; it becomes the last item, named after
    // the file. Throws core::Error: File when the file cannot be opened,
    // Workbook when it cannot be read as a workbook.
    std::shared_ptr<Workbook> open(const QString& path);
    int count() const;
    std::shared_ptr<Workbook> item(int index) const;
    // Closes one workbook: it leaves the collection, later items move up.
    void close(const std::shared_ptr<Workbook>& workbook);
    void closeAll();

private:
    const Application& m_owner;
    std::vector<std::shared_ptr<Workbook>> m_items;
    int m_booksAdded = 0;
};

// One instance of the engine: what a program would get by creating
// "Excel.Application". It starts invisible and ends with quit().
class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static QString className() { return QStringLiteral("Excel.Application"); }
    // The application's default member, as Excel answers it.
    static QString defaultMemberText() { return QStringLiteral("Microsoft Excel"); }

    Workbooks& workbooks();
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    bool displayAlerts() const { return m_displayAlerts; }
    void setDisplayAlerts(bool displayAlerts);
    void quit();
    // Throws when the application has quit: nothing can be asked of it then.
    void checkRunning() const;

private:
    Workbooks m_workbooks;
    // Lets other processes see this instance as a running "Excel.Application".
    std::unique_ptr<files::RunningObjectEntry> m_registration;
    bool m_visible = false;
    bool m_displayAlerts = true;
    bool m_quit = false;
};

} // namespace spreadsheet
