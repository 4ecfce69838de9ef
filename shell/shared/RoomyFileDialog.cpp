#include "RoomyFileDialog.h"

#include <QFileDialog>

namespace shell {

bool execRoomy(QFileDialog& dialog) {
    dialog.resize(dialog.size().expandedTo(kFileDialogLeastSize));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace shell
