// Base of the stream animations: paths resampled in time, frames of particles under a blinker.
#include <Gridlux/representations/PoStreamParticleMotion.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PbMesh.h>

#include <Inventor/misc/SoChildList.h>
#include <Inventor/nodes/SoBlinker.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>

#include <cmath>

PO_KIT_ABSTRACT_SOURCE(PoStreamParticleMotion);

namespace {

// The first blinker below @p node (not @p node itself), depth first, with the node holding it.
SoBlinker* firstBlinker(SoNode* node, SoNode*& parent)
{
  SoChildList* children = node->getChildren();
  for (int i = 0; children && i < children->getLength(); ++i) {
    SoNode* child = (*children)[i];
    if (child->isOfType(SoBlinker::getClassTypeId())) {
      parent = node;
      return static_cast<SoBlinker*>(child);
    }
    if (SoBlinker* below = firstBlinker(child, parent))
      return below;
  }
  return nullptr;
}

} // namespace

void PoStreamParticleMotion::initClass()
{
  PO_KIT_INIT_ABSTRACT_CLASS(PoStreamParticleMotion, PoBaseStreamLine, "PoBaseStreamLine");
}

PoStreamParticleMotion::PoStreamParticleMotion()
{
  SO_KIT_CONSTRUCTOR(PoStreamParticleMotion);
  SO_KIT_ADD_FIELD(pulseFrequency, (5));
  SO_KIT_ADD_FIELD(shiftStart, (0.0f));
  SO_KIT_ADD_FIELD(timeStep, (1.0f));
  SO_KIT_ADD_FIELD(isStartRandomized, (TRUE));
  SO_KIT_ADD_FIELD(isBlinking, (TRUE));
  SO_KIT_ADD_FIELD(viewFrame, (0));
  SO_KIT_ADD_FIELD(blinkSpeed, (3.0f));
  SO_KIT_INIT_INSTANCE();
  // The rebuild tells blinker-only changes from the others by the fields that changed.
  storeFieldsChanged(1);
}

PoStreamParticleMotion::~PoStreamParticleMotion()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamParticleMotion::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  for (SoField* f : std::initializer_list<SoField*>{&pulseFrequency, &shiftStart, &timeStep, &isStartRandomized,
                                                    &isBlinking, &viewFrame, &blinkSpeed})
    fields.append(f);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoStreamParticleMotion::saveTime(PiStreamPath& path, float time)
{
  path.saveTime(time);
}

void PoStreamParticleMotion::saveSpeed(PiStreamPath& path, SbVec3f& vector)
{
  path.saveSpeed(vector);
}

uint32_t PoStreamParticleMotion::nextRandom()
{
  // Park-Miller minimal standard generator: deterministic and private to the node.
  m_random = uint32_t(uint64_t(m_random) * 48271u % 2147483647u);
  return m_random;
}

void PoStreamParticleMotion::rebuildMotion(const char* partName)
{
  bool blinkerOnly = m_fieldsChangedList.getLength() > 0 && m_isTraced;
  for (int i = 0; blinkerOnly && i < m_fieldsChangedList.getLength(); ++i) {
    const SoField* f = m_fieldsChangedList[i];
    blinkerOnly = f == &blinkSpeed || f == &isBlinking || f == &viewFrame;
  }
  preRebuild();
  if (!blinkerOnly || !modifyBlinkerParams(partName))
    rebuildFrames(partName);
  emptyListFieldsChanged();
  postRebuild();
}

int PoStreamParticleMotion::pathsNeedTracing() const
{
  if (!m_isTraced || m_tracedMesh != m_meshInForce || m_fieldsChangedList.getLength() == 0)
    return 1;
  SoFieldList fields;
  const_cast<PoStreamParticleMotion*>(this)->getStreamFields(fields);
  fields.append(const_cast<SoSFInt32*>(&vecsIndex));
  fields.append(const_cast<SoSFInt32*>(&valuesIndex));
  fields.append(const_cast<SoSFEnum*>(&coloringType));
  for (int i = 0; i < fields.getLength(); ++i)
    if (isFieldHasChanged(fields[i]))
      return 1;
  return 0;
}

void PoStreamParticleMotion::tracePaths()
{
  float length, time;
  m_numTraced = startPoints.getNum();
  for (int i = 0; i < m_numTraced; ++i)
    integrateStreamLine(startPoints[i], getPath(i), length, time);
  m_isTraced = 1;
  m_tracedMesh = m_meshInForce;
}

int PoStreamParticleMotion::resample(SoCoordinate3* samples, SoLineSet* lines, SoMFColor* colours)
{
  m_sampleVectors.clear();
  m_samplePaths.clear();
  m_lineFirst.clear();
  const float step = timeStep.getValue();
  if (!(step > 0))
    return 0;
  const PbDataMapping* mapping = colours ? m_dataMappingInForce : nullptr;
  int numSamples = 0;
  for (int p = 0; p < m_numTraced; ++p) {
    const PiStreamPath& path = getPath(p);
    const int num = path.getNumPoints();
    const float* times = path.getTimes();
    if (num < 2 || !times)
      continue;
    const SbVec3f* points = path.getPoints();
    const SbVec3f* vectors = path.getSpeeds();
    const float* values = path.getValues();
    const float end = times[num - 1];
    const int first = numSamples;
    int k = 0;
    for (int j = 0;; ++j) {
      const float t = shiftStart.getValue() + float(j) * step;
      if (!(t < end))
        break;
      if (t < 0)
        continue;
      while (times[k + 1] < t)
        ++k;
      const float span = times[k + 1] - times[k];
      const float u = span > 0 ? (t - times[k]) / span : 0.0f;
      samples->point.set1Value(numSamples, points[k] + u * (points[k + 1] - points[k]));
      m_sampleVectors.push_back(vectors[k] + u * (vectors[k + 1] - vectors[k]));
      if (mapping)
        colours->set1Value(numSamples, *mapping->getRGBColor(values[k] + u * (values[k + 1] - values[k])));
      m_samplePaths.push_back(p);
      ++numSamples;
    }
    if (numSamples > first) {
      lines->numVertices.set1Value(int(m_lineFirst.size()), numSamples - first);
      m_lineFirst.push_back(first);
    }
  }
  m_lineFirst.push_back(numSamples);
  return numSamples;
}

void PoStreamParticleMotion::setBlinker(SoBlinker* blinker) const
{
  const int frames = pulseFrequency.getValue();
  blinker->speed = blinkSpeed.getValue();
  blinker->on = isBlinking.getValue();
  // The toolkit drives whichChild from its own counter; a stopped blinker shows the chosen
  // frame only once that connection is cut.
  if (!isBlinking.getValue())
    blinker->whichChild.disconnect();
  blinker->whichChild = ((viewFrame.getValue() % frames) + frames) % frames;
}

void PoStreamParticleMotion::rebuildFrames(const char* partName)
{
  const char* method = "PoStreamParticleMotion::rebuildFrames";
  const int frames = pulseFrequency.getValue();
  bool valid = checkStreamFields(method) != 0;
  if (valid && frames < 1) {
    PoDebugError::post(method, "pulseFrequency %d is below 1: nothing drawn", frames);
    valid = false;
  }
  if (valid && (!std::isfinite(timeStep.getValue()) || !std::isfinite(shiftStart.getValue()))) {
    PoDebugError::post(method, "timeStep or shiftStart is not finite: nothing drawn");
    valid = false;
  }
  if (!valid || !hasVectors()) {
    m_isTraced = 0;
    setAnyPart(partName, nullptr);
    return;
  }
  if (pathsNeedTracing())
    tracePaths();

  SoGroup* group = new SoGroup;
  group->ref();
  SoCoordinate3* samples = new SoCoordinate3;
  SoLineSet* lines = new SoLineSet;
  samples->ref();
  lines->ref();
  SoMFColor colourField;
  SoMFColor* colours = isMapped() ? &colourField : nullptr;
  const int numSamples = resample(samples, lines, colours);
  if (numSamples > 0) {
    newAnimator(group, lines, samples, nullptr, colours);
    SoBlinker* blinker = new SoBlinker;
    group->addChild(blinker);
    const SbVec3f* positions = samples->point.getValues(0);
    const int numLines = int(m_lineFirst.size()) - 1;
    for (int f = 0; f < frames; ++f) {
      m_frame = new SoGroup;
      blinker->addChild(m_frame);
      newFrame(m_frame, f);
      m_random = 1;
      for (int l = 0; l < numLines; ++l) {
        newLine(m_frame, l);
        const int begin = m_lineFirst[l], end = m_lineFirst[l + 1];
        const int phase = isStartRandomized.getValue() ? int((nextRandom() % uint32_t(frames) + f) % frames) : f;
        for (int s = begin + phase; s < end; s += frames)
          newParticle(positions[s], m_sampleVectors[s], positions[s > begin ? s - 1 : s],
                      colours ? &(*colours)[s] : nullptr, s);
        endLine(m_frame, l);
      }
      endFrame(m_frame, f);
    }
    setBlinker(blinker);
    endAnimator(group, lines, samples, nullptr, colours);
    m_frame = nullptr;
  }
  setAnyPart(partName, group);
  samples->unref();
  lines->unref();
  group->unref();
}

int PoStreamParticleMotion::modifyBlinkerParams(const char* partName)
{
  SoNode* part = getPart(partName, FALSE);
  if (!part || pulseFrequency.getValue() < 1)
    return 0;
  SoNode* holder = nullptr;
  SoBlinker* blinker = firstBlinker(part, holder);
  if (!blinker || !holder->isOfType(SoGroup::getClassTypeId()))
    return 0;
  if (isBlinking.getValue() && !blinker->whichChild.isConnected()) {
    // A blinker stopped before lost its counter: a fresh one takes over the same frames.
    SoBlinker* fresh = new SoBlinker;
    for (int i = 0; i < blinker->getNumChildren(); ++i)
      fresh->addChild(blinker->getChild(i));
    static_cast<SoGroup*>(holder)->replaceChild(blinker, fresh);
    blinker = fresh;
  }
  setBlinker(blinker);
  return 1;
}

void PoStreamParticleMotion::beginLinePieces(int coloured)
{
  m_pieceCoords = new SoCoordinate3;
  m_pieceCoords->ref();
  m_pieceCoords->point.setNum(0);
  m_pieceMaterial = nullptr;
  if (coloured) {
    m_pieceMaterial = new SoMaterial;
    m_pieceMaterial->ref();
    m_pieceMaterial->diffuseColor.setNum(0);
  }
}

void PoStreamParticleMotion::addPiece(const SbVec3f& point, const SbColor& colour)
{
  const int n = m_pieceCoords->point.getNum();
  m_pieceCoords->point.set1Value(n, point);
  if (m_pieceMaterial)
    m_pieceMaterial->diffuseColor.set1Value(n, colour);
}

int PoStreamParticleMotion::endLinePieces(SoGroup* frame)
{
  const int n = m_pieceCoords->point.getNum();
  if (n > 0) {
    if (m_pieceMaterial)
      frame->addChild(m_pieceMaterial);
    frame->addChild(m_pieceCoords);
  }
  m_pieceCoords->unref();
  if (m_pieceMaterial)
    m_pieceMaterial->unref();
  m_pieceCoords = nullptr;
  m_pieceMaterial = nullptr;
  return n;
}

void PoStreamParticleMotion::newAnimator(SoGroup*, SoLineSet*, SoCoordinate3*, SoCoordinate3*, SoMFColor*) {}
void PoStreamParticleMotion::endAnimator(SoGroup*, SoLineSet*, SoCoordinate3*, SoCoordinate3*, SoMFColor*) {}
void PoStreamParticleMotion::newFrame(SoGroup*, int) {}
void PoStreamParticleMotion::endFrame(SoGroup*, int) {}
void PoStreamParticleMotion::newLine(SoGroup*, int) {}
void PoStreamParticleMotion::endLine(SoGroup*, int) {}
void PoStreamParticleMotion::newParticle(const SbVec3f&, const SbVec3f&, const SbVec3f&, const SbColor*, int) {}
