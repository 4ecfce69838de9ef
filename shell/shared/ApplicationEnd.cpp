#include "ApplicationEnd.h"

#include "TrappedHandler.h"

#include <QApplication>
#include <QWidget>

namespace shell {

void endApplication() {
    TrappedHandler::setApplicationEnded(true);
    // Hidden, not closed: a window's closing handling is not to run.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    QCoreApplication::exit(0);
}

} // namespace shell
