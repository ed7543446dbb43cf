// Chooses how a set of numbers is printed: decimals and a common power of ten.
#ifndef GRIDLUX_PINUMERICFORMAT_H
#define GRIDLUX_PINUMERICFORMAT_H

#include <Inventor/SbString.h>

class PbNumericDisplayFormat;

/**
 * @brief Prints the numbers of one set (graduations, legend values, labels) alike.
 *
 * The format is fixed once for the whole set, from a numeric display format or automatically:
 * the automatic format divides by a power of ten in steps of three when the largest magnitude
 * reaches 1000 or falls below 0.1, and keeps the fewest decimals that still show the step and
 * the first value (trailing zeros dropped, and trailing nines that are only float noise). A new
 * formatter prints integers with no power of ten. Integers are rounded half away from zero.
 *
 * Non-finite inputs are reported through PoDebugError; they leave an integer format and print
 * as an empty string.
 */
class PiNumericFormat {
public:
  /** Size that an output buffer of getString must have. */
  enum { STRING_SIZE = 128 };

  PiNumericFormat();

  /** Integer printing after division by 10^@p tenPower. */
  void setFormatInteger(int tenPower);
  /** Automatic format for values from @p first to @p last by @p step (rounding: 3 digits). */
  void setFormatAuto(float first, float last, float step, int rounding);
  /** Format of @p format (automatic when null or AUTO_FORMAT) for a range. */
  void setFormat(const PbNumericDisplayFormat* format, float first, float last, float step,
                 int rounding);
  /**
   * Format of @p format for a list of values: the automatic form uses the smallest and largest
   * value as the range and the smallest gap between distinct values as the step.
   */
  void setFormat(const PbNumericDisplayFormat* format, int n, const float* values, int rounding);

  /** Prints @p value into @p out, which holds at least STRING_SIZE characters. */
  void getString(float value, char* out) const;
  SbString getString(float value) const;

  int getTenPower() const { return m_tenPower; }
  int getNumDecimals() const { return m_numDecimals; }
  int isFloat() const { return m_isFloat; }
  /** The printf format: "%d" or "%.<decimals>f". */
  const char* getFormatString() const { return m_format; }

  /** Decimals that @p x needs when printed, as the automatic format counts them. */
  static int getDecimalsNeeded(float x, int rounding);

private:
  void setFloat(int tenPower, int numDecimals);

  int m_isFloat = 0;
  int m_tenPower = 0;
  int m_numDecimals = 0;
  char m_format[16];
};

#endif
