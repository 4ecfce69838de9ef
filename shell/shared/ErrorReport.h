#pragma once

#include <QString>

namespace shell {

inline constexpr char kSupportEmailAddress[] = "support@brenvik.example";

// The report's text: the description, CR LF, the procedure path (which ends
// with a blank), "at line ", the step, CR CR, the request to e-mail support.
QString errorReportText(const QString& description, const QString& procedurePath, int step);

// The application's one error message: a modal box captioned
// "Application Error" with the exclamation icon and OK. Never fails.
void ShowErrorReport(const QString& description, const QString& procedurePath, int step) noexcept;

} // namespace shell
