// Internal helpers of the solid charts: the face set builder and the bars of the current series.
#include <Gridlux/charts/SolidChartsXP.h>

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/charts/PoBar.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>
#include <Inventor/nodes/SoNormal.h>
#include <Inventor/nodes/SoNormalBinding.h>
#include <Inventor/nodes/SoShapeHints.h>

#include <cmath>

SoGroup* SolidChartsXP::makeSolids(const PiSolidGeometry::Mesh& mesh, bool perSolidColor)
{
  if (mesh.numTriangles() == 0)
    return nullptr;
  SoGroup* group = new SoGroup;
  SoShapeHints* hints = new SoShapeHints;
  hints->vertexOrdering = SoShapeHints::COUNTERCLOCKWISE;
  hints->shapeType = SoShapeHints::SOLID;
  hints->faceType = SoShapeHints::CONVEX;
  group->addChild(hints);
  SoCoordinate3* coords = new SoCoordinate3;
  coords->point.setValues(0, int(mesh.points.size()), mesh.points.data());
  group->addChild(coords);
  SoNormal* normals = new SoNormal;
  normals->vector.setValues(0, int(mesh.normals.size()), mesh.normals.data());
  group->addChild(normals);
  SoNormalBinding* normalBinding = new SoNormalBinding;
  normalBinding->value = SoNormalBinding::PER_VERTEX_INDEXED;
  group->addChild(normalBinding);
  SoIndexedFaceSet* faces = new SoIndexedFaceSet;
  faces->coordIndex.setValues(0, int(mesh.coordIndex.size()), mesh.coordIndex.data());
  faces->normalIndex.setValues(0, int(mesh.normalIndex.size()), mesh.normalIndex.data());
  if (perSolidColor) {
    SoMaterialBinding* binding = new SoMaterialBinding;
    binding->value = SoMaterialBinding::PER_FACE_INDEXED;
    group->addChild(binding);
    faces->materialIndex.setValues(0, int(mesh.solidIndex.size()), mesh.solidIndex.data());
  }
  group->addChild(faces);
  return group;
}

SbVec3f SolidChartsXP::domainScale(const PoBase* node)
{
  if (!node->isDomainTransformEnabled())
    return SbVec3f(1, 1, 1);
  const SbMatrix m = node->getDomain()->getMatrix();
  SbVec3f scale(m[0][0], m[1][1], m[2][2]);
  for (int k = 0; k < 3; k++)
    if (!(scale[k] > 0.0f) || !std::isfinite(scale[k]))
      return SbVec3f(1, 1, 1);
  return scale;
}

float SolidChartsXP::checkedSize(float value, const char* method, const char* field)
{
  if (value >= 0.0f && std::isfinite(value))
    return value;
  PoDebugError::post(method, "%s %g is not a size; the computed default is used", field, value);
  return 0.0f;
}

SoGroup* SolidChartsXP::buildBars(const PoBar* bar, SoState* state, const SbVec2f* outlinePoints, int numOutline,
                                  float size, const char* sizeField, float topRatio, const char* method,
                                  PiSolidGeometry::Mesh& mesh, SoMaterial*& material)
{
  material = nullptr;
  mesh.clear();
  const PbMesh1D* series = state ? PoMeshElement::getMesh1D(state) : nullptr;
  const float threshold = bar->threshold.getValue();
  if (!std::isfinite(threshold)) {
    PoDebugError::post(method, "threshold %g is not a finite number; nothing drawn", threshold);
    return nullptr;
  }
  if (!series || !series->getValuesSet(bar->yValuesIndex.getValue()))
    return nullptr;
  int num = 0;
  float *x = nullptr, *y = nullptr;
  series->getFilteredXYGeometry(bar, state, num, x, y, material);
  if (material)
    material->ref();
  const bool vertical = bar->orientation.getValue() == PoBar::VERTICAL;
  // Bars stand side by side across their axis: their default width follows the points' spacing there.
  const float* across = vertical ? x : y;
  float radius = checkedSize(size, method, sizeField);
  if (radius == 0.0f)
    radius = 0.4f * PiSolidGeometry::meanSpacing(across, num);
  if (!(radius > 0.0f)) {
    const PbDomain* domain = bar->getDomain();
    radius = 0.04f * (vertical ? domain->getDeltaX() : domain->getDeltaY());
  }
  const SbVec3f scale = domainScale(bar);
  const float depth = radius * (vertical ? scale[0] : scale[1]) / scale[2];
  PiSolidGeometry::Outline outline;
  PiSolidGeometry::prepare(outlinePoints, numOutline, outline);
  int skipped = 0;
  PiSolidGeometry::bars(outline, num, x, y, vertical, threshold, radius, depth, topRatio, mesh, &skipped);
  if (skipped > 0)
    PoDebugError::postWarning(method, "%d of %d points are not finite; they draw no bar", skipped, num);
  delete[] x;
  delete[] y;
  return makeSolids(mesh, material != nullptr);
}
