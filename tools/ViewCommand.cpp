// Starts the viewer program for `gridlux view`.
#include "ViewCommand.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace gridlux {
namespace cli {

namespace {

int
fail(const std::string & message)
{
  std::cerr << "gridlux: view: " << message << std::endl;
  return 1;
}

} // namespace

int
runViewer(char ** argv)
{
#ifdef GRIDLUX_VIEWER_NAME
  // The viewer is installed, and built, in the folder of this program.
  std::vector<char> self(PATH_MAX + 1, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), PATH_MAX);
  if (length <= 0) return fail(std::string("cannot find this program's folder: ") + std::strerror(errno));
  std::string path(self.data(), static_cast<size_t>(length));
  path = path.substr(0, path.find_last_of('/') + 1) + GRIDLUX_VIEWER_NAME;
  argv[0] = const_cast<char *>(path.c_str());
  execv(path.c_str(), argv);
  return fail("cannot start " + path + ": " + std::strerror(errno));
#else
  (void)argv;
  return fail("this gridlux was built without a viewer (SoQt was not found when it was built)");
#endif
}

} // namespace cli
} // namespace gridlux
