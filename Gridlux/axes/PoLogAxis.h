// A cartesian axis graduated in decades: its coordinate is the decimal logarithm of the value.
#ifndef GRIDLUX_POLOGAXIS_H
#define GRIDLUX_POLOGAXIS_H

#include <Gridlux/axes/PoCartesianAxis.h>

#include <Inventor/fields/SoMFUShort.h>

#include <vector>

/**
 * @brief Logarithmic axis: the axis runs from the start point's coordinate to `end`, both read
 * as powers of ten (a coordinate of 2 stands for 100). Main graduations sit on the whole
 * decades k0..k1 inside the graduated interval, sub graduations at k + log10(d) for the digits
 * d of the decade list; the labels print decades as powers of ten ("10" with a raised exponent)
 * or as decimal numbers, and sub graduations optionally as "d.10" with an exponent, as decimal
 * numbers or as the digit alone.
 *
 * Fields (after PoCartesianAxis's), in order: decadeList (SoMFUShort, one value 2: the digits
 * 2..9 used under DECADE_LIST_NON_AUTO; at most 8 values are read, others than 2..9 are
 * ignored with a warning, repeats once); decadeListDef (DECADE_LIST_AUTO: digits from the
 * number N of decades, 2..9 below 3, 2 4 6 8 for 3-4, 3 6 9 for 5-8, 4 8 for 9-16, 5 for
 * 17-32, none above); tenPowerRep (TEN_POWER_POW10; DECIMAL; AUTO: decimal when the first and
 * last decade both lie in [-4, 4]); decadeRep (DECADE_NONE; AS_TEN_POWER; DECIMAL; DIGIT;
 * AUTO: decimal when the first and last sub graduation lie in [-4, 4], else "d.10" with an
 * exponent); decadeFontName ("": the text attributes' font); decadeFontSize (0: computed);
 * multFactorPosition (MULT_FACTOR_END) and multFactorDistAxis (0).
 *
 * Choices of this axis:
 * - Power labels: "10" (or "d.10") followed by the exponent at 0.7 of the label size, its
 *   baseline half a size above the base's; the pair is aligned on its graduation as one text.
 *   gradAddString is appended to every label not in power form.
 * - Sizes: the automatic label size starts at 0.04 of the domain extent along the axis and
 *   shrinks, as on a linear axis, until every two neighbouring main labels keep within 0.8 of
 *   the room between their graduations (measured on the built texts, exponents included).
 *   Automatic decade labels start at 0.75 of the label size and take the largest factor that
 *   keeps them as apart among themselves and from the main labels; when the main labels leave
 *   so little room that this factor falls below 0.6 of what the decade labels need among
 *   themselves, they keep that size and the ones that would crowd a main label are not drawn
 *   (their ticks stay). A size given in a field is used as given.
 * - Decade labels stand on the same row as the main labels, in part decadeText with the
 *   decade font; they follow gradVisibility.
 * - tickFirstGrad, tickLastGrad and, under PERIOD_MAIN_TICK, tickNumOrPeriod choose which
 *   decades are labelled main graduations; the others become sub ticks. Under NUM_SUB_TICK the
 *   sub ticks are the decade digits, tickNumOrPeriod is not used. Automatic tick lengths count
 *   the decades, not the sub graduations.
 * - Multiplication factor: every label of a log axis is already an exact power of ten or a
 *   multiple of one, so there is never a common factor to take out; multFactor stays null and
 *   the two factor fields are kept for files and getMultFactor only.
 * - More than 10000 decades is taken as a mistake: a message, and no graduations.
 * - The float of the full constructor is the decadeFontSize (0: computed).
 *
 * Parts added to PoAxis's: multFactorSep/multFactorApp/multFactor and
 * decadeTextSep/decadeTextApp/decadeText. Read and written under the name PoLogAxis.
 */
class PoLogAxis : public PoCartesianAxis {
  typedef PoCartesianAxis inherited;
  PO_KIT_HEADER(PoLogAxis);

  SO_KIT_CATALOG_ENTRY_HEADER(multFactorSep);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactorApp);
  SO_KIT_CATALOG_ENTRY_HEADER(multFactor);
  SO_KIT_CATALOG_ENTRY_HEADER(decadeTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(decadeTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(decadeText);

public:
  enum TenPowGradRep {
    TEN_POWER_POW10 = PiLogGraduation::TEN_POWER_POW10,
    TEN_POWER_DECIMAL = PiLogGraduation::TEN_POWER_DECIMAL,
    TEN_POWER_AUTO = PiLogGraduation::TEN_POWER_AUTO
  };
  enum DecadeRep {
    DECADE_NONE = PiLogGraduation::DECADE_NONE,
    DECADE_AS_TEN_POWER = PiLogGraduation::DECADE_AS_TEN_POWER,
    DECADE_DECIMAL = PiLogGraduation::DECADE_DECIMAL,
    DECADE_DIGIT = PiLogGraduation::DECADE_DIGIT,
    DECADE_AUTO = PiLogGraduation::DECADE_AUTO
  };
  enum DecadeListDef { DECADE_LIST_AUTO = 0, DECADE_LIST_NON_AUTO = 1 };
  enum MultFactorPosition {
    MULT_FACTOR_START = 0,
    MULT_FACTOR_END = 1,
    MULT_FACTOR_EXTR = 2,
    MULT_FACTOR_GRAD = 3
  };

  /** Digits of the decade list read at most. */
  static constexpr int MAX_DECADES = PiLogGraduation::MAX_DIGITS;

  PoLogAxis();
  /**
   * An axis from @p startPoint to @p endCoord (both decade exponents) of @p axisType, with the
   * decade list definition @p listDef and, when @p list is given, the @p numList digits of
   * the decade list; @p decadeSize is the decadeFontSize (0: computed).
   */
  PoLogAxis(const SbVec3f& startPoint, float endCoord, Type axisType,
            DecadeListDef listDef = DECADE_LIST_AUTO, const unsigned short* list = nullptr,
            int numList = 0, float decadeSize = 0.0f);
  static void initClass();

  SoMFUShort decadeList;
  SoSFEnum decadeListDef;
  SoSFEnum tenPowerRep;
  SoSFEnum decadeRep;
  SoSFString decadeFontName;
  SoSFFloat decadeFontSize;
  SoSFEnum multFactorPosition;
  SoSFFloat multFactorDistAxis;

  /** Working copy of the log axis's own fields, with the decade digits in use. */
  struct LogAxisAttr {
    int numDecades = 0;
    unsigned short decades[MAX_DECADES] = {0, 0, 0, 0, 0, 0, 0, 0};
    DecadeListDef decadeListDef = DECADE_LIST_AUTO;
    TenPowGradRep tenPowerRep = TEN_POWER_POW10;
    DecadeRep decadeRep = DECADE_NONE;
    SbString decadeFontName;
    float decadeFontSize = 0.0f;
    MultFactorPosition multFactorPosition = MULT_FACTOR_END;
    float multFactorDistAxis = 0.0f;
  };

  /**
   * Decade digits in use (count and pointer into the working copy), label forms, the decade
   * font name and size (resolved: relative to the extent along the axis) of the last rebuild.
   */
  void getLogGrad(int& numDecades, const unsigned short*& decades, TenPowGradRep& tenPower,
                  DecadeRep& decade, SbString& fontName, float& fontSize) const;
  /** Position and distance of the multiplication factor (never drawn, see above). */
  void getMultFactor(MultFactorPosition& position, float& distAxis) const;

  /**
   * Decade digits chosen automatically for @p numDecades main graduations, ascending, into
   * @p digits (room for MAX_DECADES); returns their count.
   */
  static int computeDecadeGradList(int numDecades, unsigned short digits[MAX_DECADES]);

  void rebuild() override;

protected:
  ~PoLogAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void saveAxisAttr() override;
  void computeTickLen(int numGrads, float& mainLength, float& subLength) override;
  void buildGrads(int num, const float* coords, const SbString* strings,
                  SoGroup* group) override;

private:
  void init(const SbVec3f& startPoint, float endCoord, Type axisType, DecadeListDef listDef,
            const unsigned short* list, int numList, float decadeSize);

  LogAxisAttr m_logAttr;
  LogLabels m_labels;
};

#endif
