#include "TrappedHandler.h"

#include "ErrorReport.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QString>

#include <cstring>

namespace shell {

void TrappedHandler::reportFailure(const QString& description) noexcept {
    ShowErrorReport(description, QString::fromUtf8(m_path), m_step);
}

void TrappedHandler::reportUnknownFailure() noexcept {
    ShowErrorReport(QCoreApplication::translate("shell::ErrorReport", "Unknown error"), QString::fromUtf8(m_path),
                    m_step);
}

ScopedFaultInjection::ScopedFaultInjection(TrappedHandler::FaultInjection injection)
    : m_injection(std::move(injection)) {
    TrappedHandler::setFaultInjection(&m_injection);
}

ScopedFaultInjection::ScopedFaultInjection(const char* procedurePath, int step, const char* description)
    : ScopedFaultInjection([procedurePath, step, description](const char* path, int number) {
          if (number == step && std::strcmp(path, procedurePath) == 0)
              throw core::Error(core::ErrorKind::StepFailed, QString::fromUtf8(description));
      }) {}

ScopedFaultInjection::~ScopedFaultInjection() { TrappedHandler::setFaultInjection(nullptr); }

} // namespace shell
