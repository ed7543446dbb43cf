// `gridlux view`: hands the command over to the window program built beside
// `gridlux`, or says that this build has none.
#ifndef GRIDLUX_TOOLS_VIEWCOMMAND_H
#define GRIDLUX_TOOLS_VIEWCOMMAND_H

namespace gridlux {
namespace cli {

/**
 * Replaces the process with the viewer program, passing `argv` on as it
 * stands. Returns only when that cannot be done, with the exit status (1)
 * after one line on standard error.
 */
int runViewer(char ** argv);

} // namespace cli
} // namespace gridlux

#endif
