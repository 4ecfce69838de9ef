#include "SettingsStore.h"

#include <QCoreApplication>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace shell {

namespace {

struct PendingValue {
    QString file;
    QString section;
    QString key;
    QString value;
};

// One thread writes what typing hands over. A value that arrives while an
// older one of its key still waits replaces it: only the latest is written.
class SettingsWriter {
public:
    static SettingsWriter& instance() {
        static SettingsWriter writer;
        return writer;
    }

    void hand(PendingValue value) {
        {
            std::unique_lock lock(m_mutex);
            if (m_stopping) { // the application is gone: no thread to wait for
                lock.unlock();
                write(value);
                return;
            }
            startOnce();
            auto same = std::find_if(m_pending.begin(), m_pending.end(), [&](const PendingValue& p) {
                return p.file == value.file && p.section == value.section && p.key == value.key;
            });
            if (same != m_pending.end())
                *same = std::move(value);
            else
                m_pending.push_back(std::move(value));
        }
        m_work.notify_one();
    }

    void flush() {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [&] { return m_pending.empty() && !m_writing; });
    }

    // Before Qt's own globals go, the thread writes what waits and ends.
    void stop() {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_work.notify_one();
        if (m_thread.joinable()) m_thread.join();
    }

    ~SettingsWriter() { stop(); }

private:
    static void write(const PendingValue& p) {
        try {
            saveSettingIn(p.file, p.section, p.key, p.value);
        } catch (...) {
            // Typing goes on when the store cannot be written.
        }
    }

    void startOnce() {
        if (m_thread.joinable()) return;
        m_thread = std::thread([this] { run(); });
        qAddPostRoutine([] { SettingsWriter::instance().stop(); });
    }

    void run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_work.wait(lock, [&] { return m_stopping || !m_pending.empty(); });
            if (m_pending.empty()) return; // stopping, nothing left
            std::vector<PendingValue> batch;
            batch.swap(m_pending);
            m_writing = true;
            lock.unlock();
            for (const PendingValue& p : batch) write(p);
            lock.lock();
            m_writing = false;
            m_idle.notify_all();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_idle;
    std::vector<PendingValue> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace

void saveSettingLater(const QString& application, const QString& section, const QString& key, const QString& value) {
    SettingsWriter::instance().hand({settingsFilePath(application), section, key, value});
}

void flushSettings() { SettingsWriter::instance().flush(); }

} // namespace shell
