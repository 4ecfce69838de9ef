#pragma once

namespace shell {

// Ends the application at once, as closing either window does: every window
// goes, no other window's closing handling runs, and no trapped handler runs
// another statement, also one under way when the close came (a build run
// lets pending events through, a close among them).
void endApplication();

} // namespace shell
