// Reads a scene file for the `gridlux` program, turning every way it can
// fail into one line that names the file and the reason.
#ifndef GRIDLUX_TOOLS_SCENEREADER_H
#define GRIDLUX_TOOLS_SCENEREADER_H

#include <string>
#include <vector>

class SoSeparator;

namespace gridlux {
namespace cli {

/** Scene-file input with Coin's read errors captured instead of printed. */
class SceneReader {
public:
  /**
   * Reads all of `path` under one separator, returned with one reference
   * (the caller unrefs it). Returns null for a missing, unreadable or
   * malformed file, with a one-line reason such as
   * "scene.iv: line 3: Node type ``Foo'' not recognized." in `error`.
   * Problems Coin reads past (a File node naming a missing file, say) do
   * not stop the read; they are added to `warnings`, in the same form.
   */
  static SoSeparator * read(const std::string & path, std::string & error,
                            std::vector<std::string> * warnings = nullptr);
};

} // namespace cli
} // namespace gridlux

#endif
