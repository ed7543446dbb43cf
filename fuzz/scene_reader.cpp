// Fuzz target of whole scene files: any library node, field, kit part or mesh value is read,
// drawn offscreen, written (compact or expanded, after the last byte) and the written text read
// back, as `gridlux render` and `gridlux expand` do with a user's file.
//
// Seeds: every .iv of examples/ and tests/; dictionary: the registered class, field and part
// names (scripts/run-fuzz.sh gathers both).
#include "offscreen/RgbaImage.h"
#include "offscreen/SceneRenderer.h"

#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/C/errors/debugerror.h>
#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoOutput.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/errors/SoDebugError.h>
#include <Inventor/errors/SoReadError.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void quiet(const SoError*, void*) {}
void quietC(const cc_debugerror*, void*) {}

// Output buffer of the write action, grown by the toolkit through this.
void* grow(void* buffer, size_t size)
{
  return std::realloc(buffer, size);
}

SoSeparator* readScene(const char* data, size_t size)
{
  SoInput in;
  in.setBuffer(data, size);
  SoSeparator* root = SoDB::readAll(&in);
  if (root)
    root->ref();
  return root;
}

// The scene as text, in the node write format now set.
std::string writeScene(SoNode* root)
{
  SoOutput out;
  out.setBuffer(std::malloc(1024), 1024, grow);
  SoWriteAction writer(&out);
  writer.apply(root);
  void* buffer = nullptr;
  size_t size = 0;
  out.getBuffer(buffer, size);
  std::string text(static_cast<const char*>(buffer), size);
  out.resetBuffer();
  std::free(buffer);
  return text;
}

// Known toolkit defect, not the library's: a "fields [ ... ]" declaration on one of the
// toolkit's own nodes adds to that class's shared field list and a later read crashes. The
// library's nodes protect themselves from it (and their files declare their mesh fields so), so
// only a declaration whose nearest opening brace follows a library class name ("Po...") is kept.
bool declaresToolkitFields(const char* text, size_t size)
{
  const char* end = text + size;
  for (const char* at = text; (at = static_cast<const char*>(memmem(at, end - at, "fields", 6))); at += 6) {
    const char* p = at;
    while (p > text && p[-1] != '{')
      --p;
    if (p == text)
      return true;
    --p; // the brace
    while (p > text && (p[-1] == ' ' || p[-1] == '\t' || p[-1] == '\n' || p[-1] == '\r'))
      --p;
    const char* wordEnd = p;
    while (p > text && (std::isalnum(static_cast<unsigned char>(p[-1])) || p[-1] == '_'))
      --p;
    if (wordEnd - p < 3 || p[0] != 'P' || p[1] != 'o')
      return true;
  }
  return false;
}

} // namespace

// What the toolkit, OSMesa and the font library keep for the whole process (the same list as
// scripts/lsan-suppressions.txt), and the toolkit's own leaks on bad input (a kit's unknown
// fields); none is a leak of the library.
extern "C" const char* __lsan_default_suppressions()
{
  return "leak:libOSMesa.so\n"
         "leak:SoBaseKitP::readUnknownFields\n"
         "leak:SoSFTime::createInstance\n"
         "leak:cc_glglue_instance\n"
         "leak:cc_dict_construct\n"
         "leak:cc_memalloc_construct\n"
         "leak:cc_memalloc_allocate\n"
         "leak:libfontconfig.so\n"
         "leak:cc_dl_open\n"
         "leak:SoGLDisplayList::SoGLDisplayList\n"
         "leak:SoGLRenderCache::open\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  setenv("COIN_NO_SOTYPE_DYNLOAD", "1", 1);
  PoGridlux::init();
  PoDebugError::setHandlerCallback(quiet, nullptr);
  SoDebugError::setHandlerCallback(quiet, nullptr);
  SoReadError::setHandlerCallback(quiet, nullptr);
  cc_debugerror_set_handler_callback(quietC, nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  const char* text = reinterpret_cast<const char*>(data);
  if (declaresToolkitFields(text, size))
    return 0;

  SoSeparator* root = readScene(text, size);
  if (!root)
    return 0;

  // Small and one pass: the drawing code is what is exercised, not the picture.
  gridlux::offscreen::SceneRenderer renderer;
  renderer.setSize(48, 32);
  gridlux::offscreen::RgbaImage image;
  renderer.render(root, image);

  PoBase::setNodeWriteFormat(size > 0 && (data[size - 1] & 1) ? PoBase::WRITE_FORMAT_EXPANDED
                                                              : PoBase::WRITE_FORMAT_COMPACT);
  const std::string written = writeScene(root);
  PoBase::setNodeWriteFormat(PoBase::WRITE_FORMAT_COMPACT);
  root->unref();

  // What the library wrote must read back, and draw: parts rebuilt from read-back fields.
  SoSeparator* again = readScene(written.data(), written.size());
  if (!again)
    __builtin_trap();
  renderer.render(again, image);
  again->unref();
  return 0;
}
