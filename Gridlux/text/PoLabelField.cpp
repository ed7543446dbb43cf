// A free set of annotated points: a string, a number or both at each point.
#include <Gridlux/text/PoLabelField.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/base/FieldDataXP.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/text/PiNumericFormat.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/misc/SoState.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMatrixTransform.h>

#include <algorithm>
#include <cmath>
#include <string>

PO_KIT_SOURCE(PoLabelField);

void PoLabelField::initClass()
{
  PO_KIT_INIT_CLASS(PoLabelField, PoChartwork, "PoChartwork");
}

PoLabelField::PoLabelField()
{
  SO_KIT_CONSTRUCTOR(PoLabelField);
  SO_KIT_ADD_CATALOG_ENTRY(transform, SoMatrixTransform, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(labelField, SoGroup, TRUE, this, "", TRUE);

  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(string, (""));
  SO_KIT_ADD_FIELD(value, (0.0f));
  SO_KIT_ADD_FIELD(concatType, (STRING_BEFORE_VALUE));
  SO_KIT_ADD_FIELD(fontSize, (1.0f));
  SO_KIT_ADD_FIELD(justification, (LEFT));
  SO_KIT_ADD_FIELD(verticalJustification, (BASE));
  SO_KIT_ADD_FIELD(coordinateType, (COORDINATE_IN_CURRENT_UNIT));

  SO_KIT_DEFINE_ENUM_VALUE(ConcatType, STRING_BEFORE_VALUE);
  SO_KIT_DEFINE_ENUM_VALUE(ConcatType, VALUE_BEFORE_STRING);
  SO_KIT_DEFINE_ENUM_VALUE(ConcatType, STRING_ABOVE_VALUE);
  SO_KIT_DEFINE_ENUM_VALUE(ConcatType, VALUE_ABOVE_STRING);
  SO_KIT_SET_SF_ENUM_TYPE(concatType, ConcatType);
  SO_KIT_DEFINE_ENUM_VALUE(Justification, LEFT);
  SO_KIT_DEFINE_ENUM_VALUE(Justification, RIGHT);
  SO_KIT_DEFINE_ENUM_VALUE(Justification, CENTER);
  SO_KIT_SET_SF_ENUM_TYPE(justification, Justification);
  SO_KIT_DEFINE_ENUM_VALUE(VerticalJustification, TOP);
  SO_KIT_DEFINE_ENUM_VALUE(VerticalJustification, CAP);
  SO_KIT_DEFINE_ENUM_VALUE(VerticalJustification, HALF);
  SO_KIT_DEFINE_ENUM_VALUE(VerticalJustification, BASE);
  SO_KIT_DEFINE_ENUM_VALUE(VerticalJustification, BOTTOM);
  SO_KIT_SET_SF_ENUM_TYPE(verticalJustification, VerticalJustification);
  SO_KIT_DEFINE_ENUM_VALUE(CoordinateType, COORDINATE_IN_DOMAIN);
  SO_KIT_DEFINE_ENUM_VALUE(CoordinateType, COORDINATE_IN_CURRENT_UNIT);
  SO_KIT_SET_SF_ENUM_TYPE(coordinateType, CoordinateType);

  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoLabelField::~PoLabelField()
{
  deleteFieldSensorList(m_sensors);
  if (m_format)
    m_format->removeConnection(this);
}

void PoLabelField::getWatchedFields(SoFieldList& fields)
{
  SoField* const own[] = {&point,         &string,        &value,
                          &concatType,    &fontSize,      &justification,
                          &verticalJustification,         &coordinateType};
  for (SoField* field : own)
    fields.append(field);
}

SbBool PoLabelField::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  getWatchedFields(fields);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoLabelField::setFormat(PbNumericDisplayFormat* format)
{
  replaceFollowed(m_format, format);
}

void PoLabelField::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_format))
    return;
  inherited::basicObjectChange(object);
}

void PoLabelField::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  PoMiscTextAttrElement::get(getState());
  if (!m_format)
    PoNumericDisplayFormatElement::get(getState());
}

void PoLabelField::rebuild()
{
  preRebuild();

  const bool inDomain = coordinateType.getValue() == COORDINATE_IN_DOMAIN;
  // In current units the points are scene coordinates: the domain transform does not apply.
  enableDomainTransform(inDomain);
  if (inDomain)
    setDomainTransform(getDomain());
  else
    setAnyPart("domainTransform", nullptr);

  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMiscTextAttr* textAttr =
      state ? PoMiscTextAttrElement::get(state) : PoMiscTextAttrElement::getDefault();
  const PbNumericDisplayFormat* format = m_format;
  if (!format)
    format = state ? PoNumericDisplayFormatElement::get(state)
                   : PoNumericDisplayFormatElement::getDefault();
  if (state) {
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
    if (!m_format)
      addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
  }

  SoGroup* group = new SoGroup;
  const int numPoints = point.getNum();
  if (numPoints == 0) {
    setAnyPart("transform", nullptr);
    setAnyPart("labelField", group);
    postRebuild();
    return;
  }

  float size = fontSize.getValue();
  if (!(size >= 0.0f) || !std::isfinite(size)) {
    PoDebugError::post("PoLabelField::rebuild", "font size %g is not a size; computed instead",
                       size);
    size = 0.0f;
  }
  if (size == 0.0f) {
    // Computed: a fraction of the domain's larger extent (applied below in domain coordinates).
    size = 0.04f;
    if (!inDomain)
      size *= std::max(getDomain()->getDeltaX(), getDomain()->getDeltaY());
  }

  // With domain coordinates the text is drawn in a frame where both axes have the larger
  // extent's scale, so the domain transform does not stretch it.
  SbVec2f toFrame(1.0f, 1.0f);
  if (inDomain) {
    const PbDomain* domain = getDomain();
    const float dx = domain->getDeltaX(), dy = domain->getDeltaY();
    const float reference = dx >= dy ? dx : dy;
    SbMatrix scale;
    scale.setScale(SbVec3f(dx / reference, dy / reference, 1.0f));
    toFrame.setValue(reference / dx, reference / dy);
    SoMatrixTransform* transformNode = new SoMatrixTransform;
    transformNode->matrix = scale;
    setAnyPart("transform", transformNode);
    size *= reference;
  } else {
    setAnyPart("transform", nullptr);
  }

  const bool useStrings = string.getNum() == numPoints;
  const bool useValues = value.getNum() == numPoints;
  PiNumericFormat formatter;
  std::string suffix;
  if (useValues) {
    formatter.setFormat(format, numPoints, value.getValues(0), 1);
    if (formatter.getTenPower() != 0)
      suffix = "E" + std::to_string(formatter.getTenPower()) + "\n";
  }

  PiText text;
  text.setTextAttributes(textAttr);
  text.setFontSize(size);
  static const char* method = "PoLabelField::rebuild";
  text.setAlignment(PiText::HorAlignment(namedEnumValue(justification, "justification", method)),
                    PiText::VertAlignment(namedEnumValue(verticalJustification, "verticalJustification", method)));
  text.setPath(PiText::PATH_RIGHT);
  text.setGroup(group);

  const int concat = concatType.getValue();
  const bool valueFirst = concat == VALUE_BEFORE_STRING || concat == VALUE_ABOVE_STRING;
  const char* const join = concat == STRING_ABOVE_VALUE || concat == VALUE_ABOVE_STRING ? "\n" : " ";
  int skipped = 0;
  for (int i = 0; i < numPoints; ++i) {
    const SbVec2f p = point[i];
    if (!std::isfinite(p[0]) || !std::isfinite(p[1])) {
      ++skipped;
      continue;
    }
    const std::string label = useStrings ? string[i].getString() : "";
    const bool hasValue = useValues && std::isfinite(value[i]);
    const std::string number = hasValue ? formatter.getString(value[i]).getString() + suffix : "";
    const std::string& first = valueFirst ? number : label;
    const std::string& second = valueFirst ? label : number;
    const bool secondExists = valueFirst ? useStrings : hasValue;
    std::string whole = first;
    if (!first.empty() && (secondExists || join[0] == '\n'))
      whole += join;
    whole += second;

    text.setOrigin(p[0] * toFrame[0], p[1] * toFrame[1], 0.0f);
    text.setString(whole.c_str());
    text.build();
  }
  if (skipped)
    PoDebugError::post("PoLabelField::rebuild", "%d of %d points are not finite; not labelled",
                       skipped, numPoints);

  setAnyPart("labelField", group);
  postRebuild();
}
