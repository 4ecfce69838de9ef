#pragma once

#include <QSize>

class QFileDialog;

namespace shell {

// The least size of the file dialogs: Qt's own opens at about 624 × 412,
// where sizes and dates are cut ("854…KiB") and longer words in other
// languages do not fit.
inline constexpr QSize kFileDialogLeastSize{800, 560};

// Shows the dialog, modal, at least that large; true when the user accepted.
bool execRoomy(QFileDialog& dialog);

} // namespace shell
