// A chart-family kit for tests that reads chosen elements at each rebuild and counts rebuilds.
#ifndef GRIDLUX_TESTS_READERKIT_H
#define GRIDLUX_TESTS_READERKIT_H

#include <Gridlux/base/PoChartwork.h>

#include <functional>
#include <vector>

/**
 * At each rebuild, calls @c onRebuild with the traversal state and records the elements whose
 * stack indices are listed in @c stacks in its element cache, as a real consumer does; a change
 * of one of them makes the kit rebuild at its next traversal.
 */
class ReaderKit : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(ReaderKit);
  SO_KIT_CATALOG_ENTRY_HEADER(body);

public:
  ReaderKit();
  static void initClass();

  std::vector<int> stacks;
  std::function<void(SoState*)> onRebuild;
  int rebuilds = 0;

  void rebuild() override;

protected:
  ~ReaderKit() override;
};

#endif
