// Measures the geometry a scene produces: triangles, line segments and points in world space.
#include "support/GeometryProbe.h"

#include <Inventor/SbMatrix.h>
#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/nodes/SoShape.h>

#include <cmath>

namespace {

SbVec3f world(SoCallbackAction* action, const SoPrimitiveVertex* v)
{
  SbVec3f p;
  action->getModelMatrix().multVecMatrix(v->getPoint(), p);
  return p;
}

} // namespace

double GeometryProbe::Triangle::area() const
{
  const SbVec3f a = v[1] - v[0], b = v[2] - v[0];
  const double cx = double(a[1]) * b[2] - double(a[2]) * b[1];
  const double cy = double(a[2]) * b[0] - double(a[0]) * b[2];
  const double cz = double(a[0]) * b[1] - double(a[1]) * b[0];
  return 0.5 * std::sqrt(cx * cx + cy * cy + cz * cz);
}

double GeometryProbe::Triangle::signedAreaXY() const
{
  return (double(v[1][0]) - v[0][0]) * (double(v[2][1]) - v[0][1]) -
         (double(v[1][1]) - v[0][1]) * (double(v[2][0]) - v[0][0]);
}

double GeometryProbe::Segment::length() const
{
  const double dx = double(b[0]) - a[0], dy = double(b[1]) - a[1], dz = double(b[2]) - a[2];
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void GeometryProbe::apply(SoNode* root)
{
  m_triangles.clear();
  m_segments.clear();
  m_points.clear();
  m_coordinatesPerShape.clear();
  SoCallbackAction action;
  action.addPreCallback(SoShape::getClassTypeId(), &GeometryProbe::onShape, this);
  action.addTriangleCallback(SoShape::getClassTypeId(), &GeometryProbe::onTriangle, this);
  action.addLineSegmentCallback(SoShape::getClassTypeId(), &GeometryProbe::onLine, this);
  action.addPointCallback(SoShape::getClassTypeId(), &GeometryProbe::onPoint, this);
  action.apply(root);
}

SoCallbackAction::Response GeometryProbe::onShape(void* data, SoCallbackAction* action,
                                                  const SoNode*)
{
  static_cast<GeometryProbe*>(data)->m_coordinatesPerShape.push_back(action->getNumCoordinates());
  return SoCallbackAction::CONTINUE;
}

void GeometryProbe::onTriangle(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v1,
                               const SoPrimitiveVertex* v2, const SoPrimitiveVertex* v3)
{
  Triangle t;
  t.v[0] = world(action, v1);
  t.v[1] = world(action, v2);
  t.v[2] = world(action, v3);
  static_cast<GeometryProbe*>(data)->m_triangles.push_back(t);
}

void GeometryProbe::onLine(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v1,
                           const SoPrimitiveVertex* v2)
{
  static_cast<GeometryProbe*>(data)->m_segments.push_back({world(action, v1), world(action, v2)});
}

void GeometryProbe::onPoint(void* data, SoCallbackAction* action, const SoPrimitiveVertex* v)
{
  static_cast<GeometryProbe*>(data)->m_points.push_back(world(action, v));
}

double GeometryProbe::area() const
{
  double sum = 0;
  for (const Triangle& t : m_triangles)
    sum += t.area();
  return sum;
}

double GeometryProbe::length() const
{
  double sum = 0;
  for (const Segment& s : m_segments)
    sum += s.length();
  return sum;
}

SbBox3f GeometryProbe::bbox() const
{
  SbBox3f box;
  for (const Triangle& t : m_triangles)
    for (const SbVec3f& v : t.v)
      box.extendBy(v);
  for (const Segment& s : m_segments) {
    box.extendBy(s.a);
    box.extendBy(s.b);
  }
  for (const SbVec3f& p : m_points)
    box.extendBy(p);
  return box;
}
