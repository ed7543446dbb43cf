// Fields and integrator shared by the stream lines, stream surfaces and their animations.
#include <Gridlux/representations/PoBaseStreamLine.h>

#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbCell.h>
#include <Gridlux/mesh/PbMesh.h>

#include <cmath>

PO_KIT_ABSTRACT_SOURCE(PoBaseStreamLine);

void PoBaseStreamLine::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoBaseStreamLine, PoMesh, "PoMesh");
}

PoBaseStreamLine::PoBaseStreamLine()
{
  SO_KIT_CONSTRUCTOR(PoBaseStreamLine);
  SO_KIT_ADD_FIELD(startPoints, (SbVec3f(0, 0, 0)));
  startPoints.setNum(0);
  startPoints.setDefault(TRUE);
  SO_KIT_ADD_FIELD(maxLifetime, (0.0f));
  SO_KIT_ADD_FIELD(maxLength, (0.0f));
  SO_KIT_ADD_FIELD(minSpeed, (0.0f));
  SO_KIT_ADD_FIELD(integrationStepLengthFactor, (0.3f));
  SO_KIT_ADD_FIELD(integrationMaxStepNumber, (0));
  SO_KIT_ADD_FIELD(integrationDirection, (FORWARD));
  SO_KIT_DEFINE_ENUM_VALUE(IntegrationDirection, FORWARD);
  SO_KIT_DEFINE_ENUM_VALUE(IntegrationDirection, BACKWARD);
  SO_KIT_SET_SF_ENUM_TYPE(integrationDirection, IntegrationDirection);
  SO_KIT_ADD_FIELD(colors, (SbColor(1, 1, 1)));
  colors.setNum(0);
  colors.setDefault(TRUE);
  SO_KIT_INIT_INSTANCE();
}

PoBaseStreamLine::~PoBaseStreamLine()
{
  deleteFieldSensorList(m_sensors);
}

void PoBaseStreamLine::getStreamFields(SoFieldList& fields)
{
  fields.append(&startPoints);
  fields.append(&maxLifetime);
  fields.append(&maxLength);
  fields.append(&minSpeed);
  fields.append(&integrationStepLengthFactor);
  fields.append(&integrationMaxStepNumber);
  fields.append(&integrationDirection);
  fields.append(&colors);
}

SbBool PoBaseStreamLine::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  getStreamFields(fields);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoBaseStreamLine::preRebuild()
{
  inherited::preRebuild();
  addDataMappingInCache();
  // Without a valid value set the paths are coloured by their speed.
  if (m_coloring == COLOR_INHERITED && coloringType.getValue() != COLOR_INHERITED && m_dataMappingInForce)
    m_coloring = coloringType.getValue();
}

int PoBaseStreamLine::hasVectors() const
{
  const PbMesh* mesh = m_meshInForce;
  return mesh && !mesh->isEmpty() && mesh->getVecsSet(vecsIndex.getValue()) != nullptr;
}

int PoBaseStreamLine::checkStreamFields(const char* method) const
{
  const float factor = integrationStepLengthFactor.getValue();
  if (!(factor > 0) || !std::isfinite(factor)) {
    PoDebugError::post(method, "integrationStepLengthFactor %g is not above 0 or not finite: nothing drawn", factor);
    return 0;
  }
  for (const SoSFFloat* limit : {&maxLifetime, &maxLength, &minSpeed})
    if (std::isnan(limit->getValue())) {
      PoDebugError::post(method, "a limit (maxLifetime, maxLength or minSpeed) is not a number: nothing drawn");
      return 0;
    }
  for (int i = 0; i < startPoints.getNum(); ++i) {
    const SbVec3f& p = startPoints[i];
    if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) {
      PoDebugError::post(method, "start point %d is not finite: nothing drawn", i);
      return 0;
    }
  }
  return 1;
}

const SbColor* PoBaseStreamLine::lineColor(int rank) const
{
  const int num = colors.getNum();
  return num > 0 ? &colors[rank % num] : nullptr;
}

PiStreamPath& PoBaseStreamLine::getPath(int i)
{
  while (int(m_paths.size()) <= i)
    m_paths.emplace_back(new PiStreamPath);
  return *m_paths[i];
}

void PoBaseStreamLine::integrateStreamLine(const SbVec3f& start, PiStreamPath& path, float& length, float& time)
{
  path.clear();
  path.endsAtSkin(0);
  length = time = 0;
  const PbMesh* mesh = m_meshInForce;
  if (!mesh || mesh->isEmpty())
    return;
  SbVec3f local;
  const PbCell* cell = mesh->findContainingCell(start, 0, local);
  if (cell)
    integrateStreamLine(cell, start, local, path, length, time);
}

void PoBaseStreamLine::integrateStreamLine(const PbCell* cell, const SbVec3f& start, const SbVec3f& local,
                                           PiStreamPath& path, float& length, float& time)
{
  m_numPoints = 0;
  path.clear();
  length = time = 0;
  const PbMesh* mesh = m_meshInForce;
  const SbVec3f* vectors = mesh && !mesh->isEmpty() ? mesh->getVecsSet(vecsIndex.getValue()) : nullptr;
  if (!vectors)
    return;
  const int set = valuesIndex.getValue();
  const float* values = set >= 0 && m_coloring != COLOR_INHERITED && mesh->getValuesBinding(set) == PbMesh::PER_NODE
                          ? mesh->getValuesSet(set)
                          : nullptr;
  PiStreamPath::Limits limits;
  limits.maxLifetime = maxLifetime.getValue();
  limits.maxLength = maxLength.getValue();
  limits.minSpeed = minSpeed.getValue();
  limits.stepFactor = integrationStepLengthFactor.getValue();
  limits.maxSteps = integrationMaxStepNumber.getValue();
  limits.backward = integrationDirection.getValue() == BACKWARD;
  length = path.integrate(mesh, cell, start, local, vectors, values, limits, this, time);
}

void PoBaseStreamLine::recordPoint(PiStreamPath& path, const PbCell* cell, SbVec3f& point, SbVec3f& vector,
                                   float time)
{
  saveNorm(path, cell, point, vector);
  saveTime(path, time);
  saveSpeed(path, vector);
}

void PoBaseStreamLine::saveNorm(PiStreamPath&, const PbCell*, SbVec3f&, SbVec3f&) {}

void PoBaseStreamLine::saveTime(PiStreamPath&, float) {}

void PoBaseStreamLine::saveSpeed(PiStreamPath&, SbVec3f&) {}
