// An axis in a scene of its own, and the measures the axis tests take of what it built.
#ifndef GRIDLUX_TESTS_AXISSCENE_H
#define GRIDLUX_TESTS_AXISSCENE_H

#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"

#include <Gridlux/attributes/PbDomain.h>
#include <Gridlux/axes/PoLinearAxis.h>
#include <Gridlux/base/PoGridlux.h>

#include <Inventor/SbViewportRegion.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoGetBoundingBoxAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoText3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// Checks that the class @p name is registered under @p parent and can be created by name.
inline void expectCreatable(const char* name, const char* parent)
{
  PoGridlux::init();
  const SoType type = SoType::fromName(name);
  ASSERT_FALSE(type.isBad()) << name;
  EXPECT_EQ(type.getParent(), SoType::fromName(parent)) << name;
  EXPECT_TRUE(type.canCreateInstance()) << name;
}

// @p root written to a file and read back (referenced; null on failure). The file must read
// without a message and hold none of the geometry the nodes built.
inline SoSeparator* readBackWithoutBuiltGeometry(SoNode* root)
{
  const std::string text = writeToString(root);
  EXPECT_EQ(text.find("Text3"), std::string::npos);
  EXPECT_EQ(text.find("Coordinate3"), std::string::npos);
  ErrorCatcher errors(ErrorCatcher::ALL);
  SoSeparator* back = readFromString(text);
  EXPECT_EQ(errors.count(), 0) << (errors.count() ? errors.messages()[0] : std::string());
  if (back)
    back->ref();
  return back;
}

// An axis under a root separator, with a domain of its own.
template <class Axis>
struct AxisSceneOf {
  SoSeparator* root;
  Axis* axis;
  PbDomain domain;

  explicit AxisSceneOf(const PbDomain& d = PbDomain(0, 0, 0, 10, 10, 10)) : domain(d)
  {
    PoGridlux::init();
    root = new SoSeparator;
    root->ref();
    axis = new Axis;
    axis->setDomain(&domain);
    root->addChild(axis);
  }
  ~AxisSceneOf()
  {
    root->unref(); // before the domain the axis follows goes
  }
  AxisSceneOf(const AxisSceneOf&) = delete;
  AxisSceneOf& operator=(const AxisSceneOf&) = delete;

  GeometryProbe probe() { return GeometryProbe(root); }

  // The geometry of one part after a rebuild, in the domain (the axis's transform applied).
  GeometryProbe partProbe(const char* part)
  {
    probe();
    GeometryProbe out;
    SoNode* node = axis->getPart(part, FALSE);
    if (!node)
      return out;
    SoSeparator* sep = new SoSeparator;
    sep->ref();
    sep->addChild(axis->getPart("transform", TRUE));
    sep->addChild(node);
    out.apply(sep);
    sep->unref();
    return out;
  }

  // Label strings of one part, lines joined by newlines, in build order.
  std::vector<std::string> texts(const char* part)
  {
    std::vector<std::string> out;
    for (const SoText3* text : textNodes(part)) {
      std::string whole;
      for (int k = 0; k < text->string.getNum(); ++k)
        whole += (k ? "\n" : "") + std::string(text->string[k].getString());
      out.push_back(whole);
    }
    return out;
  }

  // Text nodes of one part, in build order, after a rebuild.
  std::vector<const SoText3*> textNodes(const char* part)
  {
    probe();
    std::vector<const SoText3*> out;
    SoNode* node = axis->getPart(part, FALSE);
    if (!node)
      return out;
    SoSearchAction search;
    search.setType(SoText3::getClassTypeId());
    search.setInterest(SoSearchAction::ALL);
    search.apply(node);
    for (int i = 0; i < search.getPaths().getLength(); ++i)
      out.push_back(static_cast<const SoText3*>(search.getPaths()[i]->getTail()));
    return out;
  }

  // Boxes of each text of a part, in the axis frame.
  std::vector<SbBox3f> textBoxes(const char* part)
  {
    probe();
    std::vector<SbBox3f> out;
    SoGroup* group = static_cast<SoGroup*>(axis->getPart(part, FALSE));
    if (!group)
      return out;
    // Each text is a font followed by a group; the pair is measured alone.
    SoGetBoundingBoxAction box(SbViewportRegion(800, 600));
    SoNode* font = nullptr;
    for (int i = 0; i < group->getNumChildren(); ++i) {
      SoNode* child = group->getChild(i);
      if (!child->isOfType(SoGroup::getClassTypeId())) {
        font = child;
        continue;
      }
      SoGroup* one = new SoGroup;
      one->ref();
      if (font)
        one->addChild(font);
      one->addChild(child);
      box.apply(one);
      out.push_back(box.getBoundingBox());
      one->unref();
    }
    return out;
  }

  // Where the glyphs of a text point, in the axis frame: the images of the text node's own
  // x (reading), y (up) and z (the side its face is seen from).
  struct TextFrame {
    SbVec3f reading, up, normal;
  };
  std::vector<TextFrame> textFrames(const char* part)
  {
    probe();
    std::vector<TextFrame> out;
    SoNode* node = axis->getPart(part, FALSE);
    if (!node)
      return out;
    SoCallbackAction action;
    action.addPreCallback(
        SoText3::getClassTypeId(),
        [](void* data, SoCallbackAction* a, const SoNode*) {
          const SbMatrix& m = a->getModelMatrix();
          TextFrame f;
          m.multDirMatrix(SbVec3f(1, 0, 0), f.reading);
          m.multDirMatrix(SbVec3f(0, 1, 0), f.up);
          m.multDirMatrix(SbVec3f(0, 0, 1), f.normal);
          f.reading.normalize();
          f.up.normalize();
          f.normal.normalize();
          static_cast<std::vector<TextFrame>*>(data)->push_back(f);
          return SoCallbackAction::CONTINUE;
        },
        &out);
    action.apply(node);
    return out;
  }
};

typedef AxisSceneOf<PoLinearAxis> AxisScene;

// Positions along the axis (axis-frame x) of the ticks drawn under @p part, sorted.
inline std::vector<float> tickPositionsOf(SoNode* part)
{
  std::vector<float> out;
  if (!part)
    return out;
  GeometryProbe probe(part);
  for (const GeometryProbe::Segment& s : probe.segments())
    out.push_back(s.a[0]);
  std::sort(out.begin(), out.end());
  return out;
}

// Element-wise comparison of coordinates within @p tolerance.
inline void expectCoords(const std::vector<float>& got, const std::vector<float>& want,
                         float tolerance = 1e-5f)
{
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i)
    EXPECT_NEAR(got[i], want[i], tolerance) << "at " << i;
}

// Segments of the probe parallel to one world axis, as (position along the other, low, high).
struct Cross {
  float at, lo, hi;
};
inline std::vector<Cross> crossSegments(const GeometryProbe& probe, int along, int across,
                                        float minLength = 0.0f)
{
  std::vector<Cross> out;
  for (const GeometryProbe::Segment& s : probe.segments()) {
    const SbVec3f d = s.b - s.a;
    if (std::fabs(d[along]) > 1e-5f || std::fabs(d[across]) <= minLength)
      continue;
    out.push_back({s.a[along], std::min(s.a[across], s.b[across]),
                   std::max(s.a[across], s.b[across])});
  }
  std::sort(out.begin(), out.end(), [](const Cross& a, const Cross& b) { return a.at < b.at; });
  return out;
}

// The smallest box holding every box of @p boxes.
inline SbBox3f unionBox(const std::vector<SbBox3f>& boxes)
{
  SbBox3f all;
  for (const SbBox3f& b : boxes)
    all.extendBy(b);
  return all;
}

#endif
