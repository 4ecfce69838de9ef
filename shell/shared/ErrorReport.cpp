#include "ErrorReport.h"

#include "MessageBox.h"

namespace shell {

QString errorReportText(const QString& description, const QString& procedurePath, int step) {
    return description + QStringLiteral("\r\n") + procedurePath + QStringLiteral("at line ") + QString::number(step)
        + QStringLiteral("\r\r") + QStringLiteral("Please email screenshot of this message to ")
        + QLatin1String(kSupportEmailAddress);
}

void ShowErrorReport(const QString& description, const QString& procedurePath, int step) noexcept {
    try {
        MsgBox(errorReportText(description, procedurePath, step), vbExclamation, QStringLiteral("Application Error"));
    } catch (...) {
        // The report is the last resort; there is nowhere left to report to.
    }
}

} // namespace shell
