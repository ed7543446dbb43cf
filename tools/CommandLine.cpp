// Argument parsing for the `gridlux` program.
#include "CommandLine.h"

#include <cstdlib>
#include <vector>

namespace gridlux {
namespace cli {

namespace {

const int kMaxSide = 16384;

bool
parseSide(const std::string & text, int & value)
{
  if (text.empty() || text.size() > 5) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  value = std::atoi(text.c_str());
  return value >= 1 && value <= kMaxSide;
}

CommandLine
failed(CommandLine line, int status, const std::string & error)
{
  line.status = status;
  line.error = error;
  return line;
}

// view SCENE.iv [-o SHOT.png] [--size WxH]: the window's size, and where the
// 's' key writes its pictures (SHOT_000.png, ...; default: the scene's name
// with "-view.png" in the current folder).
CommandLine
parseView(CommandLine line, const std::vector<std::string> & args)
{
  line.width = 640;
  line.height = 480;
  bool optionsEnded = false, sizeSeen = false, outputSeen = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string & arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      if (!line.input.empty()) return failed(line, 2, "more than one scene file given ('" + line.input + "' and '" + arg + "')");
      line.input = arg;
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t eq = arg.find('=');
    const bool hasValue = arg.compare(0, 2, "--") == 0 && eq != std::string::npos;
    const std::string option = hasValue ? arg.substr(0, eq) : arg;
    const bool isOutput = option == "-o" || option == "--output";
    if (!isOutput && option != "--size") return failed(line, 1, "unknown option '" + arg + "' for 'view' (try 'gridlux help')");
    if (!hasValue && i + 1 >= args.size()) return failed(line, 2, "option '" + option + "' needs a value");
    const std::string value = hasValue ? arg.substr(eq + 1) : args[++i];
    if (isOutput) {
      if (outputSeen) return failed(line, 2, "output file given more than once");
      if (value.empty()) return failed(line, 2, "option '" + option + "' needs a file name");
      line.output = value;
      outputSeen = true;
    }
    else {
      if (sizeSeen) return failed(line, 2, "--size given more than once");
      if (!CommandLine::parseSize(value, line.width, line.height)) {
        return failed(line, 2, "bad --size '" + value + "': expected WxH, each side 1 to " + std::to_string(kMaxSide));
      }
      sizeSeen = true;
    }
  }
  if (line.input.empty()) return failed(line, 2, "'view' needs a scene file");
  if (line.output.empty()) {
    std::string name = line.input.substr(line.input.find_last_of('/') + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    line.output = name + "-view.png";
  }
  return line;
}

} // namespace

bool
CommandLine::parseSize(const std::string & text, int & width, int & height)
{
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  int w = 0, h = 0;
  if (!parseSide(text.substr(0, x), w) || !parseSide(text.substr(x + 1), h)) return false;
  width = w;
  height = h;
  return true;
}

const char *
CommandLine::usage()
{
  return
    "usage: gridlux render SCENE.iv -o OUT.png [--size WxH] [--frames]\n"
    "       gridlux expand SCENE.iv -o OUT.iv\n"
    "       gridlux vrml SCENE.iv -o OUT.wrl\n"
    "       gridlux info\n"
    "       gridlux view SCENE.iv [-o SHOT.png] [--size WxH]\n"
    "       gridlux help | --help | --version\n"
    "\n"
    "  render   draws the scene offscreen (adding a camera and a light when it\n"
    "           has none) and writes a PNG, edges smoothed over four jittered\n"
    "           drawings; the size defaults to 400x400. With --frames, every\n"
    "           frame of the scene's blinkers (stream animations) is written,\n"
    "           OUT_000.png, OUT_001.png, ..., as many as the longest blinker has\n"
    "  expand   writes the scene with the geometry the library's nodes build,\n"
    "           readable by any Inventor reader\n"
    "  vrml     converts the scene to VRML 2, each view kept in front of the\n"
    "           viewer\n"
    "  info     prints the version and every class the library registers,\n"
    "           with its parent\n"
    "  view     opens the scene in an examiner viewer window (640x480 unless\n"
    "           --size); key s writes the view as SHOT_000.png, SHOT_001.png, ...\n"
    "           (SHOT defaults to the scene's name with -view.png), q quits;\n"
    "           the scene is read again whenever its file changes\n";
}

CommandLine
CommandLine::parse(int argc, const char * const * argv)
{
  CommandLine line;
  std::vector<std::string> args(argv + 1, argv + (argc > 0 ? argc : 1));
  if (args.empty()) return failed(line, 2, "no command given (try 'gridlux help')");

  const std::string & name = args[0];
  if (name == "render") line.command = RENDER;
  else if (name == "expand") line.command = EXPAND;
  else if (name == "vrml") line.command = VRML;
  else if (name == "info") line.command = INFO;
  else if (name == "view") line.command = VIEW;
  else if (name == "help" || name == "--help" || name == "-h") line.command = HELP;
  else if (name == "--version") line.command = VERSION;
  else return failed(line, 2, "unknown command '" + name + "' (try 'gridlux help')");
  if (line.command == VIEW) return parseView(line, args);

  const bool takesScene = line.command == RENDER || line.command == EXPAND || line.command == VRML;
  bool optionsEnded = false;
  bool sizeSeen = false;
  bool outputSeen = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string & arg = args[i];
    const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
    if (!isOption) {
      if (!takesScene) return failed(line, 2, "'" + name + "' takes no arguments, got '" + arg + "'");
      if (!line.input.empty()) return failed(line, 2, "more than one scene file given ('" + line.input + "' and '" + arg + "')");
      line.input = arg;
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }

    // Options take their value as the next argument or after '='.
    std::string option = arg;
    std::string value;
    bool hasValue = false;
    const size_t eq = arg.find('=');
    if (arg.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      option = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      hasValue = true;
    }
    if (line.command == RENDER && arg == "--frames") {
      if (line.frames) return failed(line, 2, "--frames given more than once");
      line.frames = true;
      continue;
    }
    const bool isOutput = takesScene && (option == "-o" || option == "--output");
    const bool isSize = line.command == RENDER && option == "--size";
    if (!isOutput && !isSize) {
      return failed(line, 1, "unknown option '" + arg + "' for '" + name + "' (try 'gridlux help')");
    }
    if (!hasValue) {
      if (i + 1 >= args.size()) return failed(line, 2, "option '" + option + "' needs a value");
      value = args[++i];
    }
    if (isOutput) {
      if (outputSeen) return failed(line, 2, "output file given more than once");
      if (value.empty()) return failed(line, 2, "option '" + option + "' needs a file name");
      line.output = value;
      outputSeen = true;
    }
    else {
      if (sizeSeen) return failed(line, 2, "--size given more than once");
      if (!parseSize(value, line.width, line.height)) {
        return failed(line, 2, "bad --size '" + value + "': expected WxH, each side 1 to " +
                      std::to_string(kMaxSide));
      }
      sizeSeen = true;
    }
  }

  if (takesScene) {
    if (line.input.empty()) return failed(line, 2, "'" + name + "' needs a scene file");
    if (line.output.empty()) return failed(line, 2, "'" + name + "' needs an output file: -o FILE");
  }
  return line;
}

} // namespace cli
} // namespace gridlux
