#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <ostream>

// The windowed program's command line: --help and --version answer on
// standard output without opening a window (so they work where there is no
// display), and the program ends. A family file may be named, as a file
// manager's "Open with" does. Every other argument is left to Qt.

// The exit status when an argument asks for help or the version, after
// printing the answer; nothing when the windows should open.
std::optional<int> answerInformationOptions(const QStringList& arguments, std::ostream& out);

// The family file named on the command line (after Qt has taken its own
// options), as an absolute path; the empty text when none is.
QString familyFileArgument(const QStringList& arguments);
