// Abstract root of every axis node: graduated axes and groups of axes.
#ifndef GRIDLUX_POBASEAXIS_H
#define GRIDLUX_POBASEAXIS_H

#include <Gridlux/base/PoChartwork.h>

/**
 * @brief Root of the axis classes, so that an application can find every axis of a scene with
 * one type. Adds no parts and no fields; read and written under the name PoBaseAxis.
 */
class PoBaseAxis : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoBaseAxis);

public:
  static void initClass();

protected:
  PoBaseAxis();
  ~PoBaseAxis() override;
};

#endif
