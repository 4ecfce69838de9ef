#pragma once

#include <QColor>

class QWidget;

namespace shell {

class SkinFramework;

// The theme's face colour of buttons.
QColor buttonFaceColor();

// Paints a control's or window's background in a colour.
void setBackColor(QWidget& widget, const QColor& colour);

// The window and its option buttons, check boxes, frames and labels take the
// button-face colour; other controls keep theirs.
void SetButtonFaceColors(QWidget& window);

// With an ordinary file "x/o.cjs" in the application folder: the main window
// and its option buttons, check boxes, frames, labels and picture boxes take
// the button-face colour, then the skin is loaded from that file and applied
// to the window. Without one nothing happens. Throws what the skin throws;
// the remaining skin operations are then skipped.
void ApplySkin(QWidget& mainWindow, SkinFramework& skin);

// The skin file's place.
QString skinFilePath();

} // namespace shell
