#include "ClipboardKeeper.h"

#include "X11Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace chart {

namespace {

bool hasClipboard() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

// A copy of what this program holds on its clipboard: no other program asked.
std::unique_ptr<QMimeData> copyOf(const QMimeData& held) {
    auto copy = std::make_unique<QMimeData>();
    for (const QString& format : held.formats()) copy->setData(format, held.data(format));
    if (held.hasImage()) copy->setImageData(held.imageData());
    return copy;
}

// What another program offered, as the clipboard holds it again.
std::unique_ptr<QMimeData> mimeDataOf(const std::vector<ClipboardFormat>& formats) {
    auto data = std::make_unique<QMimeData>();
    for (const ClipboardFormat& format : formats) {
        if (format.target == "UTF8_STRING")
            data->setText(QString::fromUtf8(format.data));
        else
            data->setData(QString::fromLatin1(format.target), format.data);
    }
    return data;
}

} // namespace

ClipboardKeeper::ClipboardKeeper() {
    if (!hasClipboard()) return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_x11 = std::make_unique<X11Clipboard>();
        if (!m_x11->isOpen()) m_x11.reset();
    }
    if (m_x11 && !clipboard->ownsClipboard()) {
        if (const auto formats = m_x11->fetch(QDeadlineTimer(kKeepTime))) m_saved = mimeDataOf(*formats);
    } else if (const QMimeData* held = clipboard->mimeData()) {
        m_saved = copyOf(*held);
    }
}

void ClipboardKeeper::pictureCopied() {
    m_pictureCopied = true;
    if (m_x11) m_pictureOwner = m_x11->owner();
}

// What was kept goes back; an empty clipboard is emptied again. When the
// owner handed nothing over, the picture stays, as it would without keeping.
ClipboardKeeper::~ClipboardKeeper() {
    if (!m_pictureCopied || !hasClipboard()) return;
    // Another program that took the clipboard after the picture keeps it.
    if (!m_saved || (m_x11 && m_x11->owner() != m_pictureOwner)) return;
    if (!m_saved->formats().isEmpty())
        QGuiApplication::clipboard()->setMimeData(m_saved.release());
    else
        QGuiApplication::clipboard()->clear();
}

} // namespace chart
