// A value legend placed by two corners in the domain; draws one box per value.
#ifndef GRIDLUX_POAUTOVALUELEGEND_H
#define GRIDLUX_POAUTOVALUELEGEND_H

#include <Gridlux/text/PoValueLegend.h>

#include <Inventor/fields/SoSFVec2f.h>

/**
 * @brief Value legend in the rectangle of corners `start` and `end` (domain coordinates).
 *
 * Drawn as it is, it shows one box per value selected by firstValue, lastValue and
 * periodValue, coloured as the mapping colours that value and labelled with it, in a grid of
 * boxes (see PiLegendLayout), with the undefined boxes of enabled thresholds first and last.
 * Its subclasses draw other boxes in the same rectangle.
 *
 * Fields (after PoValueLegend's): start (SoSFVec2f, 0 0), end (SoSFVec2f, 1 1). Read and
 * written under the name PoAutoValueLegend.
 */
class PoAutoValueLegend : public PoValueLegend {
  typedef PoValueLegend inherited;
  PO_KIT_HEADER(PoAutoValueLegend);

public:
  PoAutoValueLegend();
  PoAutoValueLegend(const SbVec2f& start, const SbVec2f& end);
  static void initClass();

  SoSFVec2f start;
  SoSFVec2f end;

  /** Frame, title and background, then the subclass's boxes; nothing more without boxes. */
  void rebuild() override;

protected:
  ~PoAutoValueLegend() override;

  /** Fills m_boxes from the legend's values; the frame and title are set when it is called. */
  virtual void makeBoxes();
  /** Draws the boxes makeBoxes() made (there is at least one). */
  virtual void drawBoxes();

private:
  void init(const SbVec2f& startValue, const SbVec2f& endValue);
};

#endif
