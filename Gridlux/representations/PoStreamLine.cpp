// Stream lines: one polyline per start point through the current mesh's vector set.
#include <Gridlux/representations/PoStreamLine.h>

#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoDrawStyle.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoMaterialBinding.h>

#include <vector>

PO_KIT_SOURCE(PoStreamLine);

void PoStreamLine::initClass()
{
  PO_KIT_INIT_CLASS(PoStreamLine, PoBaseStreamLine, "PoBaseStreamLine");
}

PoStreamLine::PoStreamLine()
{
  SO_KIT_CONSTRUCTOR(PoStreamLine);
  SO_KIT_ADD_CATALOG_ENTRY(groupStreamLine, SoGroup, TRUE, this, "", TRUE);
  SO_KIT_ADD_FIELD(lineWidth, (2.0f));
  SO_KIT_INIT_INSTANCE();
  setUpConnections(TRUE, TRUE);
}

PoStreamLine::~PoStreamLine()
{
  deleteFieldSensorList(m_sensors);
}

SbBool PoStreamLine::setUpConnections(SbBool onOff, SbBool doItAlways)
{
  if (!doItAlways && connectionsSetUp == onOff)
    return onOff;
  SoFieldList fields;
  fields.append(&lineWidth);
  watchFields(onOff, m_sensors, fields);
  return inherited::setUpConnections(onOff, doItAlways);
}

void PoStreamLine::rebuild()
{
  preRebuild();
  if (!checkStreamFields("PoStreamLine::rebuild") || !hasVectors()) {
    setAnyPart("groupStreamLine", nullptr);
    postRebuild();
    return;
  }
  SoCoordinate3* coords = new SoCoordinate3;
  SoLineSet* lines = new SoLineSet;
  SoMaterial* material = new SoMaterial;
  coords->ref();
  lines->ref();
  material->ref();
  const bool mapped = isMapped();
  std::vector<float> values;
  bool lineColours = false;
  int numLines = 0, numCoords = 0;
  float length, time;
  for (int i = 0; i < startPoints.getNum(); ++i) {
    PiStreamPath& path = getPath(i);
    integrateStreamLine(startPoints[i], path, length, time);
    const int num = path.getNumPoints();
    if (num == 0)
      continue;
    lines->numVertices.set1Value(numLines, num);
    coords->point.setValues(numCoords, num, path.getPoints());
    if (mapped)
      values.insert(values.end(), path.getValues(), path.getValues() + num);
    else if (const SbColor* colour = lineColor(numLines)) {
      material->diffuseColor.set1Value(numLines, *colour);
      lineColours = true;
    }
    numCoords += num;
    ++numLines;
  }
  if (numLines == 0) {
    setAnyPart("groupStreamLine", nullptr);
  } else {
    SoGroup* group = new SoGroup;
    group->ref();
    if (mapped) {
      mapColor(int(values.size()), values.data());
      material->unref();
      material = m_material;
      material->ref();
    }
    if (mapped || lineColours) {
      SoMaterialBinding* binding = new SoMaterialBinding;
      binding->value = mapped ? SoMaterialBinding::PER_VERTEX : SoMaterialBinding::PER_FACE;
      group->addChild(binding);
    }
    SoDrawStyle* style = new SoDrawStyle;
    style->lineWidth = lineWidth.getValue();
    group->addChild(style);
    if (mapped || lineColours)
      group->addChild(material);
    group->addChild(coords);
    group->addChild(lines);
    setAnyPart("groupStreamLine", group);
    group->unref();
  }
  coords->unref();
  lines->unref();
  material->unref();
  postRebuild();
}
