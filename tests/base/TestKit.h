// The node kit that the node-base tests drive: one watched field, one part, and a record of
// what its rebuilds saw.
#ifndef GRIDLUX_TESTS_TESTKIT_H
#define GRIDLUX_TESTS_TESTKIT_H

#include <Gridlux/attributes/PbMiscTextAttr.h>
#include <Gridlux/attributes/PoMiscTextAttrElement.h>
#include <Gridlux/base/PoChartwork.h>

#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/nodes/SoCallback.h>
#include <Inventor/nodes/SoCube.h>
#include <Inventor/nodes/SoSeparator.h>

// A chart-family kit that draws a cube of side `size` and depends on the text-attribute element.
class TestKit : public PoChartwork {
  typedef PoChartwork inherited;
  PO_KIT_HEADER(TestKit);
  SO_KIT_CATALOG_ENTRY_HEADER(body);

public:
  TestKit()
  {
    SO_KIT_CONSTRUCTOR(TestKit);
    SO_KIT_ADD_CATALOG_ENTRY(body, SoSeparator, TRUE, this, "", TRUE);
    SO_KIT_ADD_FIELD(size, (1.0f));
    SO_KIT_INIT_INSTANCE();
    createFieldSensorList(1, m_sensors);
    setUpConnections(TRUE, TRUE);
  }

  static void initClass()
  {
    if (getClassTypeId() == SoType::badType())
      PO_KIT_INIT_CLASS(TestKit, PoChartwork, "PoChartwork");
  }

  SoSFFloat size;

  int rebuilds = 0;
  const PbMiscTextAttr* seenAttr = nullptr;
  const PbDomain* seenDomain = nullptr;

  void rebuild() override
  {
    preRebuild();
    ++rebuilds;
    if (isStateValid()) {
      seenAttr = PoMiscTextAttrElement::get(getState());
      addElementCache(PoMiscTextAttrElement::getClassStackIndex());
    }
    seenDomain = getDomain();
    SoSeparator* group = new SoSeparator;
    SoCube* cube = new SoCube;
    cube->width = cube->height = cube->depth = size.getValue();
    group->addChild(cube);
    setAnyPart("body", group);
    postRebuild();
  }

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override
  {
    if (!doItAlways && connectionsSetUp == onOff)
      return onOff;
    if (onOff) {
      SoFieldList fields;
      fields.append(&size);
      attachFieldSensorList(m_sensors, fields);
    } else {
      detachFieldSensorList(m_sensors);
    }
    return inherited::setUpConnections(onOff, doItAlways);
  }

  using PoBase::setDomainUsedForRebuild;
  using PoBase::deleteTransparencyParts;
  SoNode* part(const char* name) { return getAnyPart(name, FALSE); }
  SoCallback* catchPart() { return static_cast<SoCallback*>(catchActionCallback.getValue()); }

protected:
  ~TestKit() override
  {
    detachFieldSensorList(m_sensors);
    deleteFieldSensorList(m_sensors);
  }

private:
  FieldSensorList m_sensors;
};

#endif
