// How numbers are printed: automatic, fixed decimals or integer, after division by a power of ten.
#ifndef GRIDLUX_PBNUMERICDISPLAYFORMAT_H
#define GRIDLUX_PBNUMERICDISPLAYFORMAT_H

#include <Gridlux/base/PbBase.h>

/**
 * @brief Numeric display format read by the nodes that print numbers.
 *
 * Holds the format type, the power of ten by which values are divided before printing and the
 * number of decimals of FLOAT_FORMAT. The state's default (PoNumericDisplayFormatElement) is
 * AUTO_FORMAT, 0, 0. A negative number of decimals or an unknown type is refused with a
 * message and leaves the format as it was.
 */
class PbNumericDisplayFormat : public PbBase {
public:
  enum FormatType {
    AUTO_FORMAT = 0,   ///< decimals chosen from the values printed
    FLOAT_FORMAT = 1,  ///< fixed number of decimals
    INTEGER_FORMAT = 2 ///< no decimals
  };

  PbNumericDisplayFormat(FormatType formatType = AUTO_FORMAT, int tenPower = 0,
                         int numDecimal = 0);
  PbNumericDisplayFormat(const PbNumericDisplayFormat& other);
  PbNumericDisplayFormat& operator=(const PbNumericDisplayFormat& other);

  /** Returns 1 when the format was taken, 0 (with a message) when it was refused. */
  int setFormat(FormatType formatType, int tenPower, int numDecimal);
  void getFormat(FormatType& formatType, int& tenPower, int& numDecimal) const;

  FormatType getFormatType() const { return m_formatType; }
  int getTenPower() const { return m_tenPower; }
  int getNumDecimal() const { return m_numDecimal; }

  friend int operator==(const PbNumericDisplayFormat& a, const PbNumericDisplayFormat& b);
  friend int operator!=(const PbNumericDisplayFormat& a, const PbNumericDisplayFormat& b)
  {
    return !(a == b);
  }

private:
  static int isValid(const char* methodName, FormatType formatType, int numDecimal);

  FormatType m_formatType = AUTO_FORMAT;
  int m_tenPower = 0;
  int m_numDecimal = 0;
};

#endif
