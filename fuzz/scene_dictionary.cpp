// Writes a libFuzzer dictionary of the library's registered names: every class, the fields of
// every node and engine that can be made, and the parts of every kit, one quoted word a line.
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/SoType.h>
#include <Inventor/fields/SoFieldContainer.h>
#include <Inventor/fields/SoFieldData.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodekits/SoNodekitCatalog.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

int main()
{
  setenv("COIN_NO_SOTYPE_DYNLOAD", "1", 1);
  PoGridlux::init();
  std::set<std::string> words;
  for (int key = 0; key < SoType::getNumTypes(); ++key) {
    const SoType type = SoType::fromKey(static_cast<uint16_t>(key));
    const char* name = type.isBad() ? "" : type.getName().getString();
    // The library's classes: "Po" and a capital (no toolkit class is named so).
    if (!(name[0] == 'P' && name[1] == 'o' && name[2] >= 'A' && name[2] <= 'Z'))
      continue;
    words.insert(name);
    if (!type.isDerivedFrom(SoFieldContainer::getClassTypeId()) || !type.canCreateInstance())
      continue;
    SoFieldContainer* container = static_cast<SoFieldContainer*>(type.createInstance());
    container->ref();
    if (const SoFieldData* fields = container->getFieldData()) {
      for (int i = 0; i < fields->getNumFields(); ++i)
        words.insert(fields->getFieldName(i).getString());
    }
    if (type.isDerivedFrom(SoBaseKit::getClassTypeId())) {
      const SoNodekitCatalog* catalog = static_cast<SoBaseKit*>(container)->getNodekitCatalog();
      for (int i = 0; catalog && i < catalog->getNumEntries(); ++i)
        words.insert(catalog->getName(i).getString());
    }
    container->unref();
  }
  for (const std::string& word : words) {
    if (!word.empty() && word.find_first_of("\"\\") == std::string::npos)
      std::printf("\"%s\"\n", word.c_str());
  }
  return 0;
}
