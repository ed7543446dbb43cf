// A cartesian axis graduated in decades: its coordinate is the decimal logarithm of the value.
#include <Gridlux/axes/PoLogAxis.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/axes/PiAxisLayout.h>
#include <Gridlux/axes/PiGradList.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

PO_KIT_SOURCE(PoLogAxis);

namespace {

// Slack on the decade bounds, so that an end lying on a decade up to float noise keeps it.
const float kDecadeSlack = 1e-5f;

// More decades than this on one axis is taken as a mistake rather than drawn.
const int kMaxDecades = 10000;

// Exponent size relative to its base, and the decade labels' nominal size relative to the
// main labels'.
const float kPowerScale = 0.7f;
const float kDecadeScale = 0.75f;

bool inDecimalRange(float first, float last)
{
  return first >= -4.0f && first <= 4.0f && last >= -4.0f && last <= 4.0f;
}

} // namespace

void PoLogAxis::initClass()
{
  PO_KIT_INIT_CLASS(PoLogAxis, PoCartesianAxis, "PoCartesianAxis");
}

PoLogAxis::PoLogAxis()
{
  init(SbVec3f(0, 0, 0), 1.0f, XY, DECADE_LIST_AUTO, nullptr, 0, 0.0f);
}

PoLogAxis::PoLogAxis(const SbVec3f& startPoint, float endCoord, Type axisType,
                     DecadeListDef listDef, const unsigned short* list, int numList,
                     float decadeSize)
{
  init(startPoint, endCoord, axisType, listDef, list, numList, decadeSize);
}

void PoLogAxis::init(const SbVec3f& startPoint, float endCoord, Type axisType,
                     DecadeListDef listDef, const unsigned short* list, int numList,
                     float decadeSize)
{
  SO_KIT_CONSTRUCTOR(PoLogAxis);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactorApp, SoAppearanceKit, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(multFactor, SoGroup, TRUE, multFactorSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeTextApp, SoAppearanceKit, TRUE, decadeTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(decadeText, SoGroup, TRUE, decadeTextSep, "", TRUE);

  SO_KIT_ADD_FIELD(decadeList, (2));
  SO_KIT_ADD_FIELD(decadeListDef, (DECADE_LIST_AUTO));
  SO_KIT_ADD_FIELD(tenPowerRep, (TEN_POWER_POW10));
  SO_KIT_ADD_FIELD(decadeRep, (DECADE_NONE));
  SO_KIT_ADD_FIELD(decadeFontName, (""));
  SO_KIT_ADD_FIELD(decadeFontSize, (0.0f));
  SO_KIT_ADD_FIELD(multFactorPosition, (MULT_FACTOR_END));
  SO_KIT_ADD_FIELD(multFactorDistAxis, (0.0f));
  SO_KIT_DEFINE_ENUM_VALUE(DecadeListDef, DECADE_LIST_AUTO);
  SO_KIT_DEFINE_ENUM_VALUE(DecadeListDef, DECADE_LIST_NON_AUTO);
  SO_KIT_SET_SF_ENUM_TYPE(decadeListDef, DecadeListDef);
  SO_KIT_DEFINE_ENUM_VALUE(TenPowGradRep, TEN_POWER_POW10);
  SO_KIT_DEFINE_ENUM_VALUE(TenPowGradRep, TEN_POWER_DECIMAL);
  SO_KIT_DEFINE_ENUM_VALUE(TenPowGradRep, TEN_POWER_AUTO);
  SO_KIT_SET_SF_ENUM_TYPE(tenPowerRep, TenPowGradRep);
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_NONE);
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_AS_TEN_POWER);
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_DECIMAL);
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_DIGIT);
  SO_KIT_DEFINE_ENUM_VALUE(DecadeRep, DECADE_AUTO);
  SO_KIT_SET_SF_ENUM_TYPE(decadeRep, DecadeRep);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_START);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_END);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_EXTR);
  SO_KIT_DEFINE_ENUM_VALUE(MultFactorPosition, MULT_FACTOR_GRAD);
  SO_KIT_SET_SF_ENUM_TYPE(multFactorPosition, MultFactorPosition);
  SO_KIT_INIT_INSTANCE();

  setPlacement(startPoint, endCoord, axisType);
  if (listDef != DECADE_LIST_AUTO)
    decadeListDef.setValue(listDef);
  if (list && numList > 0)
    decadeList.setValues(0, numList, list);
  else if (numList < 0 || (!list && numList > 0))
    PoDebugError::post("PoLogAxis::PoLogAxis", "decade list of %d values without digits; the default kept",
                       numList);
  if (decadeSize != 0.0f)
    decadeFontSize.setValue(decadeSize);
  setUpConnections(TRUE, TRUE);
}

PoLogAxis::~PoLogAxis() = default;

void PoLogAxis::getWatchedFields(SoFieldList& fields)
{
  inherited::getWatchedFields(fields);
  fields.append(&decadeList);
  fields.append(&decadeListDef);
  fields.append(&tenPowerRep);
  fields.append(&decadeRep);
  fields.append(&decadeFontName);
  fields.append(&decadeFontSize);
  fields.append(&multFactorPosition);
  fields.append(&multFactorDistAxis);
}

void PoLogAxis::getLogGrad(int& numDecades, const unsigned short*& decades,
                           TenPowGradRep& tenPower, DecadeRep& decade, SbString& fontName,
                           float& fontSize) const
{
  numDecades = m_logAttr.numDecades;
  decades = m_logAttr.decades;
  tenPower = m_logAttr.tenPowerRep;
  decade = m_logAttr.decadeRep;
  fontName = m_logAttr.decadeFontName;
  fontSize = m_logAttr.decadeFontSize;
}

void PoLogAxis::getMultFactor(MultFactorPosition& position, float& distAxis) const
{
  position = m_logAttr.multFactorPosition;
  distAxis = m_logAttr.multFactorDistAxis;
}

int PoLogAxis::computeDecadeGradList(int numDecades, unsigned short digits[MAX_DECADES])
{
  static const unsigned short table[][MAX_DECADES + 1] = {
      // count, digits
      {8, 2, 3, 4, 5, 6, 7, 8, 9}, {4, 2, 4, 6, 8}, {3, 3, 6, 9}, {2, 4, 8}, {1, 5}, {0}};
  int row;
  if (numDecades < 3)
    row = 0;
  else if (numDecades <= 4)
    row = 1;
  else if (numDecades <= 8)
    row = 2;
  else if (numDecades <= 16)
    row = 3;
  else if (numDecades <= 32)
    row = 4;
  else
    row = 5;
  const int count = table[row][0];
  for (int i = 0; i < count; ++i)
    digits[i] = table[row][i + 1];
  return count;
}

void PoLogAxis::saveAxisAttr()
{
  inherited::saveAxisAttr();
  LogAxisAttr& l = m_logAttr;
  l.decadeListDef = DecadeListDef(decadeListDef.getValue());
  l.tenPowerRep = TenPowGradRep(tenPowerRep.getValue());
  l.decadeRep = DecadeRep(decadeRep.getValue());
  l.decadeFontName = decadeFontName.getValue().getLength() > 0 ? decadeFontName.getValue()
                                                               : currentTextAttr()->getFontName();
  l.decadeFontSize = decadeFontSize.getValue();
  if (!std::isfinite(l.decadeFontSize)) {
    PoDebugError::post("PoLogAxis::saveAxisAttr", "decadeFontSize is not finite; 0 used");
    l.decadeFontSize = 0.0f;
  }
  l.multFactorPosition = MultFactorPosition(multFactorPosition.getValue());
  l.multFactorDistAxis = multFactorDistAxis.getValue();
  if (!std::isfinite(l.multFactorDistAxis))
    l.multFactorDistAxis = 0.0f;

  // The user's list, read once here: digits outside 2..9 cannot stand inside a decade.
  l.numDecades = 0;
  if (l.decadeListDef != DECADE_LIST_NON_AUTO)
    return;
  const int num = decadeList.getNum();
  if (num > MAX_DECADES)
    PoDebugError::postWarning("PoLogAxis::saveAxisAttr",
                              "decadeList has %d values; only the first %d are read", num,
                              MAX_DECADES);
  bool seen[10] = {};
  for (int i = 0; i < std::min(num, MAX_DECADES); ++i) {
    const unsigned short d = decadeList[i];
    if (d < 2 || d > 9) {
      PoDebugError::postWarning("PoLogAxis::saveAxisAttr",
                                "decade digit %u is not in 2..9; ignored", unsigned(d));
      continue;
    }
    seen[d] = true;
  }
  for (unsigned short d = 2; d <= 9; ++d)
    if (seen[d])
      l.decades[l.numDecades++] = d;
}

void PoLogAxis::computeTickLen(int, float& mainLength, float& subLength)
{
  // The sub graduations of a log axis lie inside the decades and do not make it denser.
  inherited::computeTickLen(m_numMainDecades, mainLength, subLength);
}

PoLogAxis::LogLabel PoLogAxis::convertLogGradToStr(int k, int digit, bool powerForm,
                                                   bool digitOnly) const
{
  LogLabel label;
  char text[512];
  if (powerForm) {
    if (digit > 1)
      std::snprintf(text, sizeof(text), "%d.10", digit);
    else
      std::snprintf(text, sizeof(text), "10");
    label.base = text;
    std::snprintf(text, sizeof(text), "%d", k);
    label.power = text;
    return label;
  }
  if (digitOnly)
    std::snprintf(text, sizeof(text), "%d", digit);
  else {
    const double value = double(digit) * std::pow(10.0, double(k));
    if (k >= 0)
      std::snprintf(text, sizeof(text), "%.0f", value);
    else {
      char format[16];
      std::snprintf(format, sizeof(format), "%%.%df", -k);
      std::snprintf(text, sizeof(text), format, value);
    }
  }
  label.base = text;
  if (gradAddStringVisibility.getValue())
    label.base += gradAddString.getValue();
  return label;
}

void PoLogAxis::rebuild()
{
  static const char* method = "PoLogAxis::rebuild";
  preRebuild();
  saveAxisAttr();
  setDefaultAttr(type.getValue());
  computeTransfo(start.getValue(), m_axisAttr.deltaAlong, m_axisAttr.deltaAcross);
  m_mainLabels.clear();
  m_decadeCoords.clear();
  m_decadeLabels.clear();
  m_numMainDecades = 0;
  m_decadeSize = 0.0f;
  setAnyPart("multFactor", nullptr);

  const float s = getStartAlong(), e = end.getValue();
  if (!std::isfinite(s) || !std::isfinite(e) || s == e) {
    if (s != e)
      PoDebugError::post(method, "axis from %g to %g is not finite; nothing is built", s, e);
    clearAxisParts();
    setAnyPart("decadeText", nullptr);
    postRebuild();
    return;
  }

  float lo, hi;
  computeGradLimit(s, e, lo, hi);
  m_axisAttr.gradMin = std::min(lo, hi);
  m_axisAttr.gradMax = std::max(lo, hi);
  const float a = m_axisAttr.gradMin, b = m_axisAttr.gradMax;

  // Whole decades inside [a, b].
  int k0 = 0, k1 = -1;
  if (lo != hi) {
    const double first = std::ceil(double(a) - kDecadeSlack);
    const double last = std::floor(double(b) + kDecadeSlack);
    if (last - first + 1.0 > kMaxDecades)
      PoDebugError::post(method, "axis from %g to %g spans more than %d decades; no graduations",
                         s, e, kMaxDecades);
    else if (last >= first) {
      k0 = int(first);
      k1 = int(last);
    }
  }
  const int numMain = k1 - k0 + 1;
  m_numMainDecades = std::max(0, numMain);

  LogAxisAttr& l = m_logAttr;
  if (l.decadeListDef != DECADE_LIST_NON_AUTO)
    l.numDecades = numMain > 0 ? computeDecadeGradList(numMain, l.decades) : 0;

  // Sub graduations: in the decade below k0 down to a, inside every decade up to k1, and
  // after k1 up to b; each remembers its decade and digit for its label.
  struct Sub {
    float coord;
    int k, digit;
  };
  std::vector<Sub> subs;
  if (numMain > 0)
    for (int k = k0 - 1; k <= k1; ++k)
      for (int i = 0; i < l.numDecades; ++i) {
        const double x = k + std::log10(double(l.decades[i]));
        if (x < double(a) - kDecadeSlack || x > double(b) + kDecadeSlack)
          continue;
        subs.push_back({float(x), k, int(l.decades[i])});
      }

  std::vector<float> decades(std::max(0, numMain));
  for (int i = 0; i < numMain; ++i)
    decades[i] = float(k0 + i);

  // The tick selection fields choose the labelled decades; the others join the sub ticks.
  PiGradList::Input in;
  in.start = lo;
  in.end = hi;
  in.step = 1.0f;
  in.numGrads = int(decades.size());
  in.grads = decades.data();
  in.subDef = PiGradList::PERIOD_MAIN_TICK;
  in.numOrPeriod = m_axisAttr.tickSubDef == PERIOD_MAIN_TICK ? m_axisAttr.tickNumOrPeriod : 1;
  in.firstGrad = m_axisAttr.tickFirstGrad;
  in.lastGrad = m_axisAttr.tickLastGrad;
  PiGradList list;
  list.compute(in);
  const std::vector<float>& mainCoords = list.mainCoords();

  // Label forms.
  bool mainPower = l.tenPowerRep == TEN_POWER_POW10;
  if (l.tenPowerRep == TEN_POWER_AUTO)
    mainPower = !(numMain > 0 && inDecimalRange(float(k0), float(k1)));
  for (float coord : mainCoords)
    m_mainLabels.push_back(convertLogGradToStr(int(std::lround(coord)), 1, mainPower, false));

  std::vector<float> subCoords = list.subCoords();
  if (l.decadeRep != DECADE_NONE && !subs.empty()) {
    bool power = l.decadeRep == DECADE_AS_TEN_POWER;
    if (l.decadeRep == DECADE_AUTO)
      power = !inDecimalRange(subs.front().coord, subs.back().coord);
    const bool digitOnly = l.decadeRep == DECADE_DIGIT;
    for (const Sub& sub : subs) {
      m_decadeCoords.push_back(sub.coord);
      m_decadeLabels.push_back(convertLogGradToStr(sub.k, sub.digit, power, digitOnly));
    }
  }
  for (const Sub& sub : subs)
    subCoords.push_back(sub.coord);
  std::sort(subCoords.begin(), subCoords.end());

  std::vector<SbString> mainTexts;
  for (const LogLabel& label : m_mainLabels)
    mainTexts.push_back(label.base);
  m_gradAttr.labels = mainTexts;

  m_decadeGroup = new SoGroup;
  m_decadeGroup->ref();
  buildAxisParts(s, e, int(mainCoords.size()), mainCoords.data(), mainTexts.data(),
                 int(subCoords.size()), subCoords.data());
  const bool decadesBuilt = m_decadeGroup->getNumChildren() > 0;
  setAnyPart("decadeText", decadesBuilt ? m_decadeGroup : nullptr);
  m_decadeGroup->unref();
  m_decadeGroup = nullptr;
  if (decadesBuilt) {
    SoFont* font = new SoFont;
    font->name.setValue(PiText::resolveFontName(l.decadeFontName.getString()));
    font->size.setValue(m_decadeSize);
    setAnyPart("decadeTextApp.font", font);
  }
  buildTitlePart();
  postRebuild();
}

namespace {

// How far a label reaches along the axis below and above its graduation, at the size it was
// measured at (scaled by a factor when its size is automatic).
struct Reach {
  float coord, below, above;
  bool decade;
};

// Largest factor (at most 1) by which the reaches of @p sorted, neighbours in coordinate
// order, keep within 0.8 of the room between their graduations.
float fitFactor(const std::vector<Reach>& sorted)
{
  float factor = 1.0f;
  for (size_t i = 1; i < sorted.size(); ++i) {
    const float need = sorted[i - 1].above + sorted[i].below;
    const float room = 0.8f * (sorted[i].coord - sorted[i - 1].coord);
    if (need > 0.0f && need * factor > room)
      factor = room / need;
  }
  return factor;
}

} // namespace

void PoLogAxis::computeLogGradFontSize(const std::vector<float>& mainCoords,
                                       std::vector<float>& decadeCoords,
                                       std::vector<LogLabel>& decadeLabels, float& mainSize,
                                       float& decadeSize) const
{
  const AxisAttr& a = m_axisAttr;
  const float delta = a.deltaAlong;
  const PiText::Path path = textPath(a.gradPath);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getLabelAlignment(path, labelsAbove(), hor, vert);
  auto measure = [&](const std::vector<float>& coords, const std::vector<LogLabel>& labels,
                     float size, const char* font) {
    std::vector<Reach> reaches;
    for (size_t i = 0; i < coords.size() && i < labels.size(); ++i) {
      const SbBox2f box = buildPowerText(labels[i].base.getString(), labels[i].power.getString(),
                                         size, kPowerScale, path, hor, vert, SbVec2f(0, 0),
                                         nullptr, font);
      reaches.push_back({coords[i], box.isEmpty() ? 0.0f : -box.getMin()[0],
                         box.isEmpty() ? 0.0f : box.getMax()[0], false});
    }
    return reaches;
  };
  auto sorted = [](std::vector<Reach> reaches) {
    std::sort(reaches.begin(), reaches.end(),
              [](const Reach& p, const Reach& q) { return p.coord < q.coord; });
    return reaches;
  };
  auto scaled = [](std::vector<Reach> reaches, float factor) {
    for (Reach& r : reaches) {
      r.below *= factor;
      r.above *= factor;
    }
    return reaches;
  };

  // The main labels first, among themselves, as on a linear axis.
  const bool mainFixed = a.gradFontSize > 0.0f;
  mainSize = mainFixed ? a.gradFontSize * delta : 0.04f * delta;
  std::vector<Reach> mains = sorted(measure(mainCoords, m_mainLabels, mainSize, nullptr));
  if (!mainFixed) {
    const float factor = fitFactor(mains);
    mainSize *= factor;
    mains = scaled(mains, factor);
  }

  const bool decadeFixed = m_logAttr.decadeFontSize > 0.0f;
  decadeSize = decadeFixed ? m_logAttr.decadeFontSize * delta : kDecadeScale * mainSize;
  if (decadeCoords.empty() || decadeFixed)
    return;
  const char* font = m_logAttr.decadeFontName.getString();
  const std::vector<Reach> decades = measure(decadeCoords, decadeLabels, decadeSize, font);

  // Then the decade labels in the room that the main labels leave. When that room would make
  // them much smaller than they need be among themselves, they keep that size instead and
  // those that would touch a main label are left out (their ticks stay).
  auto fitsWith = [&](float factor) {
    std::vector<Reach> trial = mains;
    for (const Reach& r : scaled(decades, factor))
      trial.push_back({r.coord, r.below, r.above, true});
    trial = sorted(trial);
    for (size_t i = 1; i < trial.size(); ++i)
      if ((trial[i - 1].decade || trial[i].decade) &&
          trial[i - 1].above + trial[i].below > 0.8f * (trial[i].coord - trial[i - 1].coord))
        return false;
    return true;
  };
  const float own = fitFactor(sorted(decades));
  // The largest factor up to `own` that fits beside the main labels, by bisection.
  float lo = 0.0f, hi = own;
  if (fitsWith(hi))
    lo = hi;
  else
    for (int i = 0; i < 30; ++i) {
      const float mid = 0.5f * (lo + hi);
      (fitsWith(mid) ? lo : hi) = mid;
    }
  if (lo >= 0.6f * own) {
    decadeSize *= lo;
    return;
  }
  decadeSize *= own;
  std::vector<float> keptCoords;
  std::vector<LogLabel> keptLabels;
  for (size_t i = 0; i < decades.size(); ++i) {
    const Reach d = scaled({decades[i]}, own)[0];
    bool clear = true;
    for (const Reach& m : mains) {
      const float gap = std::fabs(m.coord - d.coord);
      const float need = m.coord > d.coord ? d.above + m.below : m.above + d.below;
      clear = clear && need <= 0.8f * gap;
    }
    if (clear) {
      keptCoords.push_back(decadeCoords[i]);
      keptLabels.push_back(decadeLabels[i]);
    }
  }
  decadeCoords.swap(keptCoords);
  decadeLabels.swap(keptLabels);
}

void PoLogAxis::buildGrads(int num, const float* coords, const SbString*, SoGroup* group)
{
  AxisAttr& a = m_axisAttr;
  m_labelSize = 0.0f;
  m_labelBox.makeEmpty();
  m_decadeSize = 0.0f;
  const int numMain = std::min(num, int(m_mainLabels.size()));
  if (a.gradVisibility != VISIBILITY_ON || (numMain < 1 && m_decadeCoords.empty()))
    return;
  const std::vector<float> mainCoords(coords, coords + numMain);
  float mainSize, decadeSize;
  computeLogGradFontSize(mainCoords, m_decadeCoords, m_decadeLabels, mainSize, decadeSize);
  if (!(mainSize > 0.0f) || !(decadeSize > 0.0f))
    return;
  const float delta = a.deltaAlong;
  a.gradFontSize = mainSize / delta;
  m_logAttr.decadeFontSize = decadeSize / delta;

  const bool above = labelsAbove();
  float y;
  if (a.gradDistAxis > 0.0f)
    y = (above ? 1.0f : -1.0f) * a.gradDistAxis * delta;
  else {
    y = above ? a.ymax + 0.65f * mainSize : a.ymin - 0.65f * mainSize;
    a.gradDistAxis = std::fabs(y) / delta;
  }

  const PiText::Path path = textPath(a.gradPath);
  PiText::HorAlignment hor;
  PiText::VertAlignment vert;
  PiAxisLayout::getLabelAlignment(path, above, hor, vert);
  SbBox2f all;
  for (int i = 0; i < numMain; ++i) {
    const LogLabel& label = m_mainLabels[i];
    const SbBox2f box = buildPowerText(label.base.getString(), label.power.getString(), mainSize,
                                       kPowerScale, path, hor, vert, SbVec2f(coords[i], y), group);
    m_labelBox.extendBy(box);
    all.extendBy(box);
  }
  if (m_decadeGroup && !m_decadeCoords.empty()) {
    const char* font = m_logAttr.decadeFontName.getString();
    for (size_t i = 0; i < m_decadeCoords.size(); ++i) {
      const LogLabel& label = m_decadeLabels[i];
      all.extendBy(buildPowerText(label.base.getString(), label.power.getString(), decadeSize,
                                  kPowerScale, path, hor, vert, SbVec2f(m_decadeCoords[i], y),
                                  m_decadeGroup, font));
    }
    m_decadeSize = decadeSize;
  }
  growExtent(all);
  m_labelSize = numMain > 0 ? mainSize : 0.0f;
  m_labelY = y;
}
