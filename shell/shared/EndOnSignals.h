#pragma once

namespace shell {

// From now on SIGTERM, SIGINT and SIGHUP (a log-out, Ctrl+C in the terminal,
// `kill`) end the application as closing its window does: the windows go,
// and with them the files they hold. Needs the application object.
void endApplicationOnSignals();

} // namespace shell
