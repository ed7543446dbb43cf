// Parses the arguments of the `gridlux` program into a command with its
// scene file, output file and picture size.
#ifndef GRIDLUX_TOOLS_COMMANDLINE_H
#define GRIDLUX_TOOLS_COMMANDLINE_H

#include <string>

namespace gridlux {
namespace cli {

/**
 * The parsed command line. When parsing fails, `status` is the exit status
 * the program should end with (1 for an unknown option, 2 for bad usage) and
 * `error` is a one-line message without the program name.
 */
class CommandLine {
public:
  enum Command { NONE, RENDER, EXPAND, VRML, INFO, HELP, VERSION, VIEW };

  static CommandLine parse(int argc, const char * const * argv);

  /** Reads "WxH" with both sides whole numbers from 1 to 16384. */
  static bool parseSize(const std::string & text, int & width, int & height);

  /** Several lines describing every command, for `gridlux help`. */
  static const char * usage();

  bool ok() const { return status == 0; }

  Command command = NONE;
  std::string input;
  std::string output;
  int width = 400;
  int height = 400;
  /** render --frames: one numbered PNG per frame of the scene's blinkers. */
  bool frames = false;

  int status = 0;
  std::string error;
};

} // namespace cli
} // namespace gridlux

#endif
