#include "Application.h"

#include "core/Error.h"
#include "files/RunningObjects.h"
#include "xls/WorkbookReader.h"

#include <QFileInfo>

#include <algorithm>

namespace spreadsheet {

std::shared_ptr<Workbook> Workbooks::add() {
    m_owner.checkRunning();
    auto book = std::make_shared<Workbook>(QStringLiteral("Book%1").arg(++m_booksAdded));
    m_items.push_back(book);
    return book;
}

std::shared_ptr<Workbook> Workbooks::open(const QString& path) {
    m_owner.checkRunning();
    auto book = std::make_shared<Workbook>(QFileInfo(path).fileName(), xls::readWorkbookFile(path));
    m_items.push_back(book);
    return book;
}

int Workbooks::count() const {
    m_owner.checkRunning();
    return static_cast<int>(m_items.size());
}

std::shared_ptr<Workbook> Workbooks::item(int index) const {
    m_owner.checkRunning();
    if (index < 1 || index > static_cast<int>(m_items.size()))
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "There is no workbook %1: %2 workbooks are open."),
                          {index, m_items.size()});
    return m_items[static_cast<std::size_t>(index - 1)];
}

void Workbooks::close(const std::shared_ptr<Workbook>& workbook) {
    const auto it = std::find(m_items.begin(), m_items.end(), workbook);
    if (it == m_items.end() || workbook->isClosed())
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "The workbook has already been closed."));
    workbook->markClosed();
    m_items.erase(it);
}

void Workbooks::closeAll() {
    for (auto& book : m_items) book->markClosed();
    m_items.clear();
}

Application::Application()
    : m_workbooks(*this),
      m_registration(std::make_unique<files::RunningObjectEntry>(className(), defaultMemberText())) {}

Application::~Application() = default;

Workbooks& Application::workbooks() {
    checkRunning();
    return m_workbooks;
}

void Application::setVisible(bool visible) {
    checkRunning();
    m_visible = visible;
}

void Application::setDisplayAlerts(bool displayAlerts) {
    checkRunning();
    m_displayAlerts = displayAlerts;
}

void Application::quit() {
    checkRunning();
    m_workbooks.closeAll();
    m_registration.reset();
    m_quit = true;
}

void Application::checkRunning() const {
    if (m_quit)
        throw core::Error(core::ErrorKind::CallRejected,
                          QT_TRANSLATE_NOOP("core::Error", "The spreadsheet application has already quit."));
}

} // namespace spreadsheet
