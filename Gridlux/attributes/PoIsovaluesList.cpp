// Isovalues node: the field as an irregular list, or a regular list written back into the field.
#include <Gridlux/attributes/PoIsovaluesList.h>

#include <Gridlux/attributes/PoIsovaluesListElement.h>

#include <Inventor/actions/SoAction.h>

PO_NODE_SOURCE(PoIsovaluesList);

void PoIsovaluesList::initClass()
{
  PO_NODE_INIT_CLASS(PoIsovaluesList, PoNode, "PoNode");
}

PoIsovaluesList::PoIsovaluesList() : m_list(new PbIsovaluesList)
{
  SO_NODE_CONSTRUCTOR(PoIsovaluesList);
  SO_NODE_ADD_FIELD(isovaluesList, (0.0f));
  // Node and object agree from the start.
  const float zero = 0.0f;
  m_list->setIrregularIsoList(1, &zero);
  m_changed = FALSE;
}

PoIsovaluesList::~PoIsovaluesList()
{
  delete m_list;
}

void PoIsovaluesList::notify(SoNotList* list)
{
  m_changed = TRUE;
  inherited::notify(list);
}

void PoIsovaluesList::updateIsovaluesList()
{
  if (!m_changed)
    return;
  m_changed = FALSE;
  m_list->setIrregularIsoList(isovaluesList.getNum(), isovaluesList.getValues(0));
}

void PoIsovaluesList::writeValuesToField()
{
  int num, regular;
  float min, max, step;
  const float* values = m_list->getIsoList(num, min, max, step, regular);
  isovaluesList.setNum(num);
  if (num > 0)
    isovaluesList.setValues(0, num, values);
  // The object already holds these values, with the exact step that a re-read would lose.
  m_changed = FALSE;
}

int PoIsovaluesList::setRegularIsoList(int numValues, const float* values, int num)
{
  updateIsovaluesList();
  if (!m_list->setRegularIsoList(numValues, values, num))
    return 0;
  writeValuesToField();
  return 1;
}

int PoIsovaluesList::setRegularIsoList(int num, float first, float step)
{
  updateIsovaluesList();
  if (!m_list->setRegularIsoList(num, first, step))
    return 0;
  writeValuesToField();
  return 1;
}

int PoIsovaluesList::setRegularIsoList(float min, float max, int num)
{
  updateIsovaluesList();
  if (!m_list->setRegularIsoList(min, max, num))
    return 0;
  writeValuesToField();
  return 1;
}

const float* PoIsovaluesList::getIsoList(int& num, float& min, float& max, float& step,
                                         int& regular)
{
  updateIsovaluesList();
  return m_list->getIsoList(num, min, max, step, regular);
}

const PbIsovaluesList* PoIsovaluesList::getIsovaluesList()
{
  updateIsovaluesList();
  return m_list;
}

void PoIsovaluesList::doAction(SoAction* action)
{
  updateIsovaluesList();
  PoIsovaluesListElement::set(action->getState(), this, m_list);
}
