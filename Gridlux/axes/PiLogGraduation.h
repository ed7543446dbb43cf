// Decade graduation of a logarithmic axis: whole decades, sub graduations at the logarithms
// of digits, and the texts of their labels.
#ifndef GRIDLUX_PILOGGRADUATION_H
#define GRIDLUX_PILOGGRADUATION_H

#include <Inventor/SbString.h>

#include <vector>

/**
 * @brief Graduations of an axis whose coordinate is the decimal logarithm of the value.
 *
 * Main graduations are the whole decades k0..k1 inside the graduated interval; sub
 * graduations stand at k + log10(d) for the digits d in use, in the decade below k0 down to
 * the interval's low end, inside every decade and after k1 up to its high end. The tick
 * selection (first, last, period) picks the labelled decades as on any axis; the others join
 * the sub ticks. Labels are in power form ("10" or "d.10" with the exponent as a second
 * text), decimal form (d x 10^k) or the digit alone.
 */
class PiLogGraduation {
public:
  /** Digits of a decade list read at most. */
  static constexpr int MAX_DIGITS = 8;
  /** More decades than this on one axis is taken as a mistake rather than drawn. */
  static constexpr int MAX_DECADES = 10000;

  enum TenPowerRep { TEN_POWER_POW10 = 0, TEN_POWER_DECIMAL = 1, TEN_POWER_AUTO = 2 };
  enum DecadeRep {
    DECADE_NONE = 0,
    DECADE_AS_TEN_POWER = 1,
    DECADE_DECIMAL = 2,
    DECADE_DIGIT = 3,
    DECADE_AUTO = 4
  };

  /** One label: a base text and, in power form, its exponent. */
  struct Label {
    SbString base, power;
  };

  /** The decades of a logarithmic axis and how their labels are written. */
  struct Input {
    float lo = 0.0f, hi = 1.0f;  ///< the graduated interval, either order
    bool autoDigits = true;      ///< digits from the decade count, else the ones below
    int numDigits = 0;
    const unsigned short* digits = nullptr;  ///< ascending, in 2..9
    TenPowerRep tenPowerRep = TEN_POWER_POW10;
    DecadeRep decadeRep = DECADE_NONE;
    int period = 1, firstGrad = 1, lastGrad = 1;  ///< which decades are labelled
    const char* addString = nullptr;  ///< appended to labels not in power form
  };

  /**
   * Digits chosen automatically for @p numDecades main graduations, ascending, into
   * @p digits; returns their count.
   */
  static int computeDecadeGradList(int numDecades, unsigned short digits[MAX_DIGITS]);

  /**
   * The digits 2..9 of @p values (at most MAX_DIGITS read, others ignored; each with a
   * warning from @p method), ascending and once each, into @p digits; returns their count.
   */
  static int readDecadeList(const unsigned short* values, int num,
                            unsigned short digits[MAX_DIGITS], const char* method);

  /** Label of decade @p k times @p digit (1 for a main graduation). */
  static Label convertLogGradToStr(int k, int digit, bool powerForm, bool digitOnly,
                                   const char* addString);

  /**
   * Fills the lists from @p in; more than MAX_DECADES decades posts a message from
   * @p method and leaves them empty. Returns the number of whole decades (0 or more).
   */
  int compute(const Input& in, const char* method);

  int getNumDecades() const { return m_numDecades; }
  int getNumDigits() const { return m_numDigits; }
  const unsigned short* getDigits() const { return m_digits; }
  const std::vector<float>& mainCoords() const { return m_mainCoords; }
  const std::vector<Label>& mainLabels() const { return m_mainLabels; }
  /** Every unlabelled tick: the sub graduations and the decades not selected, ascending. */
  const std::vector<float>& subCoords() const { return m_subCoords; }
  /** Sub graduations with a label (none under DECADE_NONE). */
  const std::vector<float>& decadeCoords() const { return m_decadeCoords; }
  const std::vector<Label>& decadeLabels() const { return m_decadeLabels; }

private:
  int m_numDecades = 0;
  int m_numDigits = 0;
  unsigned short m_digits[MAX_DIGITS] = {0, 0, 0, 0, 0, 0, 0, 0};
  std::vector<float> m_mainCoords;
  std::vector<Label> m_mainLabels;
  std::vector<float> m_subCoords;
  std::vector<float> m_decadeCoords;
  std::vector<Label> m_decadeLabels;
};

#endif
