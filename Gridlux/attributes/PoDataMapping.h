// Base of the property nodes that put a data mapping into the traversal state.
#ifndef GRIDLUX_PODATAMAPPING_H
#define GRIDLUX_PODATAMAPPING_H

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFColor.h>
#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Threshold and transparency fields shared by the data-mapping nodes; the concrete node
 * owns a data object of its kind and sets PoDataMappingElement to it on every action.
 *
 * Fields: minThresholdEnabled (FALSE), minThreshold (0), minThresholdColor (0 0 0),
 * minThresholdTransparency (0), maxThresholdEnabled (FALSE), maxThreshold (1), maxThresholdColor
 * (0 0 0), maxThresholdTransparency (0), transparencyEnabled (FALSE),
 * transparencyValueDeletedParts (0.95). Field changes are copied into the data object lazily,
 * group by group (min threshold, max threshold, transparency, the kind's own fields), at the
 * next traversal, getDataMapping() or getColor(). Thresholds set through the node always have
 * a colour.
 */
class PoDataMapping : public PoNode {
  typedef PoNode inherited;
  PO_NODE_ABSTRACT_HEADER(PoDataMapping);

public:
  static void initClass();

  SoSFBool minThresholdEnabled;
  SoSFFloat minThreshold;
  SoSFColor minThresholdColor;
  SoSFFloat minThresholdTransparency;
  SoSFBool maxThresholdEnabled;
  SoSFFloat maxThreshold;
  SoSFColor maxThresholdColor;
  SoSFFloat maxThresholdTransparency;
  SoSFBool transparencyEnabled;
  SoSFFloat transparencyValueDeletedParts;

  /** The owned data object, brought up to date with the fields. */
  const PbDataMapping* getDataMapping();
  virtual const SbColor* getColor(float value);
  virtual const SbColor* getColor(float value, float& transparency);

  void doAction(SoAction* action) override;
  void notify(SoNotList* list) override;

protected:
  /** @p dataMapping is owned by the node from now on. */
  explicit PoDataMapping(PbDataMapping* dataMapping);
  ~PoDataMapping() override;

  /** Copies the changed field groups into the data object. */
  virtual void updateDataMapping();

  PbDataMapping* m_dataMapping;
  /** Set by any change of a field that is not one of the base's: the kind's own fields. */
  SbBool m_valuesChanged = TRUE;

private:
  SbBool m_minChanged = TRUE;
  SbBool m_maxChanged = TRUE;
  SbBool m_transparencyChanged = TRUE;
};

#endif
