// The window program behind `gridlux view`, run by `gridlux` with the same
// arguments. It is a program of its own because the offscreen renderer
// linked into `gridlux` takes over the OpenGL entry points of its process,
// which would leave a window's GL context undrawn.
#include "CommandLine.h"
#include "SceneReader.h"
#include "SceneViewer.h"

#include <Gridlux/base/PoGridlux.h>

#include <Inventor/Qt/SoQt.h>
#include <Inventor/nodes/SoSeparator.h>

#include <X11/Xlib.h>

#include <cstdlib>
#include <iostream>
#include <string>

using gridlux::cli::CommandLine;

namespace {

int
fail(const std::string & message)
{
  std::cerr << "gridlux: " << message << std::endl;
  return 1;
}

// The name after the last slash, for the window title.
std::string
baseName(const std::string & path)
{
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

int
main(int argc, char ** argv)
{
  setenv("COIN_NO_SOTYPE_DYNLOAD", "1", 0);
  const CommandLine line = CommandLine::parse(argc, argv);
  if (!line.ok()) return (std::cerr << "gridlux: " << line.error << std::endl, line.status);
  if (line.command != CommandLine::VIEW) return fail("the viewer only runs 'view'");

  // The file is read before any window exists, so that a bad file opens none.
  PoGridlux::init();
  std::vector<std::string> warnings;
  std::string error;
  SoSeparator * root = gridlux::cli::SceneReader::read(line.input, error, &warnings);
  for (const std::string & warning : warnings) std::cerr << "gridlux: warning: " << warning << std::endl;
  if (!root) return fail(error);

  // Qt aborts the process when it cannot reach the display; say why instead.
  Display * display = XOpenDisplay(nullptr);
  if (!display) {
    root->unref();
    const char * name = std::getenv("DISPLAY");
    return fail(std::string("view: cannot open the display '") + (name ? name : "") +
                "' (is an X server running and DISPLAY set?)");
  }
  XCloseDisplay(display);

  QWidget * window = SoQt::init("gridlux");
  if (!window) {
    root->unref();
    return fail("view: the window system could not be set up");
  }
  int status = 0;
  {
    gridlux::cli::SceneViewer viewer(window, line.input, line.output);
    viewer.showScene(root);
    root->unref();
    viewer.setTitle(("gridlux: " + baseName(line.input)).c_str());
    viewer.setSize(SbVec2s(static_cast<short>(line.width), static_cast<short>(line.height)));
    viewer.show();
    SoQt::show(window);
    SoQt::mainLoop();
    viewer.hide();
  }
  SoQt::done();
  return status;
}
