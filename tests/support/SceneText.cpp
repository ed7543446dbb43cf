// Scenes to and from their file text, for the tests that check what a file keeps.
#include "support/SceneText.h"

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoOutput.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cstdlib>

std::string writeToString(SoNode* root)
{
  SoOutput out;
  out.setBuffer(malloc(1024), 1024, realloc);
  SoWriteAction writer(&out);
  writer.apply(root);
  void* buffer = nullptr;
  size_t size = 0;
  out.getBuffer(buffer, size);
  std::string text(static_cast<char*>(buffer), size);
  free(buffer);
  return text;
}

SoSeparator* readFromString(const std::string& text)
{
  SoInput in;
  in.setBuffer(text.data(), text.size());
  return SoDB::readAll(&in);
}
