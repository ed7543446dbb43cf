// Base of the legends: frame, margins, title, background and the shapes they share.
#include <Gridlux/text/PoLegend.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/figures/FigureShapesXP.h>

#include <Inventor/nodekits/SoAppearanceKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoSeparator.h>

#include <algorithm>
#include <cmath>

PO_KIT_ABSTRACT_SOURCE(PoLegend);

void PoLegend::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoLegend, PoChartwork, "PoChartwork");
}

PoLegend::PoLegend()
{
  SO_KIT_CONSTRUCTOR(PoLegend);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundApp, SoAppearanceKit, TRUE, backgroundSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(background, SoGroup, TRUE, backgroundSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundBorderSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundBorderApp, SoAppearanceKit, TRUE, backgroundBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(backgroundBorder, SoGroup, TRUE, backgroundBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(boxSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(boxApp, SoAppearanceKit, TRUE, boxSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(box, SoGroup, TRUE, boxSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(boxBorderSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(boxBorderApp, SoAppearanceKit, TRUE, boxBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(boxBorder, SoGroup, TRUE, boxBorderSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(titleSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(titleApp, SoAppearanceKit, TRUE, titleSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(title, SoGroup, TRUE, titleSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(valueTextSep, SoSeparator, TRUE, this, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(valueTextApp, SoAppearanceKit, TRUE, valueTextSep, "", TRUE);
  SO_KIT_ADD_CATALOG_ENTRY(valueText, SoGroup, TRUE, valueTextSep, "", TRUE);

  SO_KIT_ADD_FIELD(titleVisibility, (VISIBILITY_OFF));
  SO_KIT_ADD_FIELD(titlePosition, (POS_BOTTOM));
  SO_KIT_ADD_FIELD(titlePath, (PATH_RIGHT));
  SO_KIT_ADD_FIELD(titleFontSize, (0.0f));
  SO_KIT_ADD_FIELD(titleFontName, (""));
  SO_KIT_ADD_FIELD(titleString, (""));
  SO_KIT_ADD_FIELD(valueVisibility, (VISIBILITY_ON));
  SO_KIT_ADD_FIELD(valuePosition, (POS_RIGHT));
  SO_KIT_ADD_FIELD(valueFontName, (""));
  SO_KIT_ADD_FIELD(valueAddStringVisibility, (FALSE));
  SO_KIT_ADD_FIELD(valueAddString, (""));
  SO_KIT_ADD_FIELD(marginType, (REL_MARGIN));
  SO_KIT_ADD_FIELD(marginLeft, (0.05f));
  SO_KIT_ADD_FIELD(marginRight, (0.05f));
  SO_KIT_ADD_FIELD(marginBottom, (0.05f));
  SO_KIT_ADD_FIELD(marginTop, (0.05f));
  SO_KIT_ADD_FIELD(incrementType, (VERTICAL_INCREMENT));
  SO_KIT_ADD_FIELD(numColumns, (1));
  SO_KIT_ADD_FIELD(boxRatio, (1.0f));

  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_BOTTOM);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_TOP);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_RIGHT);
  SO_KIT_DEFINE_ENUM_VALUE(Position, POS_LEFT);
  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_OFF);
  SO_KIT_DEFINE_ENUM_VALUE(Visibility, VISIBILITY_ON);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_RIGHT);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_LEFT);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_UP);
  SO_KIT_DEFINE_ENUM_VALUE(TextPath, PATH_DOWN);
  SO_KIT_DEFINE_ENUM_VALUE(MarginType, REL_MARGIN);
  SO_KIT_DEFINE_ENUM_VALUE(MarginType, FIXED_MARGIN);
  SO_KIT_DEFINE_ENUM_VALUE(IncrementType, VERTICAL_INCREMENT);
  SO_KIT_DEFINE_ENUM_VALUE(IncrementType, HORIZONTAL_INCREMENT);
  SO_KIT_SET_SF_ENUM_TYPE(titleVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(titlePosition, Position);
  SO_KIT_SET_SF_ENUM_TYPE(titlePath, TextPath);
  SO_KIT_SET_SF_ENUM_TYPE(valueVisibility, Visibility);
  SO_KIT_SET_SF_ENUM_TYPE(valuePosition, Position);
  SO_KIT_SET_SF_ENUM_TYPE(marginType, MarginType);
  SO_KIT_SET_SF_ENUM_TYPE(incrementType, IncrementType);

  SO_KIT_INIT_INSTANCE();
  // The frame follows the domain's proportions.
  setDomainUsedForRebuild(1);
}

PoLegend::~PoLegend()
{
  deleteFieldSensorList(m_sensors);
  changeConnection(m_miscTextAttr, nullptr);
  if (m_frame)
    m_frame->unref();
}

SbBool PoLegend::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoLegend::setMiscTextAttr(PbMiscTextAttr* attr)
{
  replaceFollowed(m_miscTextAttr, attr);
}

void PoLegend::basicObjectChange(PbBase* object)
{
  if (followedObjectChanged(object, m_miscTextAttr))
    return;
  inherited::basicObjectChange(object);
}

void PoLegend::preRebuild()
{
  inherited::preRebuild();
  if (isStateValid() && !m_miscTextAttr)
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
}

void PoLegend::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  if (getState() && !m_miscTextAttr)
    PoMiscTextAttrElement::get(getState());
}

const PbMiscTextAttr* PoLegend::currentTextAttr() const
{
  if (m_miscTextAttr)
    return m_miscTextAttr;
  if (isStateValid() && getState())
    return PoMiscTextAttrElement::get(getState());
  return PoMiscTextAttrElement::getDefault();
}

// ---------------------------------------------------------------------------------------------
// Frame, margins and title

bool PoLegend::computeFrame(const SbVec2f& a, const SbVec2f& b)
{
  if (!std::isfinite(a[0]) || !std::isfinite(a[1]) || !std::isfinite(b[0]) || !std::isfinite(b[1]) ||
      a[0] == b[0] || a[1] == b[1])
    return false;
  const PbDomain* domain = getDomain();
  const float dx = domain->getDeltaX(), dy = domain->getDeltaY();
  const float reference = std::max(dx, dy);
  if (!(dx > 0.0f) || !(dy > 0.0f) || !std::isfinite(reference))
    return false;
  // Frame point (u, v) is domain point (xmin + u dx / ref, ymin + v dy / ref): after the domain
  // transform both frame axes have the same scale.
  const float sx = dx / reference, sy = dy / reference;
  const float x0 = std::min(a[0], b[0]), y0 = std::min(a[1], b[1]);
  SbMatrix matrix(sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, 1, 0, x0, y0, 0, 1);
  if (!m_frame) {
    m_frame = new SoMatrixTransform;
    m_frame->ref();
  }
  m_frame->matrix.setValue(matrix);
  const float width = std::fabs(b[0] - a[0]) / sx, height = std::fabs(b[1] - a[1]) / sy;
  m_rect.setBounds(0.0f, 0.0f, width, height);
  m_orientation = width >= height ? 0 : 1;
  return std::isfinite(width) && std::isfinite(height);
}

void PoLegend::computeMarginA()
{
  float w, h;
  m_rect.getSize(w, h);
  float left = marginLeft.getValue(), right = marginRight.getValue();
  float bottom = marginBottom.getValue(), top = marginTop.getValue();
  float scaleX = w, scaleY = h;
  if (marginType.getValue() == FIXED_MARGIN) {
    // Domain units: along x a domain unit is ref / dx frame units.
    const PbDomain* domain = getDomain();
    const float reference = std::max(domain->getDeltaX(), domain->getDeltaY());
    scaleX = reference / domain->getDeltaX();
    scaleY = reference / domain->getDeltaY();
  }
  left *= scaleX;
  right *= scaleX;
  bottom *= scaleY;
  top *= scaleY;
  const auto usable = [](float m0, float m1, float side) {
    return std::isfinite(m0) && std::isfinite(m1) && m0 >= 0.0f && m1 >= 0.0f && m0 + m1 < side;
  };
  if (!usable(left, right, w))
    left = right = 0.0f;
  if (!usable(bottom, top, h))
    bottom = top = 0.0f;
  m_inner.setBounds(left, bottom, w - right, h - top);
  m_titleSize = 0.0f;
  m_titleBand.makeEmpty();
}

void PoLegend::setUpText(PiText& text, const SbString& fontName, float size) const
{
  const PbMiscTextAttr* attr = currentTextAttr();
  text.setTextAttributes(attr);
  text.setFontName(fontName.getLength() > 0 ? fontName.getString() : attr->getFontName().getString());
  text.setFontSize(size);
}

float PoLegend::textWidth(const SbString& string, const SbString& font) const
{
  PiText text;
  setUpText(text, font, 1.0f);
  float width = 0.0f, height = 0.0f;
  text.getStringSizes(string.getString(), width, height);
  return width;
}

namespace {
PiText::Path titleTextPath(int path)
{
  switch (path) {
  case PoLegend::PATH_LEFT:
    return PiText::PATH_LEFT;
  case PoLegend::PATH_UP:
    return PiText::PATH_UP;
  case PoLegend::PATH_DOWN:
    return PiText::PATH_DOWN;
  default:
    return PiText::PATH_RIGHT;
  }
}
} // namespace

void PoLegend::computeTitleSizeA()
{
  if (titleVisibility.getValue() != VISIBILITY_ON || titleString.getValue().getLength() == 0)
    return;
  PiText text;
  setUpText(text, titleFontName.getValue(), 1.0f);
  text.setPath(titleTextPath(titlePath.getValue()));
  text.setString(titleString.getValue().getString());
  text.setOrigin(0.0f, 0.0f);
  SbBox2f extent;
  int lines = 0;
  text.getLimit(extent, lines);
  if (extent.isEmpty())
    return;
  float ew, eh;
  extent.getSize(ew, eh);
  float iw, ih;
  m_inner.getSize(iw, ih);
  const int position = titlePosition.getValue();
  const bool acrossWidth = position == POS_BOTTOM || position == POS_TOP;
  // Along the side it lies on, and across it (the band it takes).
  const float along = acrossWidth ? ew : eh, across = acrossWidth ? eh : ew;
  const float sideAlong = acrossWidth ? iw : ih, sideAcross = acrossWidth ? ih : iw;
  float size = titleFontSize.getValue();
  if (size > 0.0f && std::isfinite(size)) {
    float w, h;
    m_rect.getSize(w, h);
    // Never longer than its side: a title running out of the legend would be cut or overlap.
    size = std::min(size * h, 0.95f * sideAlong / along);
  } else {
    // As large as fits along its side, but no more than a reader needs beside the boxes.
    float w, h;
    m_rect.getSize(w, h);
    size = std::min({0.95f * sideAlong / along, 0.25f * sideAcross / across, 0.07f * std::max(w, h) / across});
  }
  if (!(size > 0.0f) || !std::isfinite(size))
    return;
  // The band holds the title and a gap of a third of its size towards the boxes.
  const float band = std::min(size * (across + 0.35f), 0.5f * sideAcross);
  const SbVec2f lo = m_inner.getMin(), hi = m_inner.getMax();
  switch (position) {
  case POS_TOP:
    m_titleBand.setBounds(lo[0], hi[1] - band, hi[0], hi[1]);
    m_inner.setBounds(lo[0], lo[1], hi[0], hi[1] - band);
    break;
  case POS_RIGHT:
    m_titleBand.setBounds(hi[0] - band, lo[1], hi[0], hi[1]);
    m_inner.setBounds(lo[0], lo[1], hi[0] - band, hi[1]);
    break;
  case POS_LEFT:
    m_titleBand.setBounds(lo[0], lo[1], lo[0] + band, hi[1]);
    m_inner.setBounds(lo[0] + band, lo[1], hi[0], hi[1]);
    break;
  default:
    m_titleBand.setBounds(lo[0], lo[1], hi[0], lo[1] + band);
    m_inner.setBounds(lo[0], lo[1] + band, hi[0], hi[1]);
    break;
  }
  m_titleSize = size;
}

// ---------------------------------------------------------------------------------------------
// Drawing

SoGroup* PoLegend::newFrameGroup() const
{
  SoGroup* group = new SoGroup;
  if (m_frame)
    group->addChild(m_frame);
  return group;
}

void PoLegend::setGroupPart(const char* part, SoGroup* group)
{
  if (group && group->getNumChildren() > (m_frame ? 1 : 0)) {
    setAnyPart(part, group);
    return;
  }
  if (group) {
    group->ref();
    group->unref();
  }
  setAnyPart(part, nullptr);
}

void PoLegend::addRectFace(SoGroup* group, const SbBox2f& rect, float z)
{
  const SbVec2f lo = rect.getMin(), hi = rect.getMax();
  SoCoordinate3* coords = new SoCoordinate3;
  const SbVec3f corners[4] = {SbVec3f(lo[0], lo[1], z), SbVec3f(hi[0], lo[1], z), SbVec3f(hi[0], hi[1], z),
                              SbVec3f(lo[0], hi[1], z)};
  coords->point.setValues(0, 4, corners);
  SoFaceSet* face = new SoFaceSet;
  face->numVertices.setValue(4);
  group->addChild(coords);
  group->addChild(face);
}

void PoLegend::addRectOutline(SoGroup* group, const SbBox2f& rect, float z)
{
  const SbVec2f lo = rect.getMin(), hi = rect.getMax();
  SoCoordinate3* coords = new SoCoordinate3;
  const SbVec3f corners[5] = {SbVec3f(lo[0], lo[1], z), SbVec3f(hi[0], lo[1], z), SbVec3f(hi[0], hi[1], z),
                              SbVec3f(lo[0], hi[1], z), SbVec3f(lo[0], lo[1], z)};
  coords->point.setValues(0, 5, corners);
  SoLineSet* line = new SoLineSet;
  line->numVertices.setValue(5);
  group->addChild(coords);
  group->addChild(line);
}

void PoLegend::drawBackgroundA()
{
  SoGroup* background = newFrameGroup();
  addRectFace(background, m_rect, 0.0f);
  setGroupPart("background", background);
  SoGroup* border = newFrameGroup();
  float w, h;
  m_rect.getSize(w, h);
  addRectOutline(border, m_rect, 0.002f * std::max(w, h));
  setGroupPart("backgroundBorder", border);
}

void PoLegend::drawTitleA()
{
  SoGroup* group = newFrameGroup();
  if (m_titleSize > 0.0f && !m_titleBand.isEmpty()) {
    PiText text;
    setUpText(text, titleFontName.getValue(), m_titleSize);
    text.setPath(titleTextPath(titlePath.getValue()));
    text.setString(titleString.getValue().getString());
    text.setAlignment(PiText::CENTER, PiText::HALF);
    // Centred in its band, minus the gap on the boxes' side.
    SbVec2f centre = m_titleBand.getCenter();
    const float gap = 0.175f * m_titleSize;
    switch (titlePosition.getValue()) {
    case POS_TOP:
      centre[1] += gap;
      break;
    case POS_RIGHT:
      centre[0] += gap;
      break;
    case POS_LEFT:
      centre[0] -= gap;
      break;
    default:
      centre[1] -= gap;
      break;
    }
    float w, h;
    m_rect.getSize(w, h);
    text.setOrigin(centre[0], centre[1], 0.003f * std::max(w, h));
    text.setGroup(group);
    text.build();
  }
  setGroupPart("title", group);
}

void PoLegend::clearContentParts()
{
  setAnyPart("box", nullptr);
  setAnyPart("boxBorder", nullptr);
  setAnyPart("valueText", nullptr);
}

void PoLegend::clearAllParts()
{
  setAnyPart("background", nullptr);
  setAnyPart("backgroundBorder", nullptr);
  setAnyPart("title", nullptr);
  clearContentParts();
}
