// Property node with the layout hints of the labels drawn on charts.
#ifndef GRIDLUX_POLABELHINTS_H
#define GRIDLUX_POLABELHINTS_H

#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFString.h>

/**
 * @brief Sets PoLabelHintsElement: text path, justification, a string added to every label and
 * whether a line joins each label to its point.
 *
 * Fields: labelPath (SoSFEnum LabelPath, PATH_DEPEND), justification (SoSFEnum Justification,
 * DEPEND), addString (SoSFString, empty), isLabelLineVisible (SoSFBool, FALSE). With addString
 * marked ignored, the string of an outer PoLabelHints stays in force. Read and written under the
 * name PoLabelHints.
 */
class PoLabelHints : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoLabelHints);

public:
  PoLabelHints();
  static void initClass();

  enum LabelPath {
    PATH_RIGHT = 0,
    PATH_LEFT = 1,
    PATH_UP = 2,
    PATH_DOWN = 3,
    PATH_DEPEND = 4
  };

  enum Justification {
    LEFT = 0,
    CENTER = 1,
    RIGHT = 2,
    DEPEND = 3
  };

  SoSFEnum labelPath;
  SoSFEnum justification;
  SoSFString addString;
  SoSFBool isLabelLineVisible;

  void doAction(SoAction* action) override;

protected:
  ~PoLabelHints() override;
};

#endif
