#pragma once

#include "core/Error.h"

#include <QString>

#include <exception>
#include <functional>
#include <utility>

namespace shell {

// A handler that traps every failure of its numbered statements. A statement
// that throws is reported with ShowErrorReport (the failure's description,
// the handler's procedure path, the statement's number) and the handler goes
// on with the next statement; its own effect is lost. No failure ends the
// handler. The chart runs hundreds of thousands of steps through this, so a
// step costs two tests of static flags beside the statement itself.
//
//   shell::TrappedHandler h(shell::ProcedurePath::Form1_Form_Load);
//   h.step(102, [&] { ApplySkin(*this, m_skin); });
//   if (h.test(106, [&] { return FileExists(path) == -1; }))
//       h.step(108, [&] { ... });
class TrappedHandler {
public:
    // procedurePath must outlive the handler (one of the ProcedurePath literals).
    explicit TrappedHandler(const char* procedurePath) noexcept : m_path(procedurePath) {}
    TrappedHandler(const TrappedHandler&) = delete;
    TrappedHandler& operator=(const TrappedHandler&) = delete;

    // Runs one statement under its step number; false when it failed (and
    // was reported).
    template <typename Statement>
    bool step(int number, Statement&& statement) noexcept {
        return attempt(number, true, std::forward<Statement>(statement));
    }

    // Work that the statements from step `number` on need done ahead, such
    // as a list they go through: a failure is reported under that number,
    // but the work is no statement of its own, so fault injection leaves it
    // alone and a fault at that step hits the statement alone.
    template <typename Work>
    bool prepare(int number, Work&& work) noexcept {
        return attempt(number, false, std::forward<Work>(work));
    }

    // Evaluates the test of a conditional. A test that fails counts as
    // holding: the handler goes on into the branch taken when it holds.
    template <typename Test>
    [[nodiscard]] bool test(int number, Test&& condition) noexcept {
        bool holds = true;
        step(number, [&] { holds = static_cast<bool>(std::forward<Test>(condition)()); });
        return holds;
    }

    const char* procedurePath() const noexcept { return m_path; }
    // The number of the statement running now, or of the last one that ran.
    int currentStep() const noexcept { return m_step; }

    // Tests only: called before every statement of every handler with the
    // handler's procedure path and the step number; whatever it throws counts
    // as the statement's failure. Null turns it off. See ScopedFaultInjection.
    using FaultInjection = std::function<void(const char* procedurePath, int step)>;
    static void setFaultInjection(const FaultInjection* injection) noexcept { s_faultInjection = injection; }

    // Once the application ends no handler runs another statement, also one
    // that was under way when the user closed it (see endApplication).
    // Tests set it back to false.
    static void setApplicationEnded(bool ended) noexcept { s_applicationEnded = ended; }
    static bool applicationEnded() noexcept { return s_applicationEnded; }

private:
    template <typename Statement>
    bool attempt(int number, bool injectable, Statement&& statement) noexcept {
        if (s_applicationEnded) [[unlikely]]
            return false;
        m_step = number;
        try {
            if (injectable && s_faultInjection) [[unlikely]] {
                (*s_faultInjection)(m_path, number);
                if (s_applicationEnded) return false; // the injection closed the program
            }
            std::forward<Statement>(statement)();
            return true;
        } catch (const core::Error& failure) {
            reportFailure(failure.description());
        } catch (const std::exception& failure) {
            reportFailure(QString::fromUtf8(failure.what()));
        } catch (...) {
            reportUnknownFailure();
        }
        return false;
    }

    void reportFailure(const QString& description) noexcept;
    void reportUnknownFailure() noexcept;

    static inline const FaultInjection* s_faultInjection = nullptr;
    static inline bool s_applicationEnded = false;
    const char* m_path;
    int m_step = 0;
};

// Tests only: makes the statement at one step of one handler throw a failure
// with the given description while the object lives.
class ScopedFaultInjection {
public:
    explicit ScopedFaultInjection(TrappedHandler::FaultInjection injection);
    ScopedFaultInjection(const char* procedurePath, int step, const char* description);
    ~ScopedFaultInjection();
    ScopedFaultInjection(const ScopedFaultInjection&) = delete;
    ScopedFaultInjection& operator=(const ScopedFaultInjection&) = delete;

private:
    TrappedHandler::FaultInjection m_injection;
};

} // namespace shell
