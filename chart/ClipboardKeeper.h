#pragma once

#include <QMimeData>

#include <chrono>
#include <memory>

namespace chart {

class X11Clipboard;

// What the clipboard held before a picture was put on it, put back when the
// picture has been taken, as the user had it. Taking it costs at most
// kKeepTime, whatever the program that owns it does: what it has not handed
// over by then is not kept. Without a graphical session it does nothing.
class ClipboardKeeper {
public:
    static constexpr std::chrono::milliseconds kKeepTime{800};

    ClipboardKeeper();
    ~ClipboardKeeper();
    ClipboardKeeper(const ClipboardKeeper&) = delete;
    ClipboardKeeper& operator=(const ClipboardKeeper&) = delete;

    // The picture is on the clipboard now: what was there goes back at the
    // end, unless another program takes the clipboard meanwhile (its content
    // is then left to it).
    void pictureCopied();

private:
    std::unique_ptr<QMimeData> m_saved;
    std::unique_ptr<X11Clipboard> m_x11; // on X, to see who owns the clipboard
    quint32 m_pictureOwner = 0;
    bool m_pictureCopied = false;
};

} // namespace chart
