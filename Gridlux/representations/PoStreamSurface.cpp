// Stream surfaces: ribbons joining the paths started along a rake at each start point.
#include <Gridlux/representations/PoStreamSurface.h>

#include <Gridlux/base/PoDebugError.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoQuadMesh.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

PO_KIT_SOURCE(PoStreamSurface);

void PoStreamSurface::initClass()
{
  PO_KIT_INIT_CLASS(PoStreamSurface, PoBaseStreamLine, "PoBaseStreamLine");
}

PoStreamSurface::PoStreamSurface()
{
  SO_KIT_CONSTRUCTOR(PoStreamSurface);
  SO_KIT_ADD_CATALOG_ENTRY(groupStreamSurface, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(rakeOrientation, (1.0f, 0.0f, 0.0f));
  SO_KIT_ADD_FIELD(numLinesPerRake, (3));
  SO_KIT_ADD_FIELD(rakeLength, (1.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoStreamSurface::~PoStreamSurface()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamSurface::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&rakeOrientation);
  fields.append(&numLinesPerRake);
  fields.append(&rakeLength);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

SbVec3f PoStreamSurface::rakePoint(const SbVec3f& centre, const SbVec3f& axis, float length, int line, int numLines)
{
  if (numLines < 2)
    return centre;
  return centre + axis * (length * (float(line) / float(numLines - 1) - 0.5f));
}

int PoStreamSurface::checkRake(const char* method) const
{
  const int numLines = numLinesPerRake.getValue();
  const float length = rakeLength.getValue();
  const SbVec3f axis = rakeOrientation.getValue();
  if (numLines < 1) {
    PoDebugError::post(method, "numLinesPerRake %d is below 1: nothing drawn", numLines);
    return 0;
  }
  if (!(length >= 0) || !std::isfinite(length)) {
    PoDebugError::post(method, "rakeLength %g is negative or not finite: nothing drawn", length);
    return 0;
  }
  const float norm = axis.length();
  if (numLines > 1 && (!(norm > 0) || !std::isfinite(norm))) {
    PoDebugError::post(method, "rakeOrientation is null or not finite: nothing drawn");
    return 0;
  }
  return 1;
}

void PoStreamSurface::rebuild()
{
  const char* method = "PoStreamSurface::rebuild";
  preRebuild();
  if (!checkStreamFields(method) || !checkRake(method) || !hasVectors()) {
    setAnyPart("groupStreamSurface", nullptr);
    postRebuild();
    return;
  }
  const int numLines = numLinesPerRake.getValue();
  SbVec3f axis = rakeOrientation.getValue();
  if (numLines > 1)
    axis.normalize();
  const bool mapped = isMapped();
  SoGroup* group = new SoGroup;
  group->ref();
  SoShapeHints* hints = new SoShapeHints;
  // A known ordering turns on two-sided lighting; with CLOCKWISE the toolkit's generated
  // normals leave the ribbons unlit on either side, so the rows are declared counter-clockwise.
  hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
  group->addChild(hints);
  if (mapped) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    binding->value = SoMaterialBinding::PER_VERTEX;
    group->addChild(binding);
  }
  std::vector<PiStreamPath*> rows;
  std::vector<float> values;
  int numPieces = 0;
  float length, time;
  for (int r = 0; r < startPoints.getNum(); ++r) {
    rows.clear();
    int columns = INT_MAX;
    for (int l = 0; l < numLines; ++l) {
      PiStreamPath& path = getPath(l);
      integrateStreamLine(rakePoint(startPoints[r], axis, rakeLength.getValue(), l, numLines), path, length, time);
      if (path.getNumPoints() > 0) {
        rows.push_back(&path);
        columns = std::min(columns, path.getNumPoints());
      }
    }
    const bool asLine = numLines == 1;
    if (rows.empty() || columns < 2 || (!asLine && rows.size() < 2))
      continue;
    SoCoordinate3* coords = new SoCoordinate3;
    values.clear();
    coords->point.setNum(int(rows.size()) * columns);
    SbVec3f* out = coords->point.startEditing();
    for (size_t k = 0; k < rows.size(); ++k) {
      std::copy(rows[k]->getPoints(), rows[k]->getPoints() + columns, out + k * columns);
      values.insert(values.end(), rows[k]->getValues(), rows[k]->getValues() + columns);
    }
    coords->point.finishEditing();
    group->addChild(coords);
    if (mapped) {
      mapColor(int(values.size()), values.data());
      group->addChild(m_material);
    }
    if (asLine) {
      SoLineSet* line = new SoLineSet;
      line->numVertices = columns;
      group->addChild(line);
    } else {
      SoQuadMesh* quads = new SoQuadMesh;
      quads->verticesPerRow = columns;
      quads->verticesPerColumn = int(rows.size());
      group->addChild(quads);
    }
    ++numPieces;
  }
  setAnyPart("groupStreamSurface", numPieces ? group : nullptr);
  group->unref();
  postRebuild();
}
