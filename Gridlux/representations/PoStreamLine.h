// Stream lines: one polyline per start point through the current mesh's vector set.
#ifndef GRIDLUX_POSTREAMLINE_H
#define GRIDLUX_POSTREAMLINE_H

#include <Gridlux/representations/PoBaseStreamLine.h>

/**
 * @brief Draws the path of each start point as one line of a SoLineSet.
 *
 * Under COLOR_INHERITED the lines take `colors` in turn (one per drawn line, in drawing order),
 * or the inherited material; otherwise each point takes the data-mapping colour of its value
 * (or speed, see PoBaseStreamLine). The paths are traced again at each rebuild.
 *
 * Field: lineWidth (SoSFFloat, 2). Part: groupStreamLine (SoGroup: material binding when
 * coloured, draw style, material, coordinates, line set).
 */
class PoStreamLine : public PoBaseStreamLine {
  typedef PoBaseStreamLine inherited;
  PO_KIT_HEADER(PoStreamLine);

  SO_KIT_CATALOG_ENTRY_HEADER(groupStreamLine);

public:
  PoStreamLine();
  static void initClass();

  SoSFFloat lineWidth;

  void rebuild() override;

protected:
  ~PoStreamLine() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;

private:
  FieldSensorList m_sensors;
};

#endif
