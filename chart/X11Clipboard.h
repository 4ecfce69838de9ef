#pragma once

#include <QByteArray>
#include <QDeadlineTimer>

#include <optional>
#include <utility>
#include <vector>

struct xcb_connection_t;

namespace chart {

// One format of what a clipboard holds: its X11 target ("UTF8_STRING",
// "image/png") and its bytes.
struct ClipboardFormat {
    QByteArray target;
    QByteArray data;
};

// The X clipboard seen over a connection of our own, apart from Qt's: Qt
// waits five seconds for each format an owner does not answer, and an owner
// that never answers would hold the program that long for each it offers.
// Here every wait ends at the deadline given.
class X11Clipboard {
public:
    // Connects to the X server the program shows on (DISPLAY).
    X11Clipboard();
    ~X11Clipboard();
    X11Clipboard(const X11Clipboard&) = delete;
    X11Clipboard& operator=(const X11Clipboard&) = delete;

    bool isOpen() const { return m_window != 0; }
    // The window that owns the clipboard; 0 for none.
    quint32 owner();
    // The formats the owner offers that a clipboard can hold again, as far
    // as it answers before the deadline; at most kMaxBytes in all. None for
    // an empty clipboard; nothing when an owner handed none over.
    std::optional<std::vector<ClipboardFormat>> fetch(const QDeadlineTimer& deadline);

    static constexpr qsizetype kMaxBytes = 64 * 1024 * 1024;

private:
    quint32 atom(const char* name);
    std::vector<std::pair<quint32, QByteArray>> heldContentTargets(const QByteArray& list,
                                                                   const QDeadlineTimer& deadline);
    // The owner's answer for one target, or false when it gives none in time.
    bool convert(quint32 target, const QDeadlineTimer& deadline, QByteArray& data, qsizetype room);
    bool readIncrementally(quint32 property, const QDeadlineTimer& deadline, QByteArray& data, qsizetype room);

    xcb_connection_t* m_connection = nullptr;
    quint32 m_window = 0;
    quint32 m_clipboard = 0;
    quint32 m_incremental = 0;
};

} // namespace chart
