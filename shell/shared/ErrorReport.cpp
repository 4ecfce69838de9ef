#include "ErrorReport.h"

#include "MessageBox.h"

#include <QCoreApplication>

namespace shell {

QString errorReportText(const QString& description, const QString& procedurePath, int step) {
    // The procedure path names the program's own code and stays as it is.
    return description + QStringLiteral("\r\n") + procedurePath
        + QCoreApplication::translate("shell::ErrorReport", "at line %1").arg(step) + QStringLiteral("\r\r")
        + QCoreApplication::translate("shell::ErrorReport", "Please email screenshot of this message to %1")
              .arg(QLatin1String(kSupportEmailAddress));
}

void ShowErrorReport(const QString& description, const QString& procedurePath, int step) noexcept {
    try {
        MsgBox(errorReportText(description, procedurePath, step), vbExclamation,
               QCoreApplication::translate("shell::ErrorReport", "Application Error"));
    } catch (...) {
        // The report is the last resort; there is nowhere left to report to.
    }
}

} // namespace shell
