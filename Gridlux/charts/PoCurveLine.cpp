// Curve line of a series: one line set, or runs of equal thickness each with its own line width.
#include <Gridlux/charts/PoCurveLine.h>

#include <Gridlux/charts/PiCurveGeometry.h>
#include <Gridlux/mesh/PbMesh1D.h>
#include <Gridlux/mesh/nodes/PoMeshElement.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoIndexedLineSet.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

#include <algorithm>

PO_KIT_SOURCE(PoCurveLine);

void PoCurveLine::initClass()
{
  PO_KIT_INIT_CLASS(PoCurveLine, PoChart, "PoChart");
}

PoCurveLine::PoCurveLine()
{
  SO_KIT_CONSTRUCTOR(PoCurveLine);
  SO_KIT_ADD_CATALOG_ENTRY(curve, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(thicknessIndex, (-1));
  SO_KIT_ADD_FIELD(thicknessBinding, (PER_VERTEX_THICKNESS));
  SO_KIT_ADD_FIELD(thicknessFactor, (1.0f));
  SO_KIT_DEFINE_ENUM_VALUE(ThicknessBinding, PER_PART_THICKNESS);
  SO_KIT_DEFINE_ENUM_VALUE(ThicknessBinding, PER_VERTEX_THICKNESS);
  SO_KIT_SET_SF_ENUM_TYPE(thicknessBinding, ThicknessBinding);
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoCurveLine::~PoCurveLine()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoCurveLine::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&thicknessIndex);
  fields.append(&thicknessBinding);
  fields.append(&thicknessFactor);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoCurveLine::rebuild()
{
  preRebuild();
  std::vector<SbVec2f> points;
  buildLine(points);
  postRebuild();
}

bool PoCurveLine::buildLine(std::vector<SbVec2f>& points)
{
  points.clear();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbMesh1D* mesh = state ? PoMeshElement::getMesh1D(state) : nullptr;
  if (!mesh || mesh->isEmpty()) {
    setAnyPart("curve", nullptr);
    setAnyPart("appearance.material", nullptr);
    return false;
  }
  const float* thicknessIn = thicknessIndex.getValue() >= 0 ? mesh->getValuesSet(thicknessIndex.getValue()) : nullptr;
  float* thickness = const_cast<float*>(thicknessIn); // read only: replaced by a new per-point array
  int num = 0;
  float *x = nullptr, *y = nullptr;
  SoMaterial* material = nullptr;
  if (thickness)
    mesh->getFilteredXYGeometry(this, state, num, x, y, material, thickness);
  else
    mesh->getFilteredXYGeometry(this, state, num, x, y, material);
  if (material)
    material->ref();
  for (int i = 0; i < num; i++)
    points.emplace_back(x[i], y[i]);
  delete[] x;
  delete[] y;

  SoGroup* group = nullptr;
  if (num > 0) {
    group = new SoGroup;
    const bool perVertex = colorBinding.getValue() == PER_VERTEX;
    if (material && getColorSource() != INHERITED_COLOR) {
      SoMaterialBinding* binding = new SoMaterialBinding;
      if (perVertex)
        binding->value = thickness ? SoMaterialBinding::PER_VERTEX_INDEXED : SoMaterialBinding::PER_VERTEX;
      else
        binding->value = thickness ? SoMaterialBinding::PER_PART_INDEXED : SoMaterialBinding::PER_PART;
      group->addChild(binding);
    }
    SoCoordinate3* coords = new SoCoordinate3;
    coords->point.setNum(num);
    SbVec3f* out = coords->point.startEditing();
    for (int i = 0; i < num; i++)
      out[i].setValue(points[i][0], points[i][1], 0.0f);
    coords->point.finishEditing();
    group->addChild(coords);
    if (!thickness) {
      SoLineSet* set = new SoLineSet;
      set->numVertices.setValue(num);
      group->addChild(set);
    }
    else {
      std::vector<int> starts, counts;
      PiCurveGeometry::thicknessRuns(num, thickness, starts, counts);
      for (std::size_t r = 0; r < starts.size(); r++) {
        SoDrawStyle* style = new SoDrawStyle;
        style->lineWidth = std::max(0.0f, thicknessFactor.getValue() * thickness[starts[r]]);
        group->addChild(style);
        SoIndexedLineSet* set = new SoIndexedLineSet;
        std::vector<int> index(counts[r] + 1);
        for (int k = 0; k < counts[r]; k++)
          index[k] = starts[r] + k;
        index[counts[r]] = -1;
        set->coordIndex.setValues(0, int(index.size()), index.data());
        if (!perVertex) {
          // Per segment: segment k of the whole line takes material entry k.
          std::vector<int> segments(std::max(counts[r] - 1, 1));
          for (std::size_t k = 0; k < segments.size(); k++)
            segments[k] = starts[r] + int(k);
          set->materialIndex.setValues(0, int(segments.size()), segments.data());
        }
        group->addChild(set);
      }
    }
  }
  delete[] thickness;
  setAnyPart("appearance.material", material);
  setAnyPart("curve", group);
  if (material)
    material->unref();
  return num > 0;
}
