#pragma once

#include <QIcon>

namespace shell {

// Kinloom's icon: a small pedigree of boxes, at 32, 48, 128 and 256 pixels.
QIcon applicationIcon();

} // namespace shell
