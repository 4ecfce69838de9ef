#pragma once

#include <QtGlobal>

#include <atomic>
#include <exception>

namespace gedcom {

// How far the reading of a file has come, for a window on another thread
// to show, and its request to stop.
struct ReadingProgress {
    std::atomic<qint64> bytesRead{0};
    std::atomic<qint64> fileSize{0}; // known once the file is open
    std::atomic<bool> stopRequested{false};
};

// A reading ended by its stop request; what was read is dropped.
class ReadingStopped : public std::exception {
public:
    const char* what() const noexcept override { return "the reading was stopped"; }
};

} // namespace gedcom
