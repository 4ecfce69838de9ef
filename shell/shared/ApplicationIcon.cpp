#include "ApplicationIcon.h"

// Resources of a static library are registered by hand, outside any namespace.
static void registerIconResources() { Q_INIT_RESOURCE(icons); }

namespace shell {

QIcon applicationIcon() {
    static const bool registered = (registerIconResources(), true);
    (void)registered;
    QIcon icon;
    for (const int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kinloom-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace shell
