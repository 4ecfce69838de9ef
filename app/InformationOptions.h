#pragma once

#include <QStringList>

#include <optional>
#include <ostream>

// The windowed program takes no command line of its own, except to say what
// it is: --help and --version answer on standard output without opening a
// window (so they work where there is no display), and the program ends.
// Every other argument is left to Qt.

// The exit status when an argument asks for help or the version, after
// printing the answer; nothing when the windows should open.
std::optional<int> answerInformationOptions(const QStringList& arguments, std::ostream& out);
