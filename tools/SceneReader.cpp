// Scene-file input for the `gridlux` program.
#include "SceneReader.h"

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/errors/SoReadError.h>
#include <Inventor/nodes/SoSeparator.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <regex>

namespace gridlux {
namespace cli {

namespace {

// Coin's message reads "Coin read error: WHAT\n\tOccurred at line N in FILE";
// the file is named by the caller, so only the line number and the reason
// are kept, on one line.
std::string
oneLine(const std::string & message)
{
  std::string text = message;
  const std::string prefix = "Coin read error: ";
  if (text.compare(0, prefix.size(), prefix) == 0) text.erase(0, prefix.size());

  std::string where;
  std::smatch match;
  static const std::regex occurred("\\s*Occurred at line\\s+([0-9]+)[^\\n]*");
  if (std::regex_search(text, match, occurred)) {
    where = "line " + match[1].str() + ": ";
    text = match.prefix().str() + match.suffix().str();
  }
  std::string flat;
  bool space = false;
  for (char c : text) {
    const bool blank = c == '\n' || c == '\t' || c == '\r' || c == ' ';
    if (blank) {
      space = !flat.empty();
      continue;
    }
    if (space) flat += ' ';
    space = false;
    flat += c;
  }
  return where + (flat.empty() ? std::string("not a valid scene file") : flat);
}

// Collects read errors while a file is read; the previous handler comes
// back when the collector goes out of scope.
class ReadErrorCollector {
public:
  ReadErrorCollector()
    : previous_(SoReadError::getHandlerCallback()), previousData_(SoReadError::getHandlerData())
  {
    SoReadError::setHandlerCallback(collect, this);
  }
  ~ReadErrorCollector() { SoReadError::setHandlerCallback(previous_, previousData_); }

  const std::vector<std::string> & messages() const { return messages_; }

private:
  static void collect(const SoError * error, void * data)
  {
    static_cast<ReadErrorCollector *>(data)->messages_.push_back(error->getDebugString().getString());
  }

  SoErrorCB * previous_;
  void * previousData_;
  std::vector<std::string> messages_;
};

} // namespace

SoSeparator *
SceneReader::read(const std::string & path, std::string & error,
                  std::vector<std::string> * warnings)
{
  error.clear();
  // Checked here so that the reason is the system's, rather than Coin's
  // search through its list of directories.
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  if (S_ISDIR(info.st_mode)) {
    error = path + ": is a directory";
    return nullptr;
  }
  FILE * probe = std::fopen(path.c_str(), "rb");
  if (!probe) {
    error = path + ": " + std::strerror(errno);
    return nullptr;
  }
  std::fclose(probe);

  ReadErrorCollector collector;
  SoInput input;
  SoSeparator * root = nullptr;
  if (input.openFile(path.c_str(), TRUE)) {
    root = SoDB::readAll(&input);
    input.closeFile();
  }
  if (!root) {
    error = path + ": " +
      (collector.messages().empty() ? std::string("cannot be read as a scene file")
                                    : oneLine(collector.messages().front()));
    return nullptr;
  }
  if (warnings) {
    for (const std::string & message : collector.messages()) {
      warnings->push_back(path + ": " + oneLine(message));
    }
  }
  root->ref();
  return root;
}

} // namespace cli
} // namespace gridlux
