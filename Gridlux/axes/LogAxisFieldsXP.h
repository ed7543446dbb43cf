// Internal: the decade fields that the cartesian and the radial log axes share, and how a
// rebuild reads them. Not installed.
#ifndef GRIDLUX_LOGAXISFIELDSXP_H
#define GRIDLUX_LOGAXISFIELDSXP_H

#include <Gridlux/axes/PiLogGraduation.h>
#include <Gridlux/axes/PoAxis.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/lists/SoFieldList.h>

#include <cmath>

/**
 * Adds, in a log axis's constructor, the fields decadeList (2), decadeListDef
 * (DECADE_LIST_AUTO), tenPowerRep (TEN_POWER_POW10), decadeRep (DECADE_NONE), decadeFontName
 * ("") and decadeFontSize (0) with their enumerations.
 */
#define GRIDLUX_LOG_AXIS_ADD_FIELDS()                                  \
  SO_KIT_ADD_FIELD(decadeList, (2));                                   \
  SO_KIT_ADD_FIELD(decadeListDef, (DECADE_LIST_AUTO));                 \
  SO_KIT_ADD_FIELD(tenPowerRep, (TEN_POWER_POW10));                    \
  SO_KIT_ADD_FIELD(decadeRep, (DECADE_NONE));                          \
  SO_KIT_ADD_FIELD(decadeFontName, (""));                              \
  SO_KIT_ADD_FIELD(decadeFontSize, (0.0f));                            \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeListDef, DECADE_LIST_AUTO);           \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeListDef, DECADE_LIST_NON_AUTO);       \
  SO_KIT_SET_SF_ENUM_TYPE(decadeListDef, DecadeListDef);               \
  SO_KIT_DEFINE_ENUM_VALUE(TenPowGradRep, TEN_POWER_POW10);            \
  SO_KIT_DEFINE_ENUM_VALUE(TenPowGradRep, TEN_POWER_DECIMAL);          \
  SO_KIT_DEFINE_ENUM_VALUE(TenPowGradRep, TEN_POWER_AUTO);             \
  SO_KIT_SET_SF_ENUM_TYPE(tenPowerRep, TenPowGradRep);                 \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_NONE);                    \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_AS_TEN_POWER);            \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_DECIMAL);                 \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_DIGIT);                   \
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_AUTO);                    \
  SO_KIT_SET_SF_ENUM_TYPE(decadeRep, DecadeRep)

namespace LogAxisFieldsXP {

/** Appends the decade fields of @p axis to the fields whose change asks for a rebuild. */
template <class Axis>
void appendFields(Axis& axis, SoFieldList& fields)
{
  fields.append(&axis.decadeList);
  fields.append(&axis.decadeListDef);
  fields.append(&axis.tenPowerRep);
  fields.append(&axis.decadeRep);
  fields.append(&axis.decadeFontName);
  fields.append(&axis.decadeFontSize);
}

/**
 * Copies the decade fields of @p axis into its working copy @p l (an empty font name takes
 * @p textFont; a size that is not finite becomes 0 with a message; the user's digits are read
 * once, under DECADE_LIST_NON_AUTO). Messages come from @p method.
 */
template <class Axis, class Attr>
void saveFields(const Axis& axis, Attr& l, const SbString& textFont, const char* method)
{
  typedef typename Axis::DecadeListDef ListDef;
  l.decadeListDef = ListDef(namedEnumValue(axis.decadeListDef, "decadeListDef", method));
  l.tenPowerRep = typename Axis::TenPowGradRep(namedEnumValue(axis.tenPowerRep, "tenPowerRep", method));
  l.decadeRep = typename Axis::DecadeRep(namedEnumValue(axis.decadeRep, "decadeRep", method));
  l.decadeFontName =
      axis.decadeFontName.getValue().getLength() > 0 ? axis.decadeFontName.getValue() : textFont;
  l.decadeFontSize = axis.decadeFontSize.getValue();
  if (!std::isfinite(l.decadeFontSize)) {
    PoDebugError::post(method, "decadeFontSize is not finite; 0 used");
    l.decadeFontSize = 0.0f;
  }
  l.numDecades = 0;
  if (l.decadeListDef == Axis::DECADE_LIST_NON_AUTO)
    l.numDecades = PiLogGraduation::readDecadeList(axis.decadeList.getValues(0),
                                                   axis.decadeList.getNum(), l.decades, method);
}

/**
 * Graduation input from the working copies: the interval @p lo .. @p hi, the decade fields
 * of @p l, the tick selection of @p a (its period only under PERIOD_MAIN_TICK; under
 * NUM_SUB_TICK the sub ticks are the decade digits) and @p addString.
 */
template <class Axis, class Attr>
PiLogGraduation::Input makeInput(const Attr& l, const PoAxis::AxisAttr& a, float lo, float hi,
                                 const char* addString)
{
  PiLogGraduation::Input in;
  in.lo = lo;
  in.hi = hi;
  in.autoDigits = l.decadeListDef != Axis::DECADE_LIST_NON_AUTO;
  in.numDigits = l.numDecades;
  in.digits = l.decades;
  in.tenPowerRep = PiLogGraduation::TenPowerRep(l.tenPowerRep);
  in.decadeRep = PiLogGraduation::DecadeRep(l.decadeRep);
  in.period = a.tickSubDef == PoAxis::PERIOD_MAIN_TICK ? a.tickNumOrPeriod : 1;
  in.firstGrad = a.tickFirstGrad;
  in.lastGrad = a.tickLastGrad;
  in.addString = addString;
  return in;
}

/** After a compute: the digits in use into the working copy, for getLogGrad. */
template <class Attr>
void keepDigits(const PiLogGraduation& grads, Attr& l)
{
  l.numDecades = grads.getNumDigits();
  for (int i = 0; i < l.numDecades; ++i)
    l.decades[i] = grads.getDigits()[i];
}

/**
 * The decade graduation of a log axis's rebuild over @p lo .. @p hi: computed from the working
 * copies @p l and @p a (the digits in use kept in @p l), then handed to @p build, the axis's
 * own call of PoAxis::buildLogAxisParts with @p labels; the resolved decade size comes back
 * into @p l.
 */
template <class Axis, class Attr, class Labels, class Build>
void buildDecades(const Axis& axis, Attr& l, const PoAxis::AxisAttr& a, float lo, float hi,
                  Labels& labels, const char* method, Build build)
{
  const char* addString = axis.gradAddStringVisibility.getValue()
                              ? axis.gradAddString.getValue().getString()
                              : nullptr;
  PiLogGraduation grads;
  grads.compute(makeInput<Axis>(l, a, lo, hi, addString), method);
  keepDigits(grads, l);
  labels.decadeFontName = l.decadeFontName;
  labels.decadeFontSize = l.decadeFontSize;
  build(grads);
  l.decadeFontSize = labels.decadeFontSize;
}

} // namespace LogAxisFieldsXP

#endif
