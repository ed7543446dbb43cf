// Internal helpers of the figure nodes: the toolkit shapes they build and the fields they watch.
#include <Gridlux/figures/FigureShapesXP.h>

#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/figures/PiCircleArc.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFVec2f.h>
#include <Inventor/fields/SoSFVec3f.h>
#include <Inventor/lists/SoFieldList.h>
#include <Inventor/nodekits/SoBaseKit.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <cmath>

namespace FigureShapesXP {

SoGroup* makePolygon(const SoBaseKit* kit, const SbVec3f* points, int numPoints)
{
  if (!checkFiniteFields(kit))
    return nullptr;
  SoGroup* group = new SoGroup;
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, numPoints, points);
  group->addChild(coords);
  SoFaceSet* face = new SoFaceSet;
  face->numVertices.setValue(numPoints);
  group->addChild(face);
  return group;
}

SoGroup* makeArc(const PiCircleArc& arc)
{
  const int numPoints = arc.getNumShapePoints();
  if (numPoints == 0)
    return nullptr;
  SoGroup* group = new SoGroup;
  const PiCircleArc::ArcType type = arc.getArcType();
  if (type != PiCircleArc::OPENED) {
    SoShapeHints* hints = new SoShapeHints;
    hints->vertexOrdering.setValue(SoShapeHints::UNKNOWN_ORDERING);
    // A pie slice of more than half a turn is not convex at its centre: a fan of triangles
    // from the first vertex would cover the wrong area, so the toolkit must tessellate it.
    if (type == PiCircleArc::CENTER_CLOSE && std::fabs(arc.getSweepAngle()) > 3.1415927f)
      hints->faceType.setValue(SoShapeHints::UNKNOWN_FACE_TYPE);
    group->addChild(hints);
  }
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, numPoints, arc.getPoints());
  group->addChild(coords);
  if (type == PiCircleArc::OPENED) {
    SoLineSet* line = new SoLineSet;
    line->numVertices.setValue(numPoints);
    group->addChild(line);
  } else {
    SoFaceSet* face = new SoFaceSet;
    face->numVertices.setValue(numPoints);
    group->addChild(face);
  }
  return group;
}

int checkFiniteFields(const SoBaseKit* kit)
{
  SoFieldList fields;
  PoBase::getOwnFields(kit, fields);
  for (int i = 0; i < fields.getLength(); ++i) {
    const SoField* field = fields[i];
    const SoType type = field->getTypeId();
    int count = 0;
    float values[3];
    if (type == SoSFFloat::getClassTypeId()) {
      values[0] = static_cast<const SoSFFloat*>(field)->getValue();
      count = 1;
    } else if (type == SoSFVec2f::getClassTypeId()) {
      static_cast<const SoSFVec2f*>(field)->getValue().getValue(values[0], values[1]);
      count = 2;
    } else if (type == SoSFVec3f::getClassTypeId()) {
      static_cast<const SoSFVec3f*>(field)->getValue().getValue(values[0], values[1], values[2]);
      count = 3;
    }
    for (int k = 0; k < count; ++k) {
      if (!std::isfinite(values[k])) {
        SbName name;
        kit->getFieldName(field, name);
        const SbString method = SbString(kit->getTypeId().getName().getString()) + "::rebuild";
        PoDebugError::post(method.getString(),
                           "field %s holds a value that is not finite; "
                           "nothing is drawn",
                           name.getString());
        return 0;
      }
    }
  }
  return 1;
}

int checkArcType(int type, const char* method)
{
  if (type >= PiCircleArc::OPENED && type <= PiCircleArc::CENTER_CLOSE)
    return 1;
  PoDebugError::post(method, "arcType %d is not an ArcType; nothing is drawn", type);
  return 0;
}

} // namespace FigureShapesXP
