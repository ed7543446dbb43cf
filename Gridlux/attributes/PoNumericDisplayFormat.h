// Property node that puts a numeric display format into the traversal state.
#ifndef GRIDLUX_PONUMERICDISPLAYFORMAT_H
#define GRIDLUX_PONUMERICDISPLAYFORMAT_H

#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/base/PoNode.h>

#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFShort.h>

/**
 * @brief Sets PoNumericDisplayFormatElement to the format described by its fields.
 *
 * Fields: formatType (SoSFEnum FormatType, AUTO_FORMAT), numDecimal (SoSFShort, 0),
 * tenPower (SoSFShort, 0). Read and written under the name PoNumericDisplayFormat. The owned
 * PbNumericDisplayFormat catches up with the fields at the next traversal or getFormat().
 */
class PoNumericDisplayFormat : public PoNode {
  typedef PoNode inherited;
  PO_NODE_HEADER(PoNumericDisplayFormat);

public:
  PoNumericDisplayFormat();
  static void initClass();

  enum FormatType {
    AUTO_FORMAT = PbNumericDisplayFormat::AUTO_FORMAT,
    FLOAT_FORMAT = PbNumericDisplayFormat::FLOAT_FORMAT,
    INTEGER_FORMAT = PbNumericDisplayFormat::INTEGER_FORMAT
  };

  SoSFEnum formatType;
  SoSFShort numDecimal;
  SoSFShort tenPower;

  /** The owned format, brought up to date with the fields. */
  const PbNumericDisplayFormat* getFormat();

  void doAction(SoAction* action) override;
  void notify(SoNotList* list) override;

protected:
  ~PoNumericDisplayFormat() override;
  void updateFormat();

private:
  PbNumericDisplayFormat* m_format;
  SbBool m_changed = TRUE;
};

#endif
