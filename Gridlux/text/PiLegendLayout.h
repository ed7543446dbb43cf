// Places the boxes, texts and factor of a value legend inside its inner rectangle.
#ifndef GRIDLUX_PILEGENDLAYOUT_H
#define GRIDLUX_PILEGENDLAYOUT_H

#include <Inventor/SbBox2f.h>
#include <Inventor/SbVec2f.h>

#include <vector>

/**
 * @brief Geometry of value legends, from plain sizes: no scene graph, no fonts.
 *
 * Text widths are given at font size 1; the layout chooses the font size s and places
 * everything in units of s, in the coordinates of the inner rectangle it is given.
 *
 * Boxes legend (computeBoxes): B boxes in a grid of K = min(numColumns, B) columns and
 * N = ceil(B / K) rows, box i of row r and column c being c N + r when filled column by column
 * (vertical increment), r K + c when filled row by row; row 0 is the top one. A box is 0.975 s
 * high and 0.975 s boxRatio wide, rows 0.975 s apart and columns 1.3 s apart. Texts beside the
 * boxes sit 0.65 s from them and make a column as wide as its widest text plus its box; texts
 * above or below make a row 2.275 s high. A multiplication factor adds 2.09 s at the top of a
 * tall legend (orientation 1) or 0.975 s and its width after the last column of a wide one. s
 * is the largest size that fits both ways; the width left over goes in equal gaps before,
 * between and after the columns, and the rows are centred in the height left over.
 *
 * Bar legend (computeBar): boxes stacked without gaps into one bar along the longer side of the
 * inner rectangle (upwards, or to the right), a box's length proportional to its weight; the
 * bar is 0.3 of the other side thick. Labels sit at given places along the bar, 0.5 s beside
 * it; a label's width may use at most maxValueSize of the room left beside a vertical bar, and
 * a label's height that share of the room below or above a horizontal one. Labels keep 1.3 s
 * between their lines along a vertical bar and 0.5 s between their ends along a horizontal one.
 * The undefined boxes are 1.3 s long and stand 0.465 s apart from the bar ends (1.765 s in all);
 * half a label's extent is kept free at each end; a factor takes 2.09 s above a vertical bar,
 * its width and 0.975 s after a horizontal one. s is the largest size that keeps all this
 * inside; the bar and its labels are centred across.
 */
class PiLegendLayout {
public:
  enum TextSide { TEXT_NONE = 0, TEXT_RIGHT = 1, TEXT_LEFT = 2, TEXT_ABOVE = 3, TEXT_BELOW = 4 };

  /** What a legend of boxes holds: its rectangle, the boxes, their columns and texts. */
  struct BoxesInput {
    SbBox2f inner;
    int numBoxes = 0;
    int numColumns = 1;
    int columnByColumn = 1;
    float boxRatio = 1.0f;
    /** Width of each box's place at font size 1; negative: 0.975 x boxRatio. */
    float sampleWidth = -1.0f;
    TextSide textSide = TEXT_RIGHT;
    std::vector<float> textWidths; ///< one per box, at font size 1
    int orientation = 0;           ///< 0: wider than high, 1: higher than wide
    float factorWidth = 0.0f;      ///< 0: no factor
  };

  /** One box placed in the legend, with the anchor of its text. */
  struct Placed {
    SbBox2f box;
    SbVec2f textAt; ///< anchor of the box's text
  };

  /** The boxes of a legend placed: font size, columns and rows, each box, the factor. */
  struct BoxesLayout {
    float size = 0.0f;
    int numColumns = 0, numRows = 0;
    std::vector<Placed> boxes; ///< in box order
    SbVec2f factorAt;          ///< left end of the factor's base line
  };

  /** What a colour bar holds: its rectangle, direction, box lengths, labels and undefined boxes. */
  struct BarInput {
    SbBox2f inner;
    int vertical = 1;
    TextSide textSide = TEXT_RIGHT; ///< RIGHT or LEFT of a vertical bar, ABOVE or BELOW a horizontal one
    std::vector<float> weights;     ///< one per box of the bar, lengths in proportion
    /** Label places as fractional box indices: k + f is the fraction f along box k. */
    std::vector<float> labelAt;
    std::vector<float> labelWidths; ///< at font size 1
    int lowerUndef = 0, upperUndef = 0;
    float lowerUndefWidth = 0.0f, upperUndefWidth = 0.0f;
    float maxValueSize = 0.6f;
    float factorWidth = 0.0f;
  };

  /** A colour bar placed: font size, its boxes, label anchors, undefined boxes, the factor. */
  struct BarLayout {
    float size = 0.0f;
    std::vector<SbBox2f> boxes;    ///< the bar's boxes in order
    std::vector<SbVec2f> labelsAt; ///< anchors: centre of the label's side facing the bar
    SbBox2f lowerUndef, upperUndef;
    SbVec2f lowerUndefAt, upperUndefAt;
    SbVec2f factorAt;
  };

  /** False (layout empty) when there is no box or no room. */
  static bool computeBoxes(const BoxesInput& in, BoxesLayout& out);
  static bool computeBar(const BarInput& in, BarLayout& out);
};

#endif
