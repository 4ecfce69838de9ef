#include "PointerShape.h"

#include "core/Error.h"
#include "files/WholeFile.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace shell {
namespace {

// A cursor file is an icon file of type 2 whose first directory entry keeps
// the hot spot where an icon keeps its planes and bit count.
std::optional<QPoint> cursorHotSpot(const QByteArray& header) {
    constexpr qsizetype headerSize = 6 + 16;
    if (header.size() < headerSize) return std::nullopt;
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    if (qFromLittleEndian<quint16>(bytes + 2) != 2) return std::nullopt;
    return QPoint(qFromLittleEndian<quint16>(bytes + 10), qFromLittleEndian<quint16>(bytes + 12));
}

} // namespace

QCursor cursorForPointer(int mousePointer, const std::optional<QCursor>& mouseIcon) {
    switch (mousePointer) {
    case vbHourglass: return QCursor(Qt::WaitCursor);
    case vbCustom: return mouseIcon ? *mouseIcon : QCursor(Qt::PointingHandCursor);
    default: return QCursor(Qt::ArrowCursor);
    }
}

QCursor loadCursorPicture(const QString& path) {
    // Only a regular file is read: a named pipe in its place would hold the
    // window's start-up up for good.
    std::unique_ptr<QFile> file;
    try {
        file = files::openRegularFile(path);
    } catch (const core::Error&) {
        throw core::Error(core::ErrorKind::StepFailed, QT_TRANSLATE_NOOP("core::Error", "Invalid picture"));
    }
    const std::optional<QPoint> hotSpot = cursorHotSpot(file->peek(22));
    QImageReader reader(file.get(), "ico");
    const QImage image = reader.read();
    if (image.isNull())
        throw core::Error(core::ErrorKind::StepFailed, QT_TRANSLATE_NOOP("core::Error", "Invalid picture"));
    const QPixmap pixmap = QPixmap::fromImage(image);
    if (hotSpot && hotSpot->x() < image.width() && hotSpot->y() < image.height())
        return QCursor(pixmap, hotSpot->x(), hotSpot->y());
    return QCursor(pixmap);
}

} // namespace shell
