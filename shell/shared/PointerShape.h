#pragma once

#include <QCursor>
#include <QString>

#include <optional>

namespace shell {

// Values of a window's MousePointer.
enum MousePointerShape : int {
    vbDefault = 0,
    vbHourglass = 11,
    vbCustom = 99,
};

// The cursor a MousePointer value shows: the arrow, the wait cursor, or the
// custom cursor made from the window's MouseIcon (a pointing hand when the
// window has none).
QCursor cursorForPointer(int mousePointer, const std::optional<QCursor>& mouseIcon);

// Loads a cursor (.cur) or icon (.ico) file as a cursor, keeping a cursor
// file's hot spot. Throws core::Error ("Invalid picture") when it cannot.
QCursor loadCursorPicture(const QString& path);

} // namespace shell
