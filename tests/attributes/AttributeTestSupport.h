// Helpers shared by the attribute tests: node references and scene-file round trips.
#ifndef GRIDLUX_TESTS_ATTRIBUTETESTSUPPORT_H
#define GRIDLUX_TESTS_ATTRIBUTETESTSUPPORT_H

#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoOutput.h>
#include <Inventor/actions/SoWriteAction.h>
#include <Inventor/nodes/SoNode.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cstdlib>
#include <string>

/** Holds one reference to a node for the scope of a test. */
template <class T> struct Ref {
  explicit Ref(T* n = nullptr) : node(n) { if (node) node->ref(); }
  ~Ref() { if (node) node->unref(); }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  T* operator->() const { return node; }
  T* get() const { return node; }
  T* node;
};

/** Writes @p node as ASCII into a string. */
inline std::string writeToString(SoNode* node)
{
  SoOutput out;
  out.setBuffer(std::malloc(1024), 1024, std::realloc);
  SoWriteAction writer(&out);
  writer.apply(node);
  void* buffer = nullptr;
  size_t size = 0;
  out.getBuffer(buffer, size);
  std::string text(static_cast<const char*>(buffer), size);
  std::free(buffer);
  return text;
}

/** Reads a scene from text; returns the root with one reference held, or null. */
inline SoSeparator* readFromString(const std::string& text)
{
  SoInput in;
  in.setBuffer(text.data(), text.size());
  SoSeparator* root = SoDB::readAll(&in);
  if (root)
    root->ref();
  return root;
}

/** Writes @p node, reads it back and returns the first node of the file (unreferenced), or null. */
template <class T> T* roundTrip(T* node)
{
  SoSeparator* root = readFromString(writeToString(node));
  if (!root)
    return nullptr;
  T* copy = nullptr;
  if (root->getNumChildren() == 1 && root->getChild(0)->isOfType(T::getClassTypeId())) {
    copy = static_cast<T*>(root->getChild(0));
    copy->ref();
  }
  root->unref();
  // The caller takes its own reference (Ref<T>).
  if (copy)
    copy->unrefNoDelete();
  return copy;
}

#endif
