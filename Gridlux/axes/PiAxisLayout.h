// Layout rules of an axis on plain values: margins, tick lengths, label size and text alignment.
#ifndef GRIDLUX_PIAXISLAYOUT_H
#define GRIDLUX_PIAXISLAYOUT_H

#include <Gridlux/text/PiText.h>

/**
 * @brief The decisions that place an axis's pieces, kept apart from the node so that they are
 * tested on numbers.
 *
 * Everything works in the axis frame: x runs along the axis, y across it, one unit of a
 * relative size being the domain extent along the axis. "Above" is local +y.
 */
class PiAxisLayout {
public:
  /**
   * Graduated interval of an axis from @p s to @p e after the margins: relative margins are
   * fractions of |e - s|, fixed ones are in domain units. Overlapping margins give lo = hi.
   */
  static void getGradLimit(bool relativeMargin, float marginStart, float marginEnd, float s,
                           float e, float& lo, float& hi);

  /** Automatic main tick length (relative) for @p numGrads graduations; sub ticks get half. */
  static float getAutoTickLength(int numGrads);

  /**
   * Span of a tick across the axis as multiples (a, b) of its length. @p position is 0 on the
   * label side, 1 on the other side, 2 across the axis.
   */
  static void getTickSpan(int position, bool labelsAbove, float& a, float& b);

  /**
   * Label size that keeps neighbouring labels apart: @p nominal unless the labels need more
   * than @p room (0.8 of the gap between graduations; 0 or less when there is no neighbour).
   * Along the axis (@p horizontal) a label takes its width, measured as @p widthAtNominal at
   * the nominal size; across it, its stacked lines (@p maxLines) take (k - 1 + 0.65) sizes.
   */
  static float getLabelSize(bool horizontal, float nominal, float room, float widthAtNominal,
                            int maxLines);

  /** Alignment that keeps a graduation label on its side of the axis. */
  static void getLabelAlignment(PiText::Path path, bool above, PiText::HorAlignment& hor,
                                PiText::VertAlignment& vert);

  /**
   * Alignment of a title that faces away from the axis: in the middle of the axis
   * (@p atEnd false) on the side @p above, or beyond its end (@p atEnd true), the end lying
   * toward +x when @p increasing.
   */
  static void getTitleAlignment(PiText::Path path, bool atEnd, bool above, bool increasing,
                                PiText::HorAlignment& hor, PiText::VertAlignment& vert);

  /** Reading and up directions (x, y) of a text written along @p path. */
  static void getPathDirections(PiText::Path path, float reading[2], float up[2]);
};

#endif
