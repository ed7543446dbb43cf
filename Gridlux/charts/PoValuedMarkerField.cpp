// Markers at free points, coloured by the data mapping and sized by a value at each point.
#include <Gridlux/charts/PoValuedMarkerField.h>

#include <Gridlux/attributes/PbDataMapping.h>
#include <Gridlux/attributes/PiProfilePolygon.h>
#include <Gridlux/attributes/PoDataMappingElement.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/base/PoDebugError.h>
#include <Gridlux/text/PiText.h>

#include <Inventor/misc/SoState.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoFaceSet.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

#include <cmath>

PO_KIT_SOURCE(PoValuedMarkerField);

namespace {

const char* const kMethod = "PoValuedMarkerField::rebuild";

// A size field as a fraction of @p width: 0 gives @p computed, a bad value (or one too large to
// draw) is reported and computed too.
float sizeOf(const char* name, float field, float computed, float width)
{
  if (!std::isfinite(field) || field < 0.0f || !std::isfinite(field * width)) {
    PoDebugError::post(kMethod, "%s %g is not a size; %g used", name, field, computed);
    return computed * width;
  }
  return (field == 0.0f ? computed : field) * width;
}

} // namespace

void PoValuedMarkerField::initClass()
{
  PO_KIT_INIT_CLASS(PoValuedMarkerField, PoChartwork, "PoChartwork");
}

PoValuedMarkerField::PoValuedMarkerField()
{
  SO_KIT_CONSTRUCTOR(PoValuedMarkerField);
  SO_KIT_ADD_CATALOG_ENTRY(marker, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(point, (SbVec2f(0, 0)));
  SO_KIT_ADD_FIELD(value, (0.0f));
  SO_KIT_ADD_FIELD(markerString, ("."));
  SO_KIT_ADD_FIELD(minSize, (0.0f));
  SO_KIT_ADD_FIELD(maxSize, (0.0f));
  SO_KIT_INIT_INSTANCE();
  point.setNum(0);
  point.setDefault(TRUE);
  value.setNum(0);
  value.setDefault(TRUE);
  setUpConnections(TRUE, TRUE);
}

PoValuedMarkerField::~PoValuedMarkerField()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoValuedMarkerField::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  watchOwnFields(onOff, m_sensors);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoValuedMarkerField::addElementsAllCaches()
{
  inherited::addElementsAllCaches();
  PoDataMappingElement::get(getState());
  PoMiscTextAttrElement::get(getState());
}

void PoValuedMarkerField::rebuild()
{
  preRebuild();
  SoState* state = isStateValid() ? getState() : nullptr;
  const PbDataMapping* mapping = state ? PoDataMappingElement::get(state) : nullptr;
  if (state) {
    addElementCache(PoDataMappingElement::getClassStackIndex());
    addElementCache(PoMiscTextAttrElement::getClassStackIndex());
  }

  PiPointField::usableEntries(kMethod, point.getNum(), point.getValues(0), value.getNum(),
                              value.getValues(0), m_kept);
  const float width = getDomain()->getDeltaX();
  const float small = sizeOf("minSize", minSize.getValue(), 0.01f, width);
  const float large = sizeOf("maxSize", maxSize.getValue(), 0.03f, width);
  const float* values = value.getValues(0);
  PiPointField::linearSizes(m_kept, values, small, large, m_sizes);

  // Colours first: an entry that maps to no colour or to a deleted transparency is left out.
  SoMaterial* material = nullptr;
  const bool transparent = mapping && mapping->isTransparencyEnabled();
  if (mapping) {
    material = new SoMaterial;
    material->ref();
    material->diffuseColor.setNum(0);
    material->transparency.setNum(0);
    const float deleted = mapping->getTransparencyValueDeletedParts();
    size_t out = 0;
    for (size_t k = 0; k < m_kept.size(); ++k) {
      float transparency = 0.0f;
      const SbColor* color = mapping->getRGBColor(values[m_kept[k]], transparency);
      if (!color || (transparent && transparency >= deleted))
        continue;
      const int slot = material->diffuseColor.getNum();
      material->diffuseColor.set1Value(slot, *color);
      if (transparent)
        material->transparency.set1Value(slot, transparency);
      m_kept[out] = m_kept[k];
      m_sizes[out] = m_sizes[k];
      ++out;
    }
    m_kept.resize(out);
    m_sizes.resize(out);
    if (!transparent)
      material->transparency.setValue(0.0f);
  }

  SoGroup* group = nullptr;
  const SbVec2f* points = point.getValues(0);
  // An empty marker string draws nothing, as an empty text would.
  if (!m_kept.empty() && markerString.getValue().getLength() > 0) {
    group = new SoGroup;
    if (markerString.getValue() == ".") {
      // Round on the screen: the domain transform's y scale relative to x.
      float aspect = 1.0f;
      if (isDomainTransformEnabled()) {
        const SbMatrix m = getDomain()->getMatrix();
        const float k = m[1][1] / m[0][0];
        if (std::isfinite(k) && k > 0.0f)
          aspect = k;
      }
      std::vector<SbVec2f> unit;
      PiProfilePolygon::circle(1.0f, PiPointField::kDiscSides, unit);
      m_coords.clear();
      m_coords.reserve(m_kept.size() * unit.size());
      for (size_t k = 0; k < m_kept.size(); ++k)
        PiPointField::appendDisc(points[m_kept[k]], m_sizes[k], aspect, unit.data(), int(unit.size()),
                                 m_coords);
      if (material) {
        group->addChild(material);
        SoMaterialBinding* binding = new SoMaterialBinding;
        binding->value = SoMaterialBinding::PER_FACE;
        group->addChild(binding);
      }
      SoCoordinate3* coords = new SoCoordinate3;
      coords->point.setValues(0, int(m_coords.size()), m_coords.data());
      group->addChild(coords);
      SoFaceSet* faces = new SoFaceSet;
      faces->numVertices.setNum(int(m_kept.size()));
      int32_t* counts = faces->numVertices.startEditing();
      for (size_t k = 0; k < m_kept.size(); ++k)
        counts[k] = int32_t(unit.size());
      faces->numVertices.finishEditing();
      group->addChild(faces);
    } else {
      PiText text;
      text.setTextAttributes(state ? PoMiscTextAttrElement::get(state) : PoMiscTextAttrElement::getDefault());
      text.setAlignment(PiText::CENTER, PiText::HALF);
      text.setPath(PiText::PATH_RIGHT);
      text.setString(markerString.getValue().getString());
      text.setGroup(group);
      for (size_t k = 0; k < m_kept.size(); ++k) {
        if (!(m_sizes[k] > 0.0f))
          continue;
        if (material) {
          SoMaterial* own = new SoMaterial;
          own->diffuseColor.setValue(material->diffuseColor[int(k)]);
          if (transparent)
            own->transparency.setValue(material->transparency[int(k)]);
          group->addChild(own);
        }
        text.setFontSize(m_sizes[k]);
        text.setOrigin(points[m_kept[k]]);
        text.build();
      }
    }
  }
  if (material)
    material->unref();
  setAnyPart("marker", group);
  postRebuild();
}
