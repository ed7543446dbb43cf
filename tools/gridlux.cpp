// The `gridlux` program: renders scene files to PNG, writes them with the
// library's geometry expanded or converted to VRML 2, and lists the library's classes.
#include "CommandLine.h"
#include "SceneReader.h"
#include "ViewCommand.h"

#include "offscreen/PngFile.h"
#include "offscreen/SceneRenderer.h"

#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/views/PoToVRML2Action.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoOutput.h>
#include <Inventor/SoType.h>
#include <Inventor/VRMLnodes/SoVRMLGroup.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/errors/SoDebugError.h>
#include <Inventor/misc/SoChildList.h>
#include <Inventor/nodes/SoBlinker.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

using gridlux::cli::CommandLine;
using gridlux::cli::SceneReader;

namespace {

int
fail(const std::string & message)
{
  std::cerr << "gridlux: " << message << std::endl;
  return 1;
}

// The messages posted through the library's and the toolkit's error classes while a command
// runs, each made one line. An error fails the command with that one line (the scene is not
// what the file meant, so no picture or file should pass for it); warnings are printed when the
// command succeeds.
class PostedMessages {
public:
  PostedMessages()
    : previousLibrary_(PoDebugError::getHandlerCallback()), previousLibraryData_(PoDebugError::getHandlerData()),
      previousToolkit_(SoDebugError::getHandlerCallback()), previousToolkitData_(SoDebugError::getHandlerData())
  {
    PoDebugError::setHandlerCallback(collect, this);
    SoDebugError::setHandlerCallback(collect, this);
  }
  ~PostedMessages()
  {
    PoDebugError::setHandlerCallback(previousLibrary_, previousLibraryData_);
    SoDebugError::setHandlerCallback(previousToolkit_, previousToolkitData_);
  }
  PostedMessages(const PostedMessages &) = delete;
  PostedMessages & operator=(const PostedMessages &) = delete;

  bool failed() const { return !firstError_.empty(); }
  const std::string & firstError() const { return firstError_; }
  void addWarning(const std::string & line) { warnings_.push_back(line); }
  void printWarnings() const
  {
    for (const std::string & warning : warnings_) std::cerr << "gridlux: warning: " << warning << std::endl;
  }

private:
  static void collect(const SoError * error, void * data)
  {
    PostedMessages * self = static_cast<PostedMessages *>(data);
    bool isError = false;
    if (error->isOfType(PoDebugError::getClassTypeId()))
      isError = static_cast<const PoDebugError *>(error)->getSeverity() == PoDebugError::ERROR;
    else if (error->isOfType(SoDebugError::getClassTypeId()))
      isError = static_cast<const SoDebugError *>(error)->getSeverity() == SoDebugError::ERROR;
    std::string line;
    for (const char * c = error->getDebugString().getString(); *c; ++c) {
      const bool blank = *c == '\n' || *c == '\r' || *c == '\t' || *c == ' ';
      if (blank && (line.empty() || line.back() == ' ')) continue;
      line += blank ? ' ' : *c;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (!isError) self->warnings_.push_back(line);
    else if (self->firstError_.empty()) self->firstError_ = line.empty() ? std::string("error posted") : line;
  }

  SoErrorCB * previousLibrary_;
  void * previousLibraryData_;
  SoErrorCB * previousToolkit_;
  void * previousToolkitData_;
  std::string firstError_;
  std::vector<std::string> warnings_;
};

PostedMessages * posted = nullptr;  // set by main() for the command's run

// Reads the scene, keeping what Coin read past as warnings.
SoSeparator *
readScene(const std::string & path, std::string & error)
{
  std::vector<std::string> warnings;
  SoSeparator * root = SceneReader::read(path, error, &warnings);
  for (const std::string & warning : warnings) posted->addWarning(warning);
  // The toolkit names where the read stopped, the library's message why.
  if (!root && posted->failed()) error += " (" + posted->firstError() + ")";
  return root;
}

// After a step of a command: the status, or a failure naming the first error posted (the scene
// is given back) when there was one.
int
checkPosted(const CommandLine & line, SoSeparator * root)
{
  if (!posted->failed()) return 0;
  if (root) root->unref();
  return fail(line.input + ": " + posted->firstError());
}

// OUT.png with "_" and the three-digit frame number before its extension.
std::string
frameFileName(const std::string & output, int frame)
{
  char number[16];
  std::snprintf(number, sizeof number, "_%03d", frame);
  const size_t dot = output.rfind('.');
  const size_t slash = output.find_last_of("/\\");
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return hasExtension ? output.substr(0, dot) + number + output.substr(dot) : output + number;
}

// Every blinker under @p node, depth first.
void
collectBlinkers(SoNode * node, std::vector<SoBlinker *> & out)
{
  if (node->isOfType(SoBlinker::getClassTypeId()))
    out.push_back(static_cast<SoBlinker *>(node));
  SoChildList * children = node->getChildren();
  for (int i = 0; children && i < children->getLength(); ++i)
    collectBlinkers((*children)[i], out);
}

// The scene's blinkers, found after the library's nodes have built their parts.
std::vector<SoBlinker *>
findBlinkers(SoSeparator * root, int width, int height)
{
  SoGetBoundingBoxAction boxes(SbViewportRegion(width, height));
  boxes.apply(root);
  // A walk of the children finds them in the parts of node kits too, which list their parts as
  // their children; a search's paths would hide those parts behind their kits.
  std::vector<SoBlinker *> blinkers;
  collectBlinkers(root, blinkers);
  return blinkers;
}

int
render(const CommandLine & line)
{
  std::string error;
  SoSeparator * root = readScene(line.input, error);
  if (!root) return fail(error);
  if (checkPosted(line, root)) return 1;

  gridlux::offscreen::SceneRenderer renderer;
  renderer.setSize(line.width, line.height);
  // Gallery pictures are looked at: smoothed edges, and thin strokes of small
  // text kept.
  renderer.setPasses(4);
  gridlux::offscreen::RgbaImage image;
  if (!line.frames) {
    const bool drawn = renderer.render(root, image, &error);
    root->unref();
    if (!drawn) return fail(line.input + ": " + error);
    if (checkPosted(line, nullptr)) return 1;
    if (!gridlux::offscreen::PngFile::write(line.output, image, &error)) return fail(error);
    return 0;
  }

  // Each blinker is stopped and shows frame f (modulo its own count) in picture f.
  std::vector<SoBlinker *> blinkers = findBlinkers(root, line.width, line.height);
  int numFrames = 1;
  for (SoBlinker * blinker : blinkers) {
    blinker->ref();
    blinker->on = FALSE;
    blinker->whichChild.disconnect();
    if (blinker->getNumChildren() > numFrames) numFrames = blinker->getNumChildren();
  }
  if (blinkers.empty()) std::cerr << "gridlux: warning: " << line.input << ": no blinker, one frame written" << std::endl;
  int status = 0;
  for (int f = 0; f < numFrames && status == 0; ++f) {
    for (SoBlinker * blinker : blinkers) {
      const int n = blinker->getNumChildren();
      blinker->whichChild = n > 0 ? f % n : -1;
    }
    const std::string name = frameFileName(line.output, f);
    if (!renderer.render(root, image, &error)) status = fail(line.input + ": " + error);
    else if (checkPosted(line, nullptr)) status = 1;
    else if (!gridlux::offscreen::PngFile::write(name, image, &error)) status = fail(error);
  }
  for (SoBlinker * blinker : blinkers) blinker->unref();
  root->unref();
  return status;
}

int
expand(const CommandLine & line)
{
  std::string error;
  SoSeparator * root = readScene(line.input, error);
  if (!root) return fail(error);
  if (checkPosted(line, root)) return 1;

  PoBase::setNodeWriteFormat(PoBase::WRITE_FORMAT_EXPANDED);
  // Writing asks only the root to build itself: one traversal first makes
  // every library node below it build its geometry.
  SoGetBoundingBoxAction boxes(SbViewportRegion(line.width, line.height));
  boxes.apply(root);
  if (checkPosted(line, root)) return 1;

  // The file is opened here, not by SoOutput, so that a failure names its
  // reason and a full disk is noticed when the file is closed.
  FILE * file = std::fopen(line.output.c_str(), "w");
  if (!file) {
    const std::string reason = std::strerror(errno);
    root->unref();
    return fail("cannot write " + line.output + ": " + reason);
  }

  {
    SoOutput output;
    output.setFilePointer(file);
    SoWriteAction writer(&output);
    writer.apply(root);
  }
  root->unref();

  const bool written = !std::ferror(file);
  const int closed = std::fclose(file);
  if (!written || closed != 0) {
    return fail("cannot write " + line.output + ": " + std::strerror(errno));
  }
  return 0;
}

// Converts the scene to VRML 2 and writes it.
int
vrml(const CommandLine & line)
{
  std::string error;
  SoSeparator * root = readScene(line.input, error);
  if (!root) return fail(error);
  if (checkPosted(line, root)) return 1;

  FILE * file = std::fopen(line.output.c_str(), "w");
  if (!file) {
    const std::string reason = std::strerror(errno);
    root->unref();
    return fail("cannot write " + line.output + ": " + reason);
  }

  PoToVRML2Action convert;
  convert.apply(root);
  SoVRMLGroup * result = convert.getVRML2SceneGraph();
  if (result) {
    SoOutput output;
    output.setFilePointer(file);
    output.setHeaderString("#VRML V2.0 utf8");
    SoWriteAction writer(&output);
    writer.apply(result);
  }
  root->unref();

  const bool written = result && !std::ferror(file);
  const int closed = std::fclose(file);
  if (!result) return fail(line.input + ": the scene could not be converted");
  if (!written || closed != 0) {
    return fail("cannot write " + line.output + ": " + std::strerror(errno));
  }
  return 0;
}

// Library classes are recognised by name ("Po" and a capital, which no Coin
// class name has) plus the error class, whose type name is Coin's
// "DebugError". Type keys follow registration order.
bool
isLibraryType(SoType type)
{
  if (type.isBad()) return false;
  if (type == PoDebugError::getClassTypeId()) return true;
  const char * name = type.getName().getString();
  return name[0] == 'P' && name[1] == 'o' && name[2] >= 'A' && name[2] <= 'Z';
}

int
info()
{
  std::cout << PoGridlux::getProductName() << " " << PoGridlux::getVersion() << "\n";
  const int count = SoType::getNumTypes();
  for (int key = 0; key < count; ++key) {
    const SoType type = SoType::fromKey(static_cast<uint16_t>(key));
    if (!isLibraryType(type)) continue;
    std::string name = type.getName().getString();
    if (type == PoDebugError::getClassTypeId()) name = "PoDebugError (" + name + ")";
    const SoType parent = type.getParent();
    std::cout << name << " : " << (parent.isBad() ? "(none)" : parent.getName().getString()) << "\n";
  }
  std::cout.flush();
  return std::cout ? 0 : 1;
}

} // namespace

int
main(int argc, char ** argv)
{
  // Without this Coin searches the disk for a library named after every
  // node type it does not know, which makes a typo in a file slow and noisy.
  setenv("COIN_NO_SOTYPE_DYNLOAD", "1", 0);

  const CommandLine line = CommandLine::parse(argc, argv);
  if (!line.ok()) {
    std::cerr << "gridlux: " << line.error << std::endl;
    return line.status;
  }
  if (line.command == CommandLine::HELP) {
    std::cout << CommandLine::usage();
    return 0;
  }

  // The viewer is another program (see ViewCommand.h), started before the library is.
  if (line.command == CommandLine::VIEW) return gridlux::cli::runViewer(argv);
  PoGridlux::init();
  PostedMessages messages;
  posted = &messages;
  int status = 2;
  switch (line.command) {
  case CommandLine::VERSION:
    std::cout << PoGridlux::getProductName() << " " << PoGridlux::getVersion() << std::endl;
    status = 0;
    break;
  case CommandLine::RENDER: status = render(line); break;
  case CommandLine::EXPAND: status = expand(line); break;
  case CommandLine::VRML: status = vrml(line); break;
  case CommandLine::INFO: status = info(); break;
  default: break;
  }
  if (status == 0) messages.printWarnings();
  posted = nullptr;
  return status;
}
