// Property node that puts a list of isovalues into the traversal state.
#ifndef GRIDLUX_POISOVALUESLIST_H
#define GRIDLUX_POISOVALUESLIST_H

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoMFFloat.h>

/**
 * @brief Sets PoIsovaluesListElement to the list held in its field.
 *
 * Field: isovaluesList (SoMFFloat, one value 0). Read and written under the name
 * PoIsovaluesList. The field is copied as an irregular list (sorted); the setRegularIsoList
 * forms compute a regular list, write its values into the field and keep the list marked
 * regular, with its exact step, in the data object.
 */
class PoIsovaluesList : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoIsovaluesList);

public:
  PoIsovaluesList();
  static void initClass();

  SoMFFloat isovaluesList;

  /** Return 1 when the list was replaced, 0 (with a message) when it was kept. */
  int setRegularIsoList(int numValues, const float* values, int num);
  int setRegularIsoList(int num, float first, float step);
  int setRegularIsoList(float min, float max, int num);

  const float* getIsoList(int& num, float& min, float& max, float& step, int& regular);
  /** The owned list, brought up to date with the field. */
  const PbIsovaluesList* getIsovaluesList();

  void doAction(SoAction* action) override;
  void notify(SoNotList* list) override;

protected:
  ~PoIsovaluesList() override;
  void updateIsovaluesList();

private:
  void writeValuesToField();

  PbIsovaluesList* m_list;
  SbBool m_changed = TRUE;
};

#endif
