// An axis graduated in calendar dates and times of day, on one or more levels.
#include <Gridlux/axes/PoTimeAxis.h>

#include <Gridlux/attributes/PbDateFormatMapping.h>
#include <Gridlux/attributes/PbNumericDisplayFormat.h>
#include <Gridlux/attributes/PoDateFormatMappingElement.h>
#include <Gridlux/attributes/PoNumericDisplayFormatElement.h>
#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/axes/PiAxisLayout.h>
#include <Gridlux/axes/PoCartesianAxis.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMatrixTransform.h>

#include <algorithm>
#include <cmath>

namespace {

// Graduations per level beyond which a representation is taken as a mistake.
const int kMaxGradsPerLevel = 2000;

const std::vector<PiDate> kNoDates;
const std::vector<float> kNoCoords;

} // namespace

PO_KIT_SOURCE(PoTimeAxis);

void PoTimeAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoTimeAxis, PoAxis, "PoAxis");
}

PoTimeAxis::PoTimeAxis()
{
  init("1-01-70", "2-01-70", 0.0f, X);
}

PoTimeAxis::PoTimeAxis(const SbString& start, const SbString& end, float coordValue, int axisType)
{
  init(start, end, coordValue, axisType);
}

void PoTimeAxis::init(const SbString& start, const SbString& end, float coordValue, int axisType)
{
  SO_KIT_CONSTRUCTOR(PoTimeAxis);
  SO_KIT_ADD_FIELD(startDate, ("1-01-70"));
  SO_KIT_ADD_FIELD(endDate, ("2-01-70"));
  SO_KIT_ADD_FIELD(coord, (0.0f));
  SO_KIT_ADD_FIELD(type, (X));
  SO_KIT_ADD_FIELD(language, (ENGLISH));
  SO_KIT_ADD_FIELD(gradFit, (GRAD_UNFIT));
  SO_KIT_ADD_FIELD(gradRep, (""));
  SO_KIT_ADD_FIELD(timesPeriod, (""));
  SO_KIT_DEFINE_ENUM_VALUE(Type, X);
  SO_KIT_DEFINE_ENUM_VALUE(Type, Y);
  SO_KIT_SET_SF_ENUM_TYPE(type, Type);
  SO_KIT_DEFINE_ENUM_VALUE(Language, ENGLISH);
  SO_KIT_DEFINE_ENUM_VALUE(Language, FRANCAIS);
  SO_KIT_DEFINE_ENUM_VALUE(Language, DEUTSCH);
  SO_KIT_DEFINE_ENUM_VALUE(Language, ESPANOL);
  SO_KIT_SET_SF_ENUM_TYPE(language, Language);
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_FIT);
  SO_KIT_DEFINE_ENUM_VALUE(GradFit, GRAD_UNFIT);
  SO_KIT_SET_SF_ENUM_TYPE(gradFit, GradFit);
  SO_KIT_INIT_INSTANCE();

  // Constructor arguments are the fields' initial values, so a file written from a node built
  // this way keeps them.
  if (start != "1-01-70")
    startDate.setValue(start);
  if (end != "2-01-70")
    endDate.setValue(end);
  if (coordValue != 0.0f)
    coord.setValue(coordValue);
  if (axisType != X)
    type.setValue(axisType == Y ? Y : X);
  setUpConnections(TRUE, TRUE);
}

PoTimeAxis::~PoTimeAxis()
{
  changeConnection(m_mapping, nullptr);
}

void PoTimeAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  SoField* const own[] = {&startDate, &endDate, &coord, &type, &language, &gradFit, &gradRep, &timesPeriod};
  for (SoField* field : own)
    fields.append(field);
}

void PoTimeAxis::setDateFormatMapping(PbDateFormatMapping* mapping)
{
  replaceFollowed(m_mapping, mapping);
}

void PoTimeAxis::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_mapping))
    return;
  inherited::basicObjectChange(object);
}

void PoTimeAxis::preRebuild()
{
  inherited::preRebuild();
  if (!isStateValid())
    return;
  if (!m_mapping)
    addElementCache(PoDateFormatMappingElement::getClassStackIndex());
  addElementCache(PoNumericDisplayFormatElement::getClassStackIndex());
}

void PoTimeAxis::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (!getState())
    return;
  if (!m_mapping)
    PoDateFormatMappingElement::get(getState());
  PoNumericDisplayFormatElement::get(getState());
}

void PoTimeAxis::saveAxisAttr()
{
  inherited::saveAxisAttr();
  m_timeAttr.startDate = startDate.getValue();
  m_timeAttr.endDate = endDate.getValue();
  m_timeAttr.coord = std::isfinite(coord.getValue()) ? coord.getValue() : 0.0f;
  m_timeAttr.type = type.getValue() == Y ? Y : X;
  const int lang = language.getValue();
  m_timeAttr.language = lang >= ENGLISH && lang <= ESPANOL ? Language(lang) : ENGLISH;
  m_timeAttr.gradFit = gradFit.getValue() == GRAD_FIT ? GRAD_FIT : GRAD_UNFIT;
}

const std::vector<PiDate>& PoTimeAxis::getLevelDates(int level) const
{
  return level >= 0 && level < int(m_levelDates.size()) ? m_levelDates[level] : kNoDates;
}

const std::vector<float>& PoTimeAxis::getLevelCoords(int level) const
{
  return level >= 0 && level < int(m_levelCoords.size()) ? m_levelCoords[level] : kNoCoords;
}

void PoTimeAxis::rebuild()
{
  static const char* method = "PoTimeAxis::rebuild";
  preRebuild();
  saveAxisAttr();
  const TimeAxisAttr& t = m_timeAttr;
  // The axis frame runs along X (graduated toward Y) or along Y (toward X).
  const int plane = t.type == X ? PoCartesianAxis::XY : PoCartesianAxis::YX;
  setDefaultAttr(plane);
  m_rep.levels.clear();
  m_levelDates.clear();
  m_levelCoords.clear();

  const PbDomain* domain = getDomain();
  const SbVec3f deltas(domain->getDeltaX(), domain->getDeltaY(), domain->getDeltaZ());
  const SbVec3f origin = t.type == X ? SbVec3f(0, t.coord, 0) : SbVec3f(t.coord, 0, 0);
  SoMatrixTransform* transformNode = new SoMatrixTransform;
  transformNode->matrix.setValue(PoCartesianAxis::getAxisMatrix(plane, origin, deltas, m_axisAttr.deltaAlong,
                                                                m_axisAttr.deltaAcross));
  setAnyPart("transform", transformNode);

  const PbDateFormatMapping* mapping = m_mapping;
  if (!mapping)
    mapping = isStateValid() ? PoDateFormatMappingElement::get(getState()) : PoDateFormatMappingElement::getDefault();
  const char* format = mapping->getFormat().getString();
  PiDate first, last;
  if (!first.readDateString(t.startDate.getString(), format) || !last.readDateString(t.endDate.getString(), format)) {
    PoDebugError::post(method, "the dates \"%s\" and \"%s\" cannot both be read with the format \"%s\"; nothing is built",
                       t.startDate.getString(), t.endDate.getString(), format);
    clearAxisParts();
    postRebuild();
    return;
  }
  if (first == last) {
    clearAxisParts();
    postRebuild();
    return;
  }
  const float s = mapping->getCoordinateP(first), e = mapping->getCoordinateP(last);
  // Graduations run forward in time whichever end the axis starts from.
  if (last < first)
    std::swap(first, last);
  const double span = PiDate::secondsBetween(first, last);

  std::vector<SbString> reps;
  for (int i = 0; i < gradRep.getNum(); ++i)
    reps.push_back(gradRep[i]);
  PiTimeGraduation::chooseRep(span, reps, timesPeriod.getValue().getString(), m_rep, method);

  const PbNumericDisplayFormat* numeric = isStateValid() ? PoNumericDisplayFormatElement::get(getState())
                                                         : PoNumericDisplayFormatElement::getDefault();
  const bool fit = t.gradFit == GRAD_FIT;
  std::vector<std::vector<SbString>> labels;
  std::vector<SbString> startLabels;
  for (const Tdate_axis_level_rep& level : m_rep.levels) {
    std::vector<PiDate> dates;
    PiTimeGraduation::getGradList(first, last, level.step, int(level.numStep), fit, kMaxGradsPerLevel, dates, method);
    std::vector<float> coords;
    std::vector<SbString> texts;
    if (level.step == PiDate::SECONDS) {
      const float numStep = std::max(1.0f, level.numStep);
      m_secondsFormat.setFormat(numeric, 0.0f, 60.0f - numStep, numStep, 0);
    }
    for (const PiDate& date : dates) {
      coords.push_back(mapping->getCoordinateP(date));
      texts.push_back(PiTimeGraduation::getLabel(level, date, PiDate::Language(t.language), m_secondsFormat));
    }
    // A higher level whose first step begins well inside the axis also names the step the
    // axis starts in, at the start, so that the first stretch is not left unread.
    SbString opening;
    const float startCoord = mapping->getCoordinateP(first), length = std::fabs(e - s);
    if (!m_levelDates.empty() && (coords.empty() || std::fabs(coords[0] - startCoord) > 0.25f * length))
      opening = PiTimeGraduation::getLabel(level, first, PiDate::Language(t.language), m_secondsFormat);
    startLabels.push_back(opening);
    m_levelDates.push_back(dates);
    m_levelCoords.push_back(coords);
    labels.push_back(texts);
  }
  m_gradAttr.labels = labels.empty() ? std::vector<SbString>() : labels[0];

  const std::vector<float>& main = m_levelCoords.empty() ? kNoCoords : m_levelCoords[0];
  buildAxisParts(s, e, int(main.size()), main.data(), m_gradAttr.labels.data(), 0, nullptr);
  buildUpperLevels(labels, startLabels, mapping->getCoordinateP(first));
  buildTitlePart();
  postRebuild();
}

void PoTimeAxis::buildUpperLevels(const std::vector<std::vector<SbString>>& labels,
                                  const std::vector<SbString>& startLabels, float startCoord)
{
  AxisAttr& a = m_axisAttr;
  if (m_levelCoords.size() < 2)
    return;
  const float lo = std::min(a.start, a.end), hi = std::max(a.start, a.end);
  const float size = m_labelSize > 0.0f ? m_labelSize : 0.04f * a.deltaAlong;
  const bool above = labelsAbove();
  const PiText::Path path = textPath(a.gradPath);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getLabelAlignment(path, above, hor, vert);

  SoGroup* ticks = new SoGroup;
  SoGroup* texts = new SoGroup;
  for (size_t level = 1; level < m_levelCoords.size(); ++level) {
    const std::vector<float>& coords = m_levelCoords[level];
    const SbString& opening = startLabels[level];
    if (coords.empty() && opening.getLength() == 0)
      continue;
    // A longer tick marks where each step of a higher level begins.
    if (!coords.empty())
      buildTick(int(coords.size()), coords.data(), 2.0f * a.tickMainLength, ticks);
    if (a.gradVisibility != VISIBILITY_ON)
      continue;
    const float y = above ? a.ymax + 0.65f * size : a.ymin - 0.65f * size;
    PiText text;
    setUpText(text, false, size);
    text.setPath(path);
    text.setAlignment(hor, vert);
    text.setGroup(texts);
    SbBox2f row;
    if (opening.getLength() > 0) {
      text.setOrigin(startCoord, y, 0.0f);
      text.setString(opening.getString());
      SbBox2f box;
      int lines = 0;
      text.build(box, lines);
      row.extendBy(box);
    }
    for (size_t i = 0; i < coords.size(); ++i) {
      if (coords[i] < lo - 1e-6f * (hi - lo) || coords[i] > hi + 1e-6f * (hi - lo))
        continue;
      text.setOrigin(coords[i], y, 0.0f);
      text.setString(labels[level][i].getString());
      SbBox2f box;
      int lines = 0;
      text.build(box, lines);
      row.extendBy(box);
    }
    growExtent(row);
  }
  if (ticks->getNumChildren() > 0) {
    SoGroup* mainTicks = static_cast<SoGroup*>(getAnyPart("mainGradTick", TRUE));
    mainTicks->addChild(ticks);
  }
  else {
    ticks->ref();
    ticks->unref();
  }
  if (texts->getNumChildren() > 0) {
    SoGroup* mainTexts = static_cast<SoGroup*>(getAnyPart("mainGradText", TRUE));
    mainTexts->addChild(texts);
    if (m_labelSize <= 0.0f) {
      SoFont* font = new SoFont;
      font->name.setValue(PiText::resolveFontName(a.gradFontName.getString()));
      font->size.setValue(size);
      setAnyPart("mainGradTextApp.font", font);
      m_labelSize = size;
    }
  }
  else {
    texts->ref();
    texts->unref();
  }
}
