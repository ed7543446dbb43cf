// Property node that puts text attributes into the traversal state.
#ifndef GRIDLUX_POMISCTEXTATTR_H
#define GRIDLUX_POMISCTEXTATTR_H

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFShort.h>
#include <Inventor/fields/SoSFString.h>

/**
 * @brief Sets PoMiscTextAttrElement to the text attributes described by its fields.
 *
 * Fields: fontName (SoSFString, "defaultFont"), lineLength (SoSFShort, 0), endLineChar
 * (SoSFShort, 32: the character code that ends a line), profileEnabled (SoSFBool, FALSE),
 * predefinedProfileEnabled (SoSFBool, TRUE), outliningEnabled (SoSFBool, TRUE). Read and
 * written under the name PoMiscTextAttr. The font name is copied on its own, so that changing
 * it does not re-send the other attributes.
 */
class PoMiscTextAttr : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoMiscTextAttr);

public:
  PoMiscTextAttr();
  static void initClass();

  SoSFString fontName;
  SoSFShort lineLength;
  SoSFShort endLineChar;
  SoSFBool profileEnabled;
  SoSFBool predefinedProfileEnabled;
  SoSFBool outliningEnabled;

  /** The owned attributes, brought up to date with the fields. */
  const PbMiscTextAttr* getMiscTextAttr();

  void doAction(SoAction* action) override;
  void notify(SoNotList* list) override;

protected:
  ~PoMiscTextAttr() override;
  void updateMiscTextAttr();

private:
  PbMiscTextAttr* m_attr;
  SbBool m_fontChanged = TRUE;
  SbBool m_attrChanged = TRUE;
};

#endif
