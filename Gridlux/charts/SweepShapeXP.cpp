// Shared by the ribbon and tube nodes: the swept path from the line points and the face set of a surface.
#include <Gridlux/charts/SweepShapeXP.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/base/PoBase.h>
#include <Gridlux/base/PoDebugError.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <cmath>

namespace SweepShapeXP {

bool sweepPath(const std::vector<SbVec2f>& line, std::vector<SbVec3f>& path, std::vector<int>& source,
               const char* method)
{
  std::vector<SbVec3f> all(line.size());
  for (std::size_t i = 0; i < line.size(); i++)
    all[i].setValue(line[i][0], line[i][1], 0.0f);
  const int skipped = PiSweep::distinctPoints(int(all.size()), all.data(), source);
  if (skipped > 0)
    PoDebugError::postWarning(method, "%d of the %d points are not finite; they are left out", skipped,
                              int(line.size()));
  path.resize(source.size());
  for (std::size_t i = 0; i < source.size(); i++)
    path[i] = all[source[i]];
  if (path.size() < 2 && !line.empty()) {
    PoDebugError::postWarning(method, "the series has %d distinct finite points, 2 are needed; nothing drawn",
                              int(path.size()));
    return false;
  }
  return path.size() >= 2;
}

SbVec3f displayScale(const PoBase* node)
{
  const SbVec3f none(1, 1, 1);
  const PbDomain* domain = node->isDomainTransformEnabled() ? node->getDomain() : nullptr;
  // The same test as the node base's: a homogeneous domain draws without a transform.
  if (!domain || (domain->isHomogeneous() && domain->getTransformType() != PbDomain::TRANSFORM_01))
    return none;
  // A translation followed by a scale: the scale is the matrix's diagonal.
  const SbMatrix matrix = domain->getMatrix();
  const SbVec3f scale(matrix[0][0], matrix[1][1], matrix[2][2]);
  for (int k = 0; k < 3; k++)
    if (!std::isfinite(scale[k]) || !(scale[k] > 0.0f))
      return none;
  return scale;
}

void applyScale(std::vector<SbVec3f>& points, const SbVec3f& scale, bool inverse)
{
  if (scale == SbVec3f(1, 1, 1))
    return;
  for (SbVec3f& p : points)
    for (int k = 0; k < 3; k++)
      p[k] = inverse ? p[k] / scale[k] : p[k] * scale[k];
}

SoGroup* makeFaceSet(const PiSweep::Surface& surface, const std::vector<int>& source, Coloring coloring,
                     bool closed, const char* method)
{
  if (surface.numFaces() == 0 || surface.vertexPoint.size() != surface.coords.size())
    return nullptr;
  for (const SbVec3f& c : surface.coords)
    if (!std::isfinite(c[0]) || !std::isfinite(c[1]) || !std::isfinite(c[2])) {
      PoDebugError::post(method, "the size overflows the coordinates; nothing drawn");
      return nullptr;
    }
  SoGroup* group = new SoGroup;
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
  hints->shapeType = closed ? SoShapeHints::SOLID : SoShapeHints::UNKNOWN_SHAPE_TYPE;
  hints->faceType = closed ? SoShapeHints::UNKNOWN_FACE_TYPE : SoShapeHints::CONVEX;
  // Smooth across the facets of a round outline and a gentle bend, sharp at caps and corners.
  hints->creaseAngle = 0.8f;
  group->addChild(hints);

  SoIndexedFaceSet* faces = new SoIndexedFaceSet;
  if (coloring != INHERITED_COLORS) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    std::vector<int> materialIndex;
    if (coloring == PER_VERTEX_COLORS) {
      binding->value = SoMaterialBinding::PER_VERTEX_INDEXED;
      materialIndex.reserve(surface.coordIndex.size());
      for (int c : surface.coordIndex)
        materialIndex.push_back(c < 0 ? -1 : source[surface.vertexPoint[c]]);
    }
    else {
      binding->value = SoMaterialBinding::PER_FACE_INDEXED;
      materialIndex.reserve(surface.facePoint.size());
      for (int p : surface.facePoint)
        materialIndex.push_back(source[p]);
    }
    group->addChild(binding);
    faces->materialIndex.setValues(0, int(materialIndex.size()), materialIndex.data());
  }
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(surface.coords.size()), surface.coords.data());
  group->addChild(coords);
  faces->coordIndex.setValues(0, int(surface.coordIndex.size()), surface.coordIndex.data());
  group->addChild(faces);
  return group;
}

} // namespace SweepShapeXP
