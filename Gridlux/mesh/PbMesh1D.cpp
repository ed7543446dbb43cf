// One-dimensional mesh base: nodes on the x axis, no cells, and the chart geometry of a series.
#include <Gridlux/mesh/PbMesh1D.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/mesh/PiMesh1DGeometry.h>
#include <Gridlux/mesh/PoChart.h>
#include <Gridlux/mesh/nodes/PoCoordinateListFilter.h>
#include <Gridlux/mesh/nodes/PoIndexListFilter.h>
#include <Gridlux/mesh/nodes/PoMesh1DFilterElement.h>
#include <Gridlux/mesh/nodes/PoMesh1DHintsElement.h>
#include <Gridlux/mesh/nodes/PoPeriodFilter.h>
#include <Gridlux/mesh/nodes/PoPeriodIndexFilter.h>

#include <Inventor/nodes/SoMaterial.h>

#include <algorithm>
#include <cmath>
#include <vector>

PbMesh1D::PbMesh1D(int isDataDuplicate) : PbMesh(isDataDuplicate) {}

PbMesh1D::PbMesh1D(const PbMesh1D& other) = default;

PbMesh1D& PbMesh1D::operator=(const PbMesh1D& other)
{
  PbMesh::operator=(other);
  return *this;
}

PbMesh1D::~PbMesh1D() = default;

SbVec3f PbMesh1D::getNodeCoord(int nodeIndex) const
{
  if (nodeIndex < 0 || nodeIndex >= m_numMeshNodes)
    return SbVec3f(0, 0, 0);
  return SbVec3f(getXCoord(nodeIndex), 0, 0);
}

void PbMesh1D::getNodeOwnerCellsInd(int, PbArrayOfInt& cells) const
{
  cells.empty();
}

const PbCell* PbMesh1D::findContainingCellProtected(const SbVec3f&, float, SbVec3f&, PbArrayOfInt&) const
{
  return nullptr;
}

void PbMesh1D::applyNumNodes(int numNodes)
{
  if (numNodes != m_numMeshNodes) {
    // The followers hear of the geometry change that comes next, not of each removed set.
    const int enabled = isConnectionEnabled();
    enableConnection(0);
    removeAllValuesSet();
    removeAllStringsSet();
    removeAllVecsSet();
    enableConnection(enabled);
  }
  setCounts(numNodes, 0);
}

// ---------------------------------------------------------------------------------------------
// Chart geometry

namespace {

// The material of one vertex: every field of SoMaterial, as plain values.
struct MaterialValue {
  SbColor ambient, diffuse, specular, emissive;
  float shininess, transparency;
};

MaterialValue blend(const MaterialValue& a, const MaterialValue& b, float t)
{
  MaterialValue m;
  m.ambient = a.ambient + (b.ambient - a.ambient) * t;
  m.diffuse = a.diffuse + (b.diffuse - a.diffuse) * t;
  m.specular = a.specular + (b.specular - a.specular) * t;
  m.emissive = a.emissive + (b.emissive - a.emissive) * t;
  m.shininess = a.shininess + (b.shininess - a.shininess) * t;
  m.transparency = a.transparency + (b.transparency - a.transparency) * t;
  return m;
}

/**
 * Per-node materials of a chart and which SoMaterial fields vary per vertex. Empty (no output
 * material) when the chart takes the inherited material.
 */
struct NodeMaterials {
  std::vector<MaterialValue> nodes;
  bool perVertex[6] = {false, false, false, false, false, false};
  MaterialValue first{};
  bool perPart = false;

  bool active() const { return !nodes.empty(); }
  MaterialValue at(int a, int b, float t) const { return perPart || a == b ? nodes[a] : blend(nodes[a], nodes[b], t); }
};

void nodeMaterials(const PoChart* chart, SoState* state, const PbMesh1D& mesh, NodeMaterials& out)
{
  const int n = mesh.getNumNodes();
  const PoChart::ColorSource source = chart->getColorSource();
  if (source == PoChart::INHERITED_COLOR || n == 0)
    return;
  out.perPart = chart->colorBinding.getValue() == PoChart::PER_PART;
  // The toolkit's default material.
  out.first = {SbColor(0.2f, 0.2f, 0.2f), SbColor(0.8f, 0.8f, 0.8f), SbColor(0, 0, 0), SbColor(0, 0, 0), 0.2f, 0};
  if (source == PoChart::DATA_MAPPING_COLOR) {
    const PbDataMapping* mapping = state ? PoDataMappingElement::get(state) : nullptr;
    const float* values = mesh.getValuesSet(chart->colorValuesIndex.getValue());
    if (!mapping || !values)
      return; // nothing to colour with: the inherited material
    out.perVertex[1] = true;
    out.perVertex[5] = mapping->isTransparencyEnabled() != 0;
    out.nodes.assign(n, out.first);
    for (int i = 0; i < n; i++) {
      float transparency = 0;
      const SbColor* color = mapping->getRGBColor(values[i], transparency);
      if (color)
        out.nodes[i].diffuse = *color;
      if (out.perVertex[5])
        out.nodes[i].transparency = transparency;
    }
    return;
  }
  SoNode* node = chart->material.getValue();
  if (!node || !node->isOfType(SoMaterial::getClassTypeId()))
    return;
  const SoMaterial* user = static_cast<const SoMaterial*>(node);
  const int counts[6] = {user->ambientColor.getNum(),  user->diffuseColor.getNum(),
                         user->specularColor.getNum(), user->emissiveColor.getNum(),
                         user->shininess.getNum(),     user->transparency.getNum()};
  if (counts[0]) out.first.ambient = user->ambientColor[0];
  if (counts[1]) out.first.diffuse = user->diffuseColor[0];
  if (counts[2]) out.first.specular = user->specularColor[0];
  if (counts[3]) out.first.emissive = user->emissiveColor[0];
  if (counts[4]) out.first.shininess = user->shininess[0];
  if (counts[5]) out.first.transparency = user->transparency[0];
  for (int f = 0; f < 6; f++)
    out.perVertex[f] = counts[f] > 1;
  out.nodes.assign(n, out.first);
  for (int i = 0; i < n; i++) {
    MaterialValue& m = out.nodes[i];
    if (counts[0] > 1) m.ambient = user->ambientColor[i % counts[0]];
    if (counts[1] > 1) m.diffuse = user->diffuseColor[i % counts[1]];
    if (counts[2] > 1) m.specular = user->specularColor[i % counts[2]];
    if (counts[3] > 1) m.emissive = user->emissiveColor[i % counts[3]];
    if (counts[4] > 1) m.shininess = user->shininess[i % counts[4]];
    if (counts[5] > 1) m.transparency = user->transparency[i % counts[5]];
  }
}

// A new SoMaterial with one entry per vertex in the fields that vary, one entry in the others.
SoMaterial* makeMaterial(const NodeMaterials& nm, const std::vector<MaterialValue>& vertices)
{
  SoMaterial* material = new SoMaterial;
  const int num = int(vertices.size());
  const MaterialValue& f = nm.first;
  material->ambientColor.setValue(f.ambient);
  material->diffuseColor.setValue(f.diffuse);
  material->specularColor.setValue(f.specular);
  material->emissiveColor.setValue(f.emissive);
  material->shininess.setValue(f.shininess);
  material->transparency.setValue(f.transparency);
  if (num == 0)
    return material;
  if (nm.perVertex[0]) material->ambientColor.setNum(num);
  if (nm.perVertex[1]) material->diffuseColor.setNum(num);
  if (nm.perVertex[2]) material->specularColor.setNum(num);
  if (nm.perVertex[3]) material->emissiveColor.setNum(num);
  if (nm.perVertex[4]) material->shininess.setNum(num);
  if (nm.perVertex[5]) material->transparency.setNum(num);
  for (int v = 0; v < num; v++) {
    const MaterialValue& m = vertices[v];
    if (nm.perVertex[0]) material->ambientColor.set1Value(v, m.ambient);
    if (nm.perVertex[1]) material->diffuseColor.set1Value(v, m.diffuse);
    if (nm.perVertex[2]) material->specularColor.set1Value(v, m.specular);
    if (nm.perVertex[3]) material->emissiveColor.set1Value(v, m.emissive);
    if (nm.perVertex[4]) material->shininess.set1Value(v, m.shininess);
    if (nm.perVertex[5]) material->transparency.set1Value(v, m.transparency);
  }
  return material;
}

float* newArray(const std::vector<float>& values)
{
  if (values.empty())
    return nullptr;
  float* out = new float[values.size()];
  std::copy(values.begin(), values.end(), out);
  return out;
}

} // namespace

// The ordinates of the chart, or null with a message when they are missing or not finite.
static const float* chartOrdinates(const PbMesh1D& mesh, const PoChart* chart, const char* method)
{
  const int index = chart->yValuesIndex.getValue();
  const float* y = mesh.getValuesSet(index);
  if (!y) {
    PoDebugError::post(method, "the mesh has no value set %d for the ordinates", index);
    return nullptr;
  }
  for (int i = 0; i < mesh.getNumNodes(); i++)
    if (!std::isfinite(y[i])) {
      PoDebugError::post(method, "ordinate %d of value set %d is not a finite number; nothing is drawn", i, index);
      return nullptr;
    }
  return y;
}

void PbMesh1D::getXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                             SoMaterial*& material, int wantNodeVertex, int*& nodeVertex) const
{
  numPoints = 0;
  x = y = nullptr;
  material = nullptr;
  nodeVertex = nullptr;
  const int n = m_numMeshNodes;
  if (!chart || n == 0)
    return;
  const float* values = chartOrdinates(*this, chart, "PbMesh1D::getXYGeometry");
  if (!values)
    return;
  std::vector<float> xs(n);
  for (int i = 0; i < n; i++)
    xs[i] = getXCoord(i);
  const int interpretation = state ? PoMesh1DHintsElement::get(state) : 0;
  std::vector<PiMesh1DGeometry::Vertex> vertices;
  std::vector<int> nodeSteps;
  PiMesh1DGeometry::interpret(interpretation, n, xs.data(), values, vertices, nodeSteps);

  numPoints = int(vertices.size());
  x = new float[numPoints];
  y = new float[numPoints];
  for (int v = 0; v < numPoints; v++) {
    x[v] = vertices[v].x;
    y[v] = vertices[v].y;
  }
  if (wantNodeVertex) {
    nodeVertex = new int[n];
    std::copy(nodeSteps.begin(), nodeSteps.end(), nodeVertex);
  }
  NodeMaterials nm;
  nodeMaterials(chart, state, *this, nm);
  if (nm.active()) {
    std::vector<MaterialValue> perVertex;
    for (const PiMesh1DGeometry::Vertex& v : vertices)
      perVertex.push_back(nm.at(v.a, v.b, v.t));
    material = makeMaterial(nm, perVertex);
  }
}

void PbMesh1D::getFilteredXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                     SoMaterial*& material) const
{
  float** extra[2] = {nullptr, nullptr};
  filteredGeometry(chart, state, numPoints, x, y, material, extra);
}

void PbMesh1D::getFilteredXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                     SoMaterial*& material, float*& values) const
{
  float** extra[2] = {&values, nullptr};
  filteredGeometry(chart, state, numPoints, x, y, material, extra);
}

void PbMesh1D::getFilteredXYGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                     SoMaterial*& material, float*& values1, float*& values2) const
{
  float** extra[2] = {&values1, &values2};
  filteredGeometry(chart, state, numPoints, x, y, material, extra);
}

void PbMesh1D::filteredGeometry(const PoChart* chart, SoState* state, int& numPoints, float*& x, float*& y,
                                SoMaterial*& material, float** extra[2]) const
{
  static const char* method = "PbMesh1D::getFilteredXYGeometry";
  numPoints = 0;
  x = y = nullptr;
  material = nullptr;
  // The caller's per-node arrays stay the caller's; each is replaced by a new one (or null).
  const float* extraIn[2] = {nullptr, nullptr};
  for (int k = 0; k < 2; k++)
    if (extra[k] && *extra[k]) {
      extraIn[k] = *extra[k];
      *extra[k] = nullptr;
    }
    else
      extra[k] = nullptr;

  const int n = m_numMeshNodes;
  if (!chart || n == 0)
    return;
  const float* values = chartOrdinates(*this, chart, method);
  if (!values)
    return;
  NodeMaterials nm;
  nodeMaterials(chart, state, *this, nm);

  std::vector<float> ox, oy, oextra[2];
  std::vector<MaterialValue> omat;
  const PoMesh1DFilter* filter = state ? PoMesh1DFilterElement::get(state) : nullptr;

  // Filters on nodes: the kept nodes as points.
  std::vector<int> kept;
  bool onNodes = true;
  if (!filter) {
    for (int i = 0; i < n; i++)
      kept.push_back(i);
  }
  else if (filter->isOfType(PoPeriodIndexFilter::getClassTypeId())) {
    const int period = static_cast<const PoPeriodIndexFilter*>(filter)->period.getValue();
    if (period < 1) {
      PoDebugError::post(method, "the period of PoPeriodIndexFilter is %d; it must be 1 or more", period);
      return;
    }
    // Counted without n + period, which overflows for a period near the largest int.
    const int count = n / period + (n % period != 0 ? 1 : 0);
    for (int q = 0; q < count; q++)
      kept.push_back(q * period);
  }
  else if (filter->isOfType(PoIndexListFilter::getClassTypeId())) {
    const SoMFInt32& index = static_cast<const PoIndexListFilter*>(filter)->index;
    for (int k = 0; k < index.getNum(); k++)
      if (index[k] >= 0 && index[k] < n)
        kept.push_back(index[k]);
  }
  else
    onNodes = false;

  if (onNodes) {
    for (int i : kept) {
      ox.push_back(getXCoord(i));
      oy.push_back(values[i]);
      for (int k = 0; k < 2; k++)
        if (extraIn[k])
          oextra[k].push_back(extraIn[k][i]);
      if (nm.active())
        omat.push_back(nm.nodes[i]);
    }
  }
  else {
    // Filters on the curve: cut the interpreted polyline along an axis.
    int axis = 0;
    std::vector<float> coords;
    std::vector<float> xs(n);
    for (int i = 0; i < n; i++)
      xs[i] = getXCoord(i);
    std::vector<PiMesh1DGeometry::Vertex> vertices;
    std::vector<int> nodeSteps;
    PiMesh1DGeometry::interpret(state ? PoMesh1DHintsElement::get(state) : 0, n, xs.data(), values, vertices,
                                nodeSteps);
    float lo[2] = {vertices[0].x, vertices[0].y}, hi[2] = {lo[0], lo[1]};
    for (const PiMesh1DGeometry::Vertex& v : vertices) {
      lo[0] = std::min(lo[0], v.x);
      hi[0] = std::max(hi[0], v.x);
      lo[1] = std::min(lo[1], v.y);
      hi[1] = std::max(hi[1], v.y);
    }
    if (filter->isOfType(PoPeriodFilter::getClassTypeId())) {
      const PoPeriodFilter* f = static_cast<const PoPeriodFilter*>(filter);
      axis = f->axis.getValue() == PoPeriodFilter::Y ? 1 : 0;
      const float period = f->period.getValue();
      if (!(period > 0) || !std::isfinite(period)) {
        PoDebugError::post(method, "the period of PoPeriodFilter is %g; it must be a positive number", period);
        return;
      }
      // Candidates are first + i * period; a relative tolerance keeps the maximum when it is a multiple.
      const double span = double(hi[axis]) - lo[axis];
      const double steps = std::floor(span / period * (1 + 1e-6) + 1e-9);
      if (steps > 1e7) {
        PoDebugError::post(method, "a period of %g over a span of %g gives too many points", period, span);
        return;
      }
      for (int i = 0; i <= int(steps); i++)
        coords.push_back(std::min(float(lo[axis] + double(i) * period), hi[axis]));
    }
    else if (filter->isOfType(PoCoordinateListFilter::getClassTypeId())) {
      const PoCoordinateListFilter* f = static_cast<const PoCoordinateListFilter*>(filter);
      axis = f->axis.getValue() == PoCoordinateListFilter::Y ? 1 : 0;
      for (int k = 0; k < f->coord.getNum(); k++)
        if (f->coord[k] >= lo[axis] && f->coord[k] <= hi[axis])
          coords.push_back(f->coord[k]);
    }
    else {
      PoDebugError::post(method, "unknown filter type %s", filter->getTypeId().getName().getString());
      return;
    }
    std::vector<PiMesh1DGeometry::Cut> cuts;
    PiMesh1DGeometry::cutAlongAxis(vertices, axis, coords, cuts);
    for (const PiMesh1DGeometry::Cut& c : cuts) {
      ox.push_back(c.x);
      oy.push_back(c.y);
      // The node step that holds the segment gives the per-node values to interpolate.
      int j = 0;
      while (j + 1 < n && nodeSteps[j + 1] <= c.segment)
        j++;
      const int j1 = std::min(j + 1, n - 1);
      for (int k = 0; k < 2; k++)
        if (extraIn[k])
          oextra[k].push_back(extraIn[k][j] + (extraIn[k][j1] - extraIn[k][j]) * c.t);
      if (nm.active()) {
        const PiMesh1DGeometry::Vertex& p = vertices[c.segment];
        const PiMesh1DGeometry::Vertex& q = vertices[c.segment + 1];
        const MaterialValue mp = nm.at(p.a, p.b, p.t);
        omat.push_back(nm.perPart ? mp : blend(mp, nm.at(q.a, q.b, q.t), c.t));
      }
    }
  }

  numPoints = int(ox.size());
  x = newArray(ox);
  y = newArray(oy);
  for (int k = 0; k < 2; k++)
    if (extra[k])
      *extra[k] = newArray(oextra[k]);
  if (nm.active())
    material = makeMaterial(nm, omat);
}
