#pragma once
// A Windows program of the GUI subsystem starts without a console, so its terminal output would
// go nowhere. Started from a console window, it writes to that window instead.

namespace korvex::app {

// On Windows: attaches to the parent process's console and points stdout and stderr at it, each
// unless it already leads somewhere (a redirection or a pipe). Elsewhere: nothing.
void useParentConsole();

}  // namespace korvex::app
