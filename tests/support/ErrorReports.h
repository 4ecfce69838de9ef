#pragma once

// The error reports a test's message boxes showed, each as the handler the
// report names and its step: "Form1.Form_Load 108".
#include "shell/shared/MessageBox.h"
#include "tests/support/QStringPrinter.h"

#include <QRegularExpression>
#include <QStringList>

#include <initializer_list>

inline QStringList errorReports(const shell::MessageBoxTestSeam& messages) {
    static const QRegularExpression pathAndStep(QStringLiteral("\r\nin Kinloom2016/11/03\\.(\\S+) at line (\\d+)\r\r"));
    QStringList reports;
    for (const shell::ShownMessage& m : messages.shown()) {
        if (m.caption != QStringLiteral("Application Error")) continue;
        const QRegularExpressionMatch match = pathAndStep.match(m.text);
        reports << (match.hasMatch() ? match.captured(1) + QLatin1Char(' ') + match.captured(2) : m.text);
    }
    return reports;
}

// The reports one handler gives for these steps, in order.
inline QStringList reportsOf(const char* handler, std::initializer_list<int> steps) {
    QStringList reports;
    for (const int step : steps) reports << QString::fromLatin1(handler) + QLatin1Char(' ') + QString::number(step);
    return reports;
}
