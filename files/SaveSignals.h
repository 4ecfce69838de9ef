#pragma once

namespace files {

// For a program without an event loop to end it (kinloom-chart): from now on
// SIGINT, SIGTERM and SIGHUP end the program at once, as they always did,
// except while a save is under way: then they wait until its files are all
// in place or all back, and end it after. Signals the program handles itself
// are left to it. SIGKILL cannot wait: a save it cuts short is put right by
// the next save to any of its files.
void deferEndingSignalsDuringSaves();

// While one lives, a save is under way (see deferEndingSignalsDuringSaves).
class SaveUnderWay {
public:
    SaveUnderWay() noexcept;
    ~SaveUnderWay();
    SaveUnderWay(const SaveUnderWay&) = delete;
    SaveUnderWay& operator=(const SaveUnderWay&) = delete;
};

// A file-size limit (ulimit -f) would end the program with SIGXFSZ part-way
// through a write; ignored, the write fails with "File too large" instead,
// and the save can put things back. Called by the programs at start and by
// every save; done once.
void failWritesBeyondTheSizeLimit();

} // namespace files
