// Builds and measures the text that charts, axes and legends draw.
#include <Gridlux/text/PiText.h>

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/platform/SoAnnoText3.h>

#include <Inventor/SbRotation.h>
#include <Inventor/SbViewportRegion.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/nodes/SoAsciiText.h>
#include <Inventor/nodes/SoFont.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLightModel.h>
#include <Inventor/nodes/SoLinearProfile.h>
#include <Inventor/nodes/SoMatrixTransform.h>
#include <Inventor/nodes/SoProfileCoordinate2.h>
#include <Inventor/nodes/SoText3.h>
#include <Inventor/nodes/SoTransformSeparator.h>

#include <cmath>
#include <cstring>

const char* const PiText::DEFAULT_FONT = "DejaVu Sans";

namespace {

// Shared by every profiled text of the process; created on first use and kept to the end.
SoLightModel* sharedLightModel = nullptr;
SoProfileCoordinate2* sharedProfileCoords = nullptr;
SoLinearProfile* sharedProfile = nullptr;

void makeSharedProfileNodes()
{
  if (sharedLightModel)
    return;
  sharedLightModel = new SoLightModel;
  sharedLightModel->model = SoLightModel::PHONG;
  sharedLightModel->ref();
  sharedProfileCoords = new SoProfileCoordinate2;
  sharedProfileCoords->point.setNum(4);
  sharedProfileCoords->ref();
  sharedProfile = new SoLinearProfile;
  const int32_t indices[4] = {0, 1, 2, 3};
  sharedProfile->index.setValues(0, 4, indices);
  sharedProfile->ref();
}

bool isFinite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// Offset along the up direction, in font sizes, that puts the chosen line of the text on the
// anchor; lines run downward one size apart.
float verticalOffset(PiText::VertAlignment alignment, int lineCount)
{
  const float below = float(lineCount - 1);
  switch (alignment) {
  case PiText::TOP:
    return -0.73f;
  case PiText::CAP:
    return -0.65f;
  case PiText::HALF:
    return below * 0.5f - 0.32f;
  case PiText::BOTTOM:
    return below + 0.28f;
  case PiText::BASE:
  default:
    return below;
  }
}

SbBox3f measure(SoNode* node)
{
  SoGetBoundingBoxAction action(SbViewportRegion(1, 1));
  action.apply(node);
  return action.getBoundingBox();
}

} // namespace

PiText::PiText()
    : m_origin(0, 0, 0), m_firstDirection(1, 0, 0), m_secondDirection(0, 1, 0), m_charUp(0, 1),
      m_fontName("default")
{
}

void PiText::setOrigin(const SbVec3f& origin)
{
  if (!isFinite(origin)) {
    PoDebugError::post("PiText::setOrigin", "the origin is not finite; it stays (%g, %g, %g)",
                       m_origin[0], m_origin[1], m_origin[2]);
    return;
  }
  m_origin = origin;
}

void PiText::setDirectionVectors(const SbVec3f& first, const SbVec3f& second)
{
  SbVec3f a = first, b = second;
  if (!isFinite(a) || !isFinite(b) || a.normalize() == 0.0f || b.normalize() == 0.0f ||
      a.cross(b).length() < 1e-6f) {
    PoDebugError::post("PiText::setDirectionVectors",
                       "the direction vectors must be finite, non-zero and not parallel");
    return;
  }
  m_firstDirection = a;
  m_secondDirection = b;
}

void PiText::setCharUpVec(const SbVec2f& up)
{
  SbVec2f u = up;
  if (!std::isfinite(u[0]) || !std::isfinite(u[1]) || u.normalize() == 0.0f) {
    PoDebugError::post("PiText::setCharUpVec", "the character-up vector must be finite and non-zero");
    return;
  }
  m_charUp = u;
}

void PiText::setPath(Path path)
{
  switch (path) {
  case PATH_RIGHT:
    m_charUp.setValue(0, 1);
    break;
  case PATH_LEFT:
    m_charUp.setValue(0, -1);
    break;
  case PATH_UP:
    m_charUp.setValue(-1, 0);
    break;
  case PATH_DOWN:
    m_charUp.setValue(1, 0);
    break;
  default:
    PoDebugError::post("PiText::setPath", "unknown path %d", int(path));
  }
}

void PiText::setString(const char* string)
{
  if (!string) {
    PoDebugError::post("PiText::setString", "null string");
    m_string.makeEmpty();
    return;
  }
  m_string = string;
}

void PiText::setFontName(const char* name)
{
  if (!name) {
    PoDebugError::post("PiText::setFontName", "null font name; the font stays \"%s\"",
                       m_fontName.getString());
    return;
  }
  m_fontName = name;
}

void PiText::setFontSize(float size)
{
  if (!(size > 0.0f) || !std::isfinite(size)) {
    PoDebugError::post("PiText::setFontSize", "the font size must be positive, not %g; it stays %g",
                       size, m_fontSize);
    return;
  }
  m_fontSize = size;
}

void PiText::setMultiLines(int lineLength, char separator)
{
  if (lineLength < 0) {
    PoDebugError::post("PiText::setMultiLines", "negative line length %d", lineLength);
    return;
  }
  m_lineLength = lineLength;
  m_separator = separator;
}

void PiText::setName(const char* name)
{
  m_isNameSet = name && *name;
  m_name = m_isNameSet ? name : "";
}

void PiText::setTextAttributes(const PbMiscTextAttr* attr)
{
  if (!attr)
    return;
  m_fontName = attr->getFontName();
  char separator = ' ';
  int lineLength = 0;
  attr->getLineLength(separator, lineLength);
  m_separator = separator;
  m_lineLength = lineLength > 0 ? lineLength : 0;
  m_profileEnabled = attr->isProfileEnabled();
  m_predefinedProfileEnabled = attr->isPredefinedProfileEnabled();
}

bool PiText::useProfile() const
{
  return m_profileEnabled && !PoBase::isVRML2Mode() && PoBase::getTextType() == PoBase::TEXT_3D;
}

void PiText::setGroup(SoGroup* group)
{
  m_group = group;
  if (!group || !useProfile())
    return;
  makeSharedProfileNodes();
  group->addChild(sharedLightModel);
  if (m_predefinedProfileEnabled) {
    group->addChild(sharedProfileCoords);
    group->addChild(sharedProfile);
  }
}

const char* PiText::resolveFontName(const char* name)
{
  if (!name || !*name || !strcmp(name, "default") || !strcmp(name, "defaultFont"))
    return DEFAULT_FONT;
  return name;
}

// ---------------------------------------------------------------------------------------------
// Lines

void PiText::splitLines(const char* text, int lineLength, char separator,
                        std::vector<std::string>& lines)
{
  lines.clear();
  if (!text || !*text)
    return;
  const std::string all(text);
  size_t segmentStart = 0;
  while (segmentStart <= all.size()) {
    size_t segmentEnd = all.find('\n', segmentStart);
    if (segmentEnd == std::string::npos)
      segmentEnd = all.size();
    const std::string s = all.substr(segmentStart, segmentEnd - segmentStart);
    const size_t n = s.size();
    if (lineLength <= 0 || n == 0) {
      lines.push_back(s);
    } else {
      const size_t limit = size_t(lineLength);
      size_t i = 0;
      while (i < n) {
        const size_t start = i;
        size_t lineEnd = i;
        while (lineEnd < n && s[lineEnd] != separator)
          ++lineEnd; // the first word always stays, however long
        size_t k = lineEnd;
        while (k < n) {
          size_t wordStart = k;
          while (wordStart < n && s[wordStart] == separator)
            ++wordStart;
          if (wordStart == n)
            break;
          size_t wordEnd = wordStart;
          while (wordEnd < n && s[wordEnd] != separator)
            ++wordEnd;
          if (wordEnd - start > limit)
            break;
          lineEnd = k = wordEnd;
        }
        lines.push_back(s.substr(start, lineEnd - start));
        i = lineEnd;
        while (i < n && s[i] == separator)
          ++i;
      }
    }
    // A final newline closes the last line rather than opening an empty one.
    if (segmentEnd >= all.size() || segmentEnd + 1 == all.size())
      break;
    segmentStart = segmentEnd + 1;
  }
}

void PiText::splitString(const char* text, std::vector<std::string>& lines) const
{
  splitLines(text, m_multiLinesEnabled ? m_lineLength : 0, m_separator, lines);
}

int PiText::getSubStringNum(const char* string)
{
  if (!string) {
    PoDebugError::post("PiText::getSubStringNum", "null string");
    return 0;
  }
  std::vector<std::string> lines;
  splitString(string, lines);
  return int(lines.size());
}

// ---------------------------------------------------------------------------------------------
// Building

SoNode* PiText::makeTextNode(const std::vector<std::string>& lines) const
{
  // SoText3 and SoAsciiText number their justifications alike.
  const int justification = m_horAlignment == RIGHT    ? SoText3::RIGHT
                            : m_horAlignment == CENTER ? SoText3::CENTER
                                                       : SoText3::LEFT;
  SoNode* node;
  if (PoBase::isVRML2Mode()) {
    SoAsciiText* text = new SoAsciiText;
    text->string.setNum(int(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
      text->string.set1Value(int(i), lines[i].c_str());
    text->justification = justification;
    node = text;
  } else {
    SoText3* text = PoBase::getTextType() == PoBase::TEXT_ANNOTATION ? new SoAnnoText3
                                                                     : new SoText3;
    text->string.setNum(int(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
      text->string.set1Value(int(i), lines[i].c_str());
    text->justification = justification;
    if (useProfile())
      text->parts = SoText3::ALL;
    node = text;
  }
  if (m_isNameSet)
    node->setName(m_name.getString());
  return node;
}

SbMatrix PiText::makeOrientation() const
{
  // Reading direction: the character-up vector turned a quarter clockwise, so that both lie in
  // the plane of the direction vectors and (reading, up, normal) is right-handed.
  const SbVec2f up = m_charUp;
  const SbVec2f reading(up[1], -up[0]);
  const SbVec3f x = m_firstDirection * reading[0] + m_secondDirection * reading[1];
  const SbVec3f y = m_firstDirection * up[0] + m_secondDirection * up[1];
  SbVec3f z = m_firstDirection.cross(m_secondDirection);
  z.normalize();
  return SbMatrix(x[0], x[1], x[2], 0, y[0], y[1], y[2], 0, z[0], z[1], z[2], 0, m_origin[0],
                  m_origin[1], m_origin[2], 1);
}

bool PiText::isReady(const char* methodName) const
{
  if (!m_group) {
    PoDebugError::post(methodName, "no target group; call setGroup first");
    return false;
  }
  return true;
}

int PiText::buildInto(SoGroup* group, SbBox3f* limit, int& lineCount)
{
  if (limit)
    limit->makeEmpty();
  std::vector<std::string> lines;
  splitString(m_string.getString(), lines);
  lineCount = int(lines.size());
  if (lines.empty())
    return 0;

  SoFont* font = new SoFont;
  font->name = resolveFontName(m_fontName.getString());
  font->size = m_fontSize;
  SoNode* text = makeTextNode(lines);
  // Held while temporary groups measure them.
  font->ref();
  text->ref();

  SbMatrix placement;
  placement.setTranslate(SbVec3f(0, verticalOffset(m_vertAlignment, lineCount) * m_fontSize, 0));

  if (m_mirrorEnabled) {
    // Half a turn about the up direction shows the text from behind; a shift by its width,
    // made before the turn, keeps it on the same side of the anchor.
    float shift = 0.0f;
    if (m_horAlignment != CENTER) {
      SoGroup* probe = new SoGroup;
      probe->ref();
      probe->addChild(font);
      probe->addChild(text);
      const SbBox3f box = measure(probe);
      probe->unref();
      const float width = box.isEmpty() ? 0.0f : box.getMax()[0] - box.getMin()[0];
      shift = m_horAlignment == RIGHT ? width : -width;
    }
    SbMatrix mirror, turn;
    mirror.setTranslate(SbVec3f(shift, 0, 0));
    turn.setRotate(SbRotation(SbVec3f(0, 1, 0), float(M_PI)));
    mirror.multRight(turn);
    mirror.multRight(placement);
    placement = mirror;
  }
  placement.multRight(makeOrientation());

  SoTransformSeparator* separator = new SoTransformSeparator;
  SoMatrixTransform* transform = new SoMatrixTransform;
  transform->matrix = placement;
  separator->addChild(transform);
  separator->addChild(text);

  if (useProfile() && m_predefinedProfileEnabled) {
    makeSharedProfileNodes();
    const float s = m_fontSize;
    const SbVec2f points[4] = {SbVec2f(0, 0), SbVec2f(0.025f * s, 0.025f * s),
                               SbVec2f(0.025f * s, 0.125f * s), SbVec2f(0.15f * s, 0)};
    sharedProfileCoords->point.setValues(0, 4, points);
  }

  group->addChild(font);
  group->addChild(separator);

  if (limit) {
    SoGroup* probe = new SoGroup;
    probe->ref();
    if (useProfile()) {
      probe->addChild(sharedLightModel);
      if (m_predefinedProfileEnabled) {
        probe->addChild(sharedProfileCoords);
        probe->addChild(sharedProfile);
      }
    }
    probe->addChild(font);
    probe->addChild(separator);
    *limit = measure(probe);
    probe->unref();
  }
  font->unrefNoDelete();
  text->unrefNoDelete();
  return 1;
}

int PiText::build()
{
  if (!isReady("PiText::build"))
    return 0;
  int lineCount = 0;
  return buildInto(m_group, nullptr, lineCount);
}

int PiText::build(SbBox2f& extent, int& lineCount)
{
  extent.makeEmpty();
  lineCount = 0;
  if (!isReady("PiText::build"))
    return 0;
  const int built = buildInto(m_group, &m_limit, lineCount);
  if (built && !m_limit.isEmpty())
    extent.setBounds(m_limit.getMin()[0], m_limit.getMin()[1], m_limit.getMax()[0],
                     m_limit.getMax()[1]);
  return built;
}

void PiText::getLimit(SbBox2f& extent, int& lineCount)
{
  extent.makeEmpty();
  SoGroup* scratch = new SoGroup;
  scratch->ref();
  if (buildInto(scratch, &m_limit, lineCount) && !m_limit.isEmpty())
    extent.setBounds(m_limit.getMin()[0], m_limit.getMin()[1], m_limit.getMax()[0],
                     m_limit.getMax()[1]);
  scratch->unref();
}

// ---------------------------------------------------------------------------------------------
// Measuring

void PiText::getStringSizes(const char* string, float& width, float& height)
{
  width = height = 0.0f;
  if (!string) {
    PoDebugError::post("PiText::getStringSizes", "null string");
    return;
  }
  std::vector<std::string> lines;
  splitString(string, lines);
  if (lines.empty())
    return;
  SoGroup* group = new SoGroup;
  group->ref();
  SoFont* font = new SoFont;
  font->name = resolveFontName(m_fontName.getString());
  font->size = m_fontSize;
  SoAnnoText3* text = new SoAnnoText3;
  text->string.setNum(int(lines.size()));
  for (size_t i = 0; i < lines.size(); ++i)
    text->string.set1Value(int(i), lines[i].c_str());
  group->addChild(font);
  group->addChild(text);
  const SbBox3f box = measure(group);
  group->unref();
  if (box.isEmpty())
    return;
  width = box.getMax()[0] - box.getMin()[0];
  height = box.getMax()[1] - box.getMin()[1];
}

void PiText::getStringsSizes(const char** strings, int n, int& widestIndex, int& tallestIndex,
                             float& maxWidth, float& maxHeight)
{
  widestIndex = tallestIndex = -1;
  maxWidth = maxHeight = 0.0f;
  if (n <= 0)
    return;
  if (!strings) {
    PoDebugError::post("PiText::getStringsSizes", "null string array for %d strings", n);
    return;
  }
  for (int i = 0; i < n; ++i) {
    if (!strings[i])
      continue; // an absent string has no size
    float width = 0.0f, height = 0.0f;
    getStringSizes(strings[i], width, height);
    if (widestIndex < 0 || width > maxWidth) {
      maxWidth = width;
      widestIndex = i;
    }
    if (tallestIndex < 0 || height > maxHeight) {
      maxHeight = height;
      tallestIndex = i;
    }
  }
}
