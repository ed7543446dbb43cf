// A radial axis of a polar chart graduated in decades.
#ifndef GRIDLUX_POPOLARLOGAXIS_H
#define GRIDLUX_POPOLARLOGAXIS_H

#include <Gridlux/axes/PiLogGraduation.h>
#include <Gridlux/axes/PoPolarAxis.h>

#include <Inventor/fields/SoMFUShort.h>

/**
 * @brief Logarithmic radial axis: startRadius and endRadius are decade exponents (a radius
 * coordinate of 2 stands for 100), graduated, labelled and sized as on PoLogAxis (main
 * graduations on whole decades, sub graduations at the logarithms of the decade digits,
 * labels in power or decimal form), with circular grid lines through the main and sub
 * graduations (see PoPolarAxis). A start below the centre's decade is drawn from the centre
 * with offset = -startRadius.
 *
 * Fields (after PoPolarAxis's), in order: decadeList (SoMFUShort, one value 2),
 * decadeListDef (DECADE_LIST_AUTO), tenPowerRep (TEN_POWER_POW10), decadeRep (DECADE_NONE),
 * decadeFontName (""), decadeFontSize (0: computed), all as on PoLogAxis. As there, a log
 * axis has no common factor to take out: multFactor stays null. Parts added:
 * decadeTextSep/decadeTextApp/decadeText. Read and written under the name PoPolarLogAxis.
 */
class PoPolarLogAxis : public PoPolarAxis {
  typedef PoPolarAxis inherited;
  PO_KIT_HEADER(PoPolarLogAxis);

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

  PoPolarLogAxis();
  /**
   * An axis from decade @p start to decade @p end along the ray at @p angle, drawn shifted by
   * @p radialOffset.
   */
  PoPolarLogAxis(float start, float end, float angle, float radialOffset);
  static void initClass();

  SoMFUShort decadeList;
  SoSFEnum decadeListDef;
  SoSFEnum tenPowerRep;
  SoSFEnum decadeRep;
  SoSFString decadeFontName;
  SoSFFloat decadeFontSize;

  /** Working copy of the decade fields, with the digits in use. */
  struct PolLogAxisAttr {
    int numDecades = 0;
    unsigned short decades[PiLogGraduation::MAX_DIGITS] = {0, 0, 0, 0, 0, 0, 0, 0};
    DecadeListDef decadeListDef = DECADE_LIST_AUTO;
    TenPowGradRep tenPowerRep = TEN_POWER_POW10;
    DecadeRep decadeRep = DECADE_NONE;
    SbString decadeFontName;
    float decadeFontSize = 0.0f;
  };

  /** The working copy of the last rebuild (digits in use, forms, decade font and size). */
  const PolLogAxisAttr& getLogGrad() const { return m_logAttr; }

  void rebuild() override;

protected:
  ~PoPolarLogAxis() override;
  void getWatchedFields(SoFieldList& fields) override;
  void saveAxisAttr() override;
  void computeTickLen(int numGrads, float& mainLength, float& subLength) override;
  void buildGrads(int num, const float* coords, const SbString* strings,
                  SoGroup* group) override;

private:
  void init(float start, float end, float angle, float radialOffset);

  PolLogAxisAttr m_logAttr;
  LogLabels m_labels;
};

#endif
