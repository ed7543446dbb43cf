// Stream animations: samples in time along a uniform flow, frames that share out the samples
// with their phases, repeatable random phases, blinker-only updates, the particles of each node,
// bad input and the file.
#include "support/ErrorCatcher.h"
#include "support/GeometryProbe.h"
#include "support/SceneText.h"
#include "StreamFields.h"

#include <Gridlux/base/PoGridlux.h>
#include <Gridlux/representations/PoStreamLineMotion.h>
#include <Gridlux/representations/PoStreamPointMotion.h>
#include <Gridlux/representations/PoStreamSphereMotion.h>
#include <Gridlux/representations/PoStreamTadpoleMotion.h>

#include <Inventor/nodes/SoBlinker.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoGroup.h>
#include <Inventor/nodes/SoLineSet.h>
#include <Inventor/nodes/SoMaterial.h>
#include <Inventor/nodes/SoPointSet.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoSphere.h>
#include <Inventor/nodes/SoTransform.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace {

// The x of every point a frame of a point motion shows, per line (its y tells the line).
std::map<float, std::vector<float>> frameParticles(SoGroup* frame)
{
  std::map<float, std::vector<float>> out;
  for (int i = 0; i < frame->getNumChildren(); ++i)
    if (frame->getChild(i)->isOfType(SoCoordinate3::getClassTypeId())) {
      const SoMFVec3f& p = static_cast<SoCoordinate3*>(frame->getChild(i))->point;
      for (int k = 0; k < p.getNum(); ++k)
        out[p[k][1]].push_back(p[k][0]);
    }
  return out;
}

class StreamMotion : public StreamScene {
protected:
  // A motion node with three start points, on lines y = 0.5, 1 and 1.5 starting at x = 2y - 0.5.
  template <class T> T* add()
  {
    T* node = StreamScene::add<T>(flow.mesh.get());
    node->startPoints.setValues(0, 3, std::vector<SbVec3f>{{0.5f, 0.5f, 1}, {1.5f, 1, 1}, {2.5f, 1.5f, 1}}.data());
    return node;
  }
  SoBlinker* blinker(PoBase* node, const char* part)
  {
    GeometryProbe probe(root);
    return childOfType<SoBlinker>(static_cast<SoGroup*>(node->getPart(part, FALSE)));
  }
};

TEST_F(StreamMotion, SamplesLieSpeedTimesStepApartFromTheShift)
{
  PoStreamLineMotion* node = add<PoStreamLineMotion>();
  node->timeStep = 0.25f;
  node->shiftStart = 0.1f;
  SoBlinker* b = blinker(node, "groupStreamLineMotion");
  ASSERT_TRUE(b);
  SoGroup* frame = static_cast<SoGroup*>(b->getChild(0));
  SoCoordinate3* samples = childOfType<SoCoordinate3>(frame);
  SoLineSet* lines = childOfType<SoLineSet>(frame);
  ASSERT_TRUE(samples && lines);
  ASSERT_EQ(lines->numVertices.getNum(), 3);
  const float starts[3] = {0.5f, 1.5f, 2.5f};
  int s = 0;
  for (int l = 0; l < 3; ++l) {
    const int num = lines->numVertices[l];
    // Points every 0.3 (time 0.15) up to x = 10; samples at 0.1, 0.35, ... before the last time.
    const double lastTime = 0.15 * std::floor((10 - starts[l]) / 0.3 + 1e-6);
    EXPECT_EQ(num, int(std::ceil((lastTime - 0.1) / 0.25 - 1e-6))) << l;
    EXPECT_NEAR(samples->point[s][0], starts[l] + 2 * 0.1f, 1e-4);
    for (int k = 1; k < num; ++k)
      EXPECT_NEAR(samples->point[s + k][0] - samples->point[s + k - 1][0], 2 * 0.25, 1e-4);
    EXPECT_LT(samples->point[s + num - 1][0], 10);
    EXPECT_GT(samples->point[s + num - 1][0], 10 - 0.3 - 0.5);
    s += num;
  }
  EXPECT_EQ(s, node->getNumSamples());
}

TEST_F(StreamMotion, FramesShareOutTheSamplesOfEachPath)
{
  PoStreamPointMotion* node = add<PoStreamPointMotion>();
  node->timeStep = 0.1f;
  node->pulseFrequency = 4;
  for (SbBool randomized : {FALSE, TRUE}) {
    node->isStartRandomized = randomized;
    SoBlinker* b = blinker(node, "groupStreamPointMotion");
    ASSERT_TRUE(b);
    ASSERT_EQ(b->getNumChildren(), 4);
    std::map<float, std::multiset<float>> seen;
    std::vector<std::map<float, std::vector<float>>> frames;
    for (int f = 0; f < 4; ++f) {
      frames.push_back(frameParticles(static_cast<SoGroup*>(b->getChild(f))));
      for (const auto& line : frames.back())
        seen[line.first].insert(line.second.begin(), line.second.end());
    }
    int total = 0;
    for (const auto& line : seen) {
      // Each sample once: 0.2 apart from the line's first, none missing, none twice.
      const std::vector<float> xs(line.second.begin(), line.second.end());
      for (size_t k = 1; k < xs.size(); ++k)
        EXPECT_NEAR(xs[k] - xs[k - 1], 0.2, 1e-4) << randomized;
      total += int(xs.size());
    }
    EXPECT_EQ(total, node->getNumSamples());
    // Each particle moves one sample per frame.
    for (const auto& line : frames[0]) {
      const std::vector<float>& next = frames[1].at(line.first);
      const float last = *seen[line.first].rbegin();
      for (float x : line.second)
        if (x + 0.2f < last + 1e-4f)
          EXPECT_TRUE(std::any_of(next.begin(), next.end(), [x](float y) { return std::fabs(y - x - 0.2f) < 1e-4f; }))
            << x;
    }
    if (!randomized) // phase f: frame 0 starts at each path's first sample
      for (const auto& line : frames[0])
        EXPECT_EQ(line.second.front(), *seen[line.first].begin());
  }
}

TEST_F(StreamMotion, TwelveSamplesInFiveFrames)
{
  PoStreamPointMotion* node = add<PoStreamPointMotion>();
  node->startPoints = SbVec3f(0.5f, 1, 1);
  node->isStartRandomized = FALSE;
  node->timeStep = 0.1f;
  node->maxLifetime = 1.25f; // points up to time 1.2, samples at 0, 0.1, ... 1.1: twelve
  SoBlinker* b = blinker(node, "groupStreamPointMotion");
  ASSERT_TRUE(b);
  ASSERT_EQ(node->getNumSamples(), 12);
  auto sampleIndices = [&](int f) {
    std::vector<int> out;
    const std::map<float, std::vector<float>> particles = frameParticles(static_cast<SoGroup*>(b->getChild(f)));
    for (float x : particles.begin()->second)
      out.push_back(int(std::lround((x - 0.5f) / 0.2f)));
    return out;
  };
  EXPECT_EQ(sampleIndices(0), (std::vector<int>{0, 5, 10}));
  EXPECT_EQ(sampleIndices(4), (std::vector<int>{4, 9}));
}

TEST_F(StreamMotion, RandomPhasesRepeatAndBlinkerChangesKeepTheFrames)
{
  PoStreamPointMotion* node = add<PoStreamPointMotion>();
  node->timeStep = 0.1f;
  SoBlinker* b = blinker(node, "groupStreamPointMotion");
  ASSERT_TRUE(b);
  std::vector<std::map<float, std::vector<float>>> first;
  for (int f = 0; f < b->getNumChildren(); ++f)
    first.push_back(frameParticles(static_cast<SoGroup*>(b->getChild(f))));
  // Randomised: the paths do not all start at the same phase (line y starts at x = 2y - 0.5).
  std::set<long> phases;
  for (const auto& line : first[0])
    phases.insert(std::lround((line.second.front() - (2 * line.first - 0.5f)) / 0.2f));
  EXPECT_GT(phases.size(), 1u);
  node->touchKit();
  SoBlinker* again = blinker(node, "groupStreamPointMotion");
  ASSERT_NE(again, b);
  for (int f = 0; f < again->getNumChildren(); ++f)
    EXPECT_EQ(frameParticles(static_cast<SoGroup*>(again->getChild(f))), first[f]) << f;

  std::vector<SoNode*> frames;
  for (int f = 0; f < again->getNumChildren(); ++f)
    frames.push_back(again->getChild(f));
  node->blinkSpeed = 0.5f;
  node->viewFrame = 7;
  node->isBlinking = FALSE;
  SoBlinker* kept = blinker(node, "groupStreamPointMotion");
  ASSERT_EQ(kept, again);
  for (int f = 0; f < kept->getNumChildren(); ++f)
    EXPECT_EQ(kept->getChild(f), frames[f]);
  EXPECT_FLOAT_EQ(kept->speed.getValue(), 0.5f);
  EXPECT_EQ(kept->whichChild.getValue(), 2);
  EXPECT_FALSE(kept->on.getValue());
  // Running again: the frames stay, driven by a running blinker.
  node->isBlinking = TRUE;
  kept = blinker(node, "groupStreamPointMotion");
  ASSERT_TRUE(kept);
  EXPECT_TRUE(kept->on.getValue());
  EXPECT_TRUE(kept->whichChild.isConnected());
  for (int f = 0; f < kept->getNumChildren(); ++f)
    EXPECT_EQ(kept->getChild(f), frames[f]);

  // Any other field builds new frames.
  node->pointSize = 5;
  EXPECT_NE(blinker(node, "groupStreamPointMotion"), kept);
}

TEST_F(StreamMotion, ChangedVectorsAreTracedAgain)
{
  PoStreamLineMotion* node = add<PoStreamLineMotion>();
  node->startPoints = SbVec3f(0.5f, 1, 1);
  node->timeStep = 0.25f;
  auto spacing = [&]() {
    SoBlinker* b = blinker(node, "groupStreamLineMotion");
    SoCoordinate3* samples = b ? childOfType<SoCoordinate3>(static_cast<SoGroup*>(b->getChild(0))) : nullptr;
    return samples && samples->point.getNum() > 1 ? samples->point[1][0] - samples->point[0][0] : -1.0f;
  };
  EXPECT_NEAR(spacing(), 0.5, 1e-4);
  for (SbVec3f& v : flow.vectors)
    v = SbVec3f(4, 0, 0);
  flow.mesh->addVecsSet(0, flow.vectors.data());
  EXPECT_NEAR(spacing(), 1.0, 1e-4);
}

TEST_F(StreamMotion, ParticlesOfEachNode)
{
  PoStreamTadpoleMotion* tadpole = add<PoStreamTadpoleMotion>();
  tadpole->startPoints = SbVec3f(0.5f, 1, 1);
  tadpole->lengthFactor = 0.5f;
  tadpole->isStartRandomized = FALSE;
  SoBlinker* b = blinker(tadpole, "groupStreamTadpoleMotion");
  ASSERT_TRUE(b);
  SoGroup* frame = static_cast<SoGroup*>(b->getChild(0));
  SoCoordinate3* coords = childOfType<SoCoordinate3>(frame);
  SoMaterial* material = childOfType<SoMaterial>(frame);
  ASSERT_TRUE(coords && material && childOfType<SoLineSet>(frame));
  // v = (2, 0, 0), k = 0.5: from 0.75 back to 0.25 ahead of the sample at 0.5 (time 0).
  EXPECT_NEAR(coords->point[0][0], 0.5 - 0.75, 1e-5);
  EXPECT_NEAR(coords->point[1][0], 0.5, 1e-5);
  EXPECT_NEAR(coords->point[2][0], 0.5 + 0.25, 1e-5);
  EXPECT_EQ(material->diffuseColor[0], tadpole->backColor.getValue());
  EXPECT_EQ(material->diffuseColor[2], tadpole->particleColor.getValue());

  PoStreamSphereMotion* spheres = add<PoStreamSphereMotion>();
  spheres->sphereRadius = 0.2f;
  b = blinker(spheres, "groupStreamSphereMotion");
  ASSERT_TRUE(b);
  std::set<SoNode*> shared;
  int count = 0;
  for (int f = 0; f < b->getNumChildren(); ++f) {
    SoGroup* g = static_cast<SoGroup*>(b->getChild(f));
    for (int i = 0; i < g->getNumChildren(); ++i) {
      SoSphere* sphere = childOfType<SoSphere>(static_cast<SoGroup*>(g->getChild(i)));
      ASSERT_TRUE(sphere && childOfType<SoTransform>(static_cast<SoGroup*>(g->getChild(i))));
      shared.insert(sphere);
      ++count;
    }
  }
  EXPECT_EQ(shared.size(), 1u);
  EXPECT_EQ(count, spheres->getNumSamples());

  PoStreamLineMotion* lines = add<PoStreamLineMotion>();
  lines->isStartRandomized = FALSE;
  b = blinker(lines, "groupStreamLineMotion");
  ASSERT_TRUE(b);
  SoMaterial* colours = childOfType<SoMaterial>(static_cast<SoGroup*>(b->getChild(0)));
  ASSERT_EQ(colours->diffuseColor.getNum(), lines->getNumSamples());
  int lit = 0;
  for (int i = 0; i < colours->diffuseColor.getNum(); ++i)
    lit += colours->diffuseColor[i] == lines->particleColor.getValue();
  EXPECT_GT(lit, 0);
  EXPECT_LE(lit, lines->getNumSamples() / 5 + 3);
}

TEST_F(StreamMotion, BadInputPostsAndShortPathsGiveNoParticle)
{
  PoStreamPointMotion* node = add<PoStreamPointMotion>();
  {
    ErrorCatcher errors;
    node->pulseFrequency = 0;
    EXPECT_FALSE(blinker(node, "groupStreamPointMotion"));
    EXPECT_FALSE(node->getPart("groupStreamPointMotion", FALSE));
    node->pulseFrequency = 5;
    node->timeStep = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(blinker(node, "groupStreamPointMotion"));
    EXPECT_FALSE(node->getPart("groupStreamPointMotion", FALSE));
    EXPECT_EQ(errors.count(), 2);
  }
  ErrorCatcher errors;
  node->timeStep = 0;
  EXPECT_FALSE(blinker(node, "groupStreamPointMotion"));
  EXPECT_TRUE(node->getPart("groupStreamPointMotion", FALSE)); // an empty group
  node->timeStep = 1;
  node->shiftStart = 100; // later than every path ends
  EXPECT_FALSE(blinker(node, "groupStreamPointMotion"));
  EXPECT_EQ(errors.count(), 0);
}

TEST(StreamMotionFile, EachClassReadsBackItsFields)
{
  PoGridlux::init();
  SoSeparator* root = new SoSeparator;
  root->ref();
  PoStreamPointMotion* points = new PoStreamPointMotion;
  points->pointSize = 6;
  points->pulseFrequency = 9;
  points->isStartRandomized = FALSE;
  PoStreamSphereMotion* spheres = new PoStreamSphereMotion;
  spheres->sphereRadius = 0.5f;
  spheres->timeStep = 0.125f;
  PoStreamLineMotion* lines = new PoStreamLineMotion;
  lines->lineColor = SbColor(1, 0, 0);
  lines->blinkSpeed = 1.5f;
  PoStreamTadpoleMotion* tadpoles = new PoStreamTadpoleMotion;
  tadpoles->lengthFactor = 2;
  tadpoles->backColor = SbColor(0, 1, 0);
  tadpoles->viewFrame = 3;
  for (SoNode* n : std::initializer_list<SoNode*>{points, spheres, lines, tadpoles})
    root->addChild(n);
  SoSeparator* read = readFromString(writeToString(root));
  ASSERT_TRUE(read);
  read->ref();
  auto* p = dynamic_cast<PoStreamPointMotion*>(read->getChild(0));
  auto* s = dynamic_cast<PoStreamSphereMotion*>(read->getChild(1));
  auto* l = dynamic_cast<PoStreamLineMotion*>(read->getChild(2));
  auto* t = dynamic_cast<PoStreamTadpoleMotion*>(read->getChild(3));
  ASSERT_TRUE(p && s && l && t);
  EXPECT_FLOAT_EQ(p->pointSize.getValue(), 6);
  EXPECT_EQ(p->pulseFrequency.getValue(), 9);
  EXPECT_FALSE(p->isStartRandomized.getValue());
  EXPECT_FLOAT_EQ(s->sphereRadius.getValue(), 0.5f);
  EXPECT_FLOAT_EQ(s->timeStep.getValue(), 0.125f);
  EXPECT_EQ(l->lineColor.getValue(), SbColor(1, 0, 0));
  EXPECT_FLOAT_EQ(l->blinkSpeed.getValue(), 1.5f);
  EXPECT_FLOAT_EQ(t->lengthFactor.getValue(), 2);
  EXPECT_EQ(t->backColor.getValue(), SbColor(0, 1, 0));
  EXPECT_EQ(t->viewFrame.getValue(), 3);
  read->unref();
  root->unref();
}

} // namespace
