#pragma once

#include <QStringList>
#include <QTextStream>

namespace command {

// Exit statuses of the command-line chart program.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadInput = 2;

// kinloom-chart [--root NAME] [--generations COUNT] [--numbers]
//               [--gedcom FILE.ged [--person ID-OR-NAME]] [--picture FILE]
//               --output FILE.xls|.xlsx|.ods
// Draws the chart in a new engine instance, filled from a GEDCOM file when
// one is given, and saves it in the format the extension names. Arguments
// include the program name first, as main receives them; lossyArguments are
// those whose bytes the text does not hold (see files::programArguments):
// a file they name is refused.
int runChartCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                    const QStringList& lossyArguments = {});

// Whether the arguments ask for a picture, or for box texts, whose columns
// are fitted to them: both need Qt's fonts.
bool chartCommandNeedsFonts(const QStringList& arguments);

} // namespace command
