// The arrows of a vector field, shared by the 2D and 3D vector representations.
#include <Gridlux/representations/algorithms/PiVectorField.h>

#include <Gridlux/attributes/PbDataMapping.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoPointSet.h>

#include <algorithm>
#include <cmath>

namespace {
bool isFinite(const SbVec3f& v)
{
  return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// The node in @p slot when only this field and the group of the last build hold it, else a
// fresh one (the application may keep the old one).
template <class T> T* reusable(T*& slot)
{
  if (!slot || slot->getRefCount() > 2) {
    if (slot)
      slot->unref();
    slot = new T;
    slot->ref();
  }
  return slot;
}

void setCounts(SoMFInt32& counts, int num, int perShape)
{
  counts.setNum(num);
  int32_t* values = counts.startEditing();
  std::fill(values, values + num, perShape);
  counts.finishEditing();
}
} // namespace

PiVectorField::PiVectorField() = default;

PiVectorField::~PiVectorField()
{
  if (m_bodyCoords)
    m_bodyCoords->unref();
  if (m_bodyLines)
    m_bodyLines->unref();
}

bool PiVectorField::isQuickShape(PiArrow::PatternType shape, int heightType)
{
  switch (shape) {
  case PiArrow::NO_SHAPE:
  case PiArrow::CHEVRON:
  case PiArrow::TRIANGLE:
  case PiArrow::RECTANGLE:
  case PiArrow::INDIRECT_CHEVRON:
  case PiArrow::INDIRECT_TRIANGLE:
    return true;
  case PiArrow::POINT:
    return heightType == CONSTANT_SIZE;
  default:
    return false;
  }
}

bool PiVectorField::colouredBy(Piece piece, int coloring) const
{
  const bool drawn = piece == BODY ? m_settings.bodyShape != PiArrow::NO_BODY
                                   : m_settings.shape[piece] != PiArrow::NO_SHAPE;
  return drawn && m_groups[piece] && m_settings.coloring[piece] == coloring;
}

const PbDataMapping* PiVectorField::mappingOf(Piece piece) const
{
  switch (m_settings.coloring[piece]) {
  case MODULE_MAPPING_COLOR:
    return m_moduleMapping;
  case SCALAR_MAPPING_COLOR:
    return m_mapping;
  default:
    return nullptr;
  }
}

void PiVectorField::start(const Settings& settings, const PbDomain* domain, const PbDataMapping* mapping,
                          const PbDataMapping* moduleMapping, SoGroup* const groups[3], int expected)
{
  m_settings = settings;
  m_domain = domain;
  m_mapping = mapping;
  m_moduleMapping = moduleMapping;
  for (int p = 0; p < 3; ++p)
    m_groups[p] = groups[p];
  // A colouring whose mapping is missing draws in the piece's constant colour.
  for (int p = 0; p < 3; ++p)
    if (m_settings.coloring[p] != CONSTANT_COLOR && !mappingOf(Piece(p)))
      m_settings.coloring[p] = CONSTANT_COLOR;
  m_offered = m_nextIndex = m_drawn = m_notFinite = 0;
  m_points.clear();
  m_lengths.clear();
  m_modules.clear();
  m_scalars.clear();

  m_quick = m_settings.bodyShape != PiArrow::CYLINDER && m_settings.bodyRadiusType == CONSTANT_SIZE &&
            isQuickShape(m_settings.shape[START], m_settings.heightType[START]) &&
            isQuickShape(m_settings.shape[END], m_settings.heightType[END]);
  if (m_quick) {
    bool byModule = false, byScalar = false;
    for (int p = 0; p < 3; ++p) {
      byModule = byModule || colouredBy(Piece(p), MODULE_MAPPING_COLOR);
      byScalar = byScalar || colouredBy(Piece(p), SCALAR_MAPPING_COLOR);
    }
    m_draw = byModule && byScalar ? &PiVectorField::drawVectorLineScalarModuleColr
             : byModule           ? &PiVectorField::drawVectorLineModuleColr
             : byScalar           ? &PiVectorField::drawVectorLineScalarColr
                                  : &PiVectorField::drawVectorLine;
    if (expected > 0) {
      const size_t drawn = (size_t(expected) + m_settings.density - 1) / m_settings.density;
      m_points.reserve(2 * drawn);
      m_lengths.reserve(drawn);
      if (byModule)
        m_modules.reserve(drawn);
      if (byScalar)
        m_scalars.reserve(drawn);
    }
    return;
  }
  m_arrow.setDomain(domain);
  m_arrow.setBodyType(m_settings.bodyShape);
  m_arrow.setBodyRadius(m_settings.bodyRadiusFactor);
  m_arrow.setStartPattern(m_settings.shape[START]);
  m_arrow.setStartHeight(m_settings.heightFactor[START]);
  m_arrow.setStartRadius(m_settings.heightFactor[START] * m_settings.radiusFactor[START]);
  m_arrow.setEndPattern(m_settings.shape[END]);
  m_arrow.setEndHeight(m_settings.heightFactor[END]);
  m_arrow.setEndRadius(m_settings.heightFactor[END] * m_settings.radiusFactor[END]);
  m_draw = &PiVectorField::drawVectorElaborated;
}

void PiVectorField::addVector(const SbVec3f& point, const SbVec3f& vector, float scalar)
{
  const int k = m_offered++;
  if (k != m_nextIndex)
    return;
  m_nextIndex += m_settings.density;
  if (!isFinite(point) || !isFinite(vector)) {
    ++m_notFinite;
    return;
  }
  m_module = vector.length();
  const int rule = m_settings.elimination;
  if ((rule & TOO_SMALL) && m_module < m_settings.minLength)
    return;
  if ((rule & TOO_LONG) && m_module > m_settings.maxLength)
    return;
  SbVec3f direction = vector;
  if (m_settings.bodyLengthType == CONSTANT_LENGTH && m_module > 0)
    direction /= m_module;
  else if (m_settings.bodyLengthType == CONSTANT_LENGTH)
    direction.setValue(0, 0, 0);
  m_start = point;
  m_end = point + direction * m_settings.bodyLengthFactor;
  m_length = (m_end - m_start).length();
  m_scalar = scalar;
  ++m_drawn;
  (this->*m_draw)(k);
}

// ---------------------------------------------------------------------------------------------
// Quick path

void PiVectorField::drawVectorLine(int)
{
  m_points.push_back(m_start);
  m_points.push_back(m_end);
  m_lengths.push_back(m_length);
}

void PiVectorField::drawVectorLineModuleColr(int k)
{
  drawVectorLine(k);
  m_modules.push_back(m_module);
}

void PiVectorField::drawVectorLineScalarColr(int k)
{
  drawVectorLine(k);
  m_scalars.push_back(m_scalar);
}

void PiVectorField::drawVectorLineScalarModuleColr(int k)
{
  drawVectorLineModuleColr(k);
  m_scalars.push_back(m_scalar);
}

void PiVectorField::finish()
{
  if (m_quick)
    finishQuickVectorField();
}

void PiVectorField::finishQuickVectorField()
{
  if (m_drawn == 0)
    return;
  buildVectorFieldStartArrow();
  buildVectorFieldEndArrow();
  buildVectorFieldBodies();
}

SoMaterial* PiVectorField::makeQuickMaterial(Piece piece) const
{
  const PbDataMapping* mapping = mappingOf(piece);
  if (!mapping || !m_groups[piece])
    return nullptr;
  const std::vector<float>& values = m_settings.coloring[piece] == MODULE_MAPPING_COLOR ? m_modules : m_scalars;
  const int num = static_cast<int>(values.size());
  SoMaterial* material = new SoMaterial;
  material->diffuseColor.setNum(num);
  SbColor* colors = material->diffuseColor.startEditing();
  const bool transparent = mapping->isTransparencyEnabled();
  float* transparencies = nullptr;
  if (transparent) {
    material->transparency.setNum(num);
    transparencies = material->transparency.startEditing();
  }
  for (int i = 0; i < num; ++i) {
    float t = 0.0f;
    const SbColor* c = transparent ? mapping->getRGBColor(values[i], t) : mapping->getRGBColor(values[i]);
    colors[i] = c ? *c : SbColor(1, 1, 1);
    if (transparent)
      transparencies[i] = t;
  }
  material->diffuseColor.finishEditing();
  if (transparent)
    material->transparency.finishEditing();
  SoMaterialBinding* binding = new SoMaterialBinding;
  binding->value = SoMaterialBinding::PER_FACE_INDEXED;
  m_groups[piece]->addChild(binding);
  m_groups[piece]->addChild(material);
  return material;
}

float PiVectorField::shapeHeight(Piece piece, float length) const
{
  const float h = m_settings.heightFactor[piece];
  return m_settings.heightType[piece] == RELATIVE_SIZE ? h * length : h;
}

void PiVectorField::buildVectorFieldBodies()
{
  SoGroup* group = m_groups[BODY];
  if (!group || m_settings.bodyShape == PiArrow::NO_BODY)
    return;
  makeQuickMaterial(BODY);
  SoCoordinate3* coords = reusable(m_bodyCoords);
  const int num = static_cast<int>(m_points.size());
  coords->point.setNum(num);
  coords->point.setValues(0, num, m_points.data());
  group->addChild(coords);
  SoLineSet* lines = reusable(m_bodyLines);
  setCounts(lines->numVertices, m_drawn, 2);
  group->addChild(lines);
}

void PiVectorField::buildVectorFieldStartArrow()
{
  buildQuickShapes(START);
}

void PiVectorField::buildVectorFieldEndArrow()
{
  buildQuickShapes(END);
}

void PiVectorField::buildQuickShapes(Piece piece)
{
  SoGroup* group = m_groups[piece];
  const PiArrow::PatternType shape = m_settings.shape[piece];
  if (!group || shape == PiArrow::NO_SHAPE)
    return;
  makeQuickMaterial(piece);
  // The start shape sits at S pointing back, the end shape at E.
  const int tipOffset = piece == END ? 1 : 0;
  SoCoordinate3* coords = new SoCoordinate3;
  if (shape == PiArrow::POINT) {
    SoDrawStyle* style = new SoDrawStyle;
    style->pointSize = m_settings.heightFactor[piece] * m_settings.radiusFactor[piece];
    group->addChild(style);
    coords->point.setNum(m_drawn);
    SbVec3f* out = coords->point.startEditing();
    for (int i = 0; i < m_drawn; ++i)
      out[i] = m_points[2 * i + tipOffset];
    coords->point.finishEditing();
    group->addChild(coords);
    group->addChild(new SoPointSet);
    return;
  }
  const int per = PiArrow::getNumShapePoints(shape);
  coords->point.setNum(per * m_drawn);
  SbVec3f* out = coords->point.startEditing();
  for (int i = 0; i < m_drawn; ++i) {
    const SbVec3f& tip = m_points[2 * i + tipOffset];
    const SbVec3f& other = m_points[2 * i + 1 - tipOffset];
    const float h = shapeHeight(piece, m_lengths[i]);
    SbVec3f* shapePoints = out + per * i;
    // A zero-length arrow keeps its place in the list as a shape shrunk to its tip.
    if (PiArrow::computeArrowShapePoint(tip.getValue(), other.getValue(), shape, h,
                                        h * m_settings.radiusFactor[piece], m_domain, shapePoints) == 0)
      std::fill(shapePoints, shapePoints + per, tip);
  }
  coords->point.finishEditing();
  group->addChild(coords);
  if (shape == PiArrow::CHEVRON || shape == PiArrow::INDIRECT_CHEVRON) {
    SoLineSet* lines = new SoLineSet;
    setCounts(lines->numVertices, m_drawn, per);
    group->addChild(lines);
  } else {
    SoFaceSet* faces = new SoFaceSet;
    setCounts(faces->numVertices, m_drawn, per);
    group->addChild(faces);
  }
}

// ---------------------------------------------------------------------------------------------
// Elaborate path

SoMaterial* PiVectorField::makeArrowMaterial(Piece piece) const
{
  const PbDataMapping* mapping = mappingOf(piece);
  if (!mapping)
    return nullptr;
  const float value = m_settings.coloring[piece] == MODULE_MAPPING_COLOR ? m_module : m_scalar;
  SoMaterial* material = new SoMaterial;
  float t = 0.0f;
  const bool transparent = mapping->isTransparencyEnabled();
  const SbColor* c = transparent ? mapping->getRGBColor(value, t) : mapping->getRGBColor(value);
  material->diffuseColor = c ? *c : SbColor(1, 1, 1);
  if (transparent)
    material->transparency = t;
  return material;
}

void PiVectorField::drawVectorElaborated(int)
{
  const SbVec3f ends[2] = {m_start, m_end};
  m_arrow.setCoordinates(2, ends);
  const float body = m_settings.bodyRadiusFactor;
  m_arrow.setBodyRadius(m_settings.bodyRadiusType == RELATIVE_SIZE ? body * m_length : body);
  m_arrow.setSizes(m_settings.heightType[START] == RELATIVE_SIZE ? m_length : 1.0f,
                   m_settings.heightType[END] == RELATIVE_SIZE ? m_length : 1.0f);
  for (int p = 0; p < 3; ++p) {
    if (!m_groups[p])
      continue;
    SoMaterial* material = makeArrowMaterial(Piece(p));
    if (material)
      material->ref();
    if (p == BODY)
      m_arrow.buildBody(m_groups[p], material);
    else if (p == START)
      m_arrow.buildStart(m_groups[p], material);
    else
      m_arrow.buildEnd(m_groups[p], material);
    if (material)
      material->unref();
  }
}
