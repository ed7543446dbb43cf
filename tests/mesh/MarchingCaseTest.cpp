// Marching-case tables of the four volume cell kinds, checked against invariants of the cells'
// geometry for every sign pattern instead of against copied tables.
#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/mesh/PbHexahedronCell.h>
#include <Gridlux/mesh/PbPyramidCell.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbWedgeCell.h>
#include <Gridlux/mesh/PiMarchingCase.h>
#include <Gridlux/mesh/PiMarchingCubeCase.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct Kind {
  std::string name;
  int numNodes;
  const PiMarchingCase* (*getCase)(unsigned char);
  int (*registrations)();
  std::shared_ptr<PbCell> cell; // for the facet tables
  std::vector<SbVec3f> coords;  // node positions of the reference cell
};

std::vector<Kind> kinds()
{
  return {
    {"hexahedron", 8, PbHexahedronCell::getMCcase, PbHexahedronCell::getMCcaseRegistrations,
     std::make_shared<PbHexahedronCell>(),
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
    {"tetrahedron", 4, PbTetrahedronCell::getMCcase, PbTetrahedronCell::getMCcaseRegistrations,
     std::make_shared<PbTetrahedronCell>(), {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {"pyramid", 5, PbPyramidCell::getMCcase, PbPyramidCell::getMCcaseRegistrations, std::make_shared<PbPyramidCell>(),
     {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0.5f, 0.5f, 1}}},
    {"wedge", 6, PbWedgeCell::getMCcase, PbWedgeCell::getMCcaseRegistrations, std::make_shared<PbWedgeCell>(),
     {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 0, 1}, {0, 1, 1}}},
  };
}

bool above(int id, int node)
{
  return (id >> node) & 1;
}

// The polygons of a case as lists of edge numbers in strip order.
std::vector<std::vector<int>> polygons(const PiMarchingCase& c)
{
  std::vector<std::vector<int>> result(1);
  for (int e : c.getEdges()) {
    if (e < 0)
      result.emplace_back();
    else
      result.back().push_back(e);
  }
  if (result.back().empty())
    result.pop_back();
  return result;
}

// Strip order p0 p1 p2 p3 ... to the polygon's cycle: the even entries forward, the odd ones back.
std::vector<int> cycle(const std::vector<int>& strip)
{
  std::vector<int> result;
  for (size_t i = 0; i < strip.size(); i += 2)
    result.push_back(strip[i]);
  for (size_t i = strip.size() - 1 - (strip.size() % 2 == 0 ? 0 : 1); i < strip.size(); i -= 2)
    result.push_back(strip[i]);
  return result;
}

// Whether the local facet holds both ends of each of the two edges.
bool sameFacet(const Kind& kind, const PiMarchingCase& c, int e0, int e1)
{
  PbArrayOfInt facet;
  for (int f = 0; f < kind.cell->getNumFacets(); ++f) {
    kind.cell->getNodesLocalIndexOfFacet(f, facet);
    std::set<int> nodes;
    for (int i = 0; i < facet.getNum(); ++i)
      nodes.insert(static_cast<const PbArrayOfInt&>(facet)[i]);
    if (nodes.count(c.getEdgeNode0(e0)) && nodes.count(c.getEdgeNode1(e0)) && nodes.count(c.getEdgeNode0(e1)) &&
        nodes.count(c.getEdgeNode1(e1)))
      return true;
  }
  return false;
}

SbVec3f midpoint(const Kind& kind, const PiMarchingCase& c, int e)
{
  return 0.5f * (kind.coords[c.getEdgeNode0(e)] + kind.coords[c.getEdgeNode1(e)]);
}

TEST(MarchingCase, EveryTableSlotHoldsOneCaseOfItsOwnId)
{
  for (const Kind& kind : kinds()) {
    const int size = 1 << kind.numNodes;
    // A duplicate registration still counts, so a full table with this count had none.
    EXPECT_EQ(kind.registrations(), size) << kind.name;
    for (int id = 0; id < size; ++id) {
      const PiMarchingCase* c = kind.getCase(static_cast<unsigned char>(id));
      ASSERT_NE(c, nullptr) << kind.name << " id " << id;
      EXPECT_EQ(c->getId(), id);
      EXPECT_EQ(c->getNumNodes(), kind.numNodes);
    }
    if (size < 256)
      EXPECT_EQ(kind.getCase(static_cast<unsigned char>(size)), nullptr) << kind.name;
  }
}

TEST(MarchingCase, PolygonsCutEachSignChangingEdgeOnceAndNoOther)
{
  for (const Kind& kind : kinds()) {
    const int numEdges = kind.cell->getNumEdges();
    for (int id = 0; id < (1 << kind.numNodes); ++id) {
      const PiMarchingCase& c = *kind.getCase(static_cast<unsigned char>(id));
      std::vector<int> uses(numEdges, 0);
      for (const std::vector<int>& polygon : polygons(c)) {
        EXPECT_GE(polygon.size(), 3u) << kind.name << " id " << id;
        for (int e : polygon) {
          ASSERT_TRUE(e >= 0 && e < numEdges) << kind.name << " id " << id;
          ++uses[e];
        }
      }
      for (int e = 0; e < numEdges; ++e) {
        const bool crossed = above(id, c.getEdgeNode0(e)) != above(id, c.getEdgeNode1(e));
        EXPECT_EQ(uses[e], crossed ? 1 : 0) << kind.name << " id " << id << " edge " << e;
      }
      // The node pairs follow the edges, one -1 per separator.
      std::vector<int> pairs;
      for (int e : c.getEdges()) {
        if (e < 0) {
          pairs.push_back(-1);
        } else {
          pairs.push_back(c.getEdgeNode0(e));
          pairs.push_back(c.getEdgeNode1(e));
        }
      }
      EXPECT_EQ(c.getNodePairs(), pairs) << kind.name << " id " << id;
    }
  }
}

TEST(MarchingCase, PolygonsAreClosedAcrossFacetsAndFaceTheAboveNodes)
{
  for (const Kind& kind : kinds()) {
    for (int id = 1; id + 1 < (1 << kind.numNodes); ++id) {
      const PiMarchingCase& c = *kind.getCase(static_cast<unsigned char>(id));
      for (const std::vector<int>& polygon : polygons(c)) {
        // Each side of the polygon crosses one facet of the cell, so neighbours meet edge to edge.
        const std::vector<int> ring = cycle(polygon);
        for (size_t i = 0; i < ring.size(); ++i)
          EXPECT_TRUE(sameFacet(kind, c, ring[i], ring[(i + 1) % ring.size()]))
            << kind.name << " id " << id << " edges " << ring[i] << " " << ring[(i + 1) % ring.size()];
        // Every triangle of the strip turns counter-clockwise seen from the nodes above.
        for (size_t t = 0; t + 2 < polygon.size(); ++t) {
          SbVec3f a = midpoint(kind, c, polygon[t]), b = midpoint(kind, c, polygon[t + 1]),
                  d = midpoint(kind, c, polygon[t + 2]);
          if (t % 2)
            std::swap(a, b);
          const SbVec3f normal = (b - a).cross(d - a);
          SbVec3f towardsAbove(0, 0, 0);
          for (int k = 0; k < 3; ++k) {
            const int e = polygon[t + k];
            const int n0 = c.getEdgeNode0(e), n1 = c.getEdgeNode1(e);
            towardsAbove += above(id, n0) ? kind.coords[n0] - kind.coords[n1] : kind.coords[n1] - kind.coords[n0];
          }
          EXPECT_GT(normal.dot(towardsAbove), 0) << kind.name << " id " << id << " triangle " << t;
        }
      }
    }
  }
}

TEST(MarchingCase, FaceQuadranglesJoinTheCutPointsOfAnAmbiguousFacet)
{
  int withQuadrangles = 0;
  for (const Kind& kind : kinds()) {
    PbArrayOfInt facet;
    for (int id = 0; id < (1 << kind.numNodes); ++id) {
      const PiMarchingCase& c = *kind.getCase(static_cast<unsigned char>(id));
      const std::vector<int>& quads = c.getOptQuads();
      if (quads.empty())
        continue;
      ++withQuadrangles;
      EXPECT_EQ(quads.size() % 5, 4u);
      std::vector<int> points;
      for (int e : c.getEdges())
        if (e >= 0)
          points.push_back(e);
      for (size_t q = 0; q + 3 < quads.size(); q += 5) {
        std::set<int> edges;
        for (int k = 0; k < 4; ++k) {
          ASSERT_TRUE(quads[q + k] >= 0 && quads[q + k] < int(points.size())) << kind.name << " id " << id;
          edges.insert(points[quads[q + k]]);
        }
        if (q + 4 < quads.size())
          EXPECT_EQ(quads[q + 4], -1);
        // A cycle round the facet, not a bow tie: consecutive cut points share a corner.
        for (int k = 0; k < 4; ++k) {
          const int e0 = points[quads[q + k]], e1 = points[quads[q + (k + 1) % 4]];
          const std::set<int> ends = {c.getEdgeNode0(e0), c.getEdgeNode1(e0)};
          EXPECT_TRUE(ends.count(c.getEdgeNode0(e1)) || ends.count(c.getEdgeNode1(e1)))
            << kind.name << " id " << id << " quadrangle " << q / 5;
        }
        // The four edges bound one quadrangular facet whose diagonal corners agree.
        bool found = false;
        for (int f = 0; f < kind.cell->getNumFacets() && !found; ++f) {
          if (kind.cell->getNodesLocalIndexOfFacet(f, facet) != 4)
            continue;
          std::set<int> facetEdges;
          for (int k = 0; k < 4; ++k) {
            const int a = facet[k], b = facet[(k + 1) % 4];
            for (int e = 0; e < kind.cell->getNumEdges(); ++e)
              if ((c.getEdgeNode0(e) == a && c.getEdgeNode1(e) == b) || (c.getEdgeNode0(e) == b && c.getEdgeNode1(e) == a))
                facetEdges.insert(e);
          }
          if (facetEdges != edges)
            continue;
          found = true;
          EXPECT_EQ(above(id, facet[0]), above(id, facet[2])) << kind.name << " id " << id;
          EXPECT_EQ(above(id, facet[1]), above(id, facet[3])) << kind.name << " id " << id;
          EXPECT_NE(above(id, facet[0]), above(id, facet[1])) << kind.name << " id " << id;
        }
        EXPECT_TRUE(found) << kind.name << " id " << id << " quadrangle " << q / 5;
      }
    }
  }
  EXPECT_GT(withQuadrangles, 0);
}

TEST(MarchingCase, ComplementTwiceGivesTheCaseBack)
{
  for (const Kind& kind : kinds()) {
    for (int id = 0; id < (1 << kind.numNodes); ++id) {
      const PiMarchingCase& c = *kind.getCase(static_cast<unsigned char>(id));
      std::unique_ptr<PiMarchingCase> once(c.getReverse());
      std::unique_ptr<PiMarchingCase> twice(once->getReverse());
      EXPECT_EQ(once->getId(), c.getRevertId());
      EXPECT_EQ(twice->getId(), c.getId());
      EXPECT_EQ(twice->getEdges(), c.getEdges()) << kind.name << " id " << id;
      EXPECT_EQ(twice->getOptQuads(), c.getOptQuads()) << kind.name << " id " << id;
      // The complement's quadrangles still name the same cut points.
      if (!c.getOptQuads().empty()) {
        std::vector<int> points, reversedPoints;
        for (int e : c.getEdges())
          if (e >= 0)
            points.push_back(e);
        for (int e : once->getEdges())
          if (e >= 0)
            reversedPoints.push_back(e);
        std::multiset<int> before, after;
        for (int q : c.getOptQuads())
          if (q >= 0)
            before.insert(points[q]);
        for (int q : once->getOptQuads())
          if (q >= 0)
            after.insert(reversedPoints[q]);
        EXPECT_EQ(before, after) << kind.name << " id " << id;
      }
    }
  }
}

TEST(MarchingCase, RotationsTurnIdsAndEdgesTogether)
{
  // Node 0 alone above, turned about X: the case of node 4 (the image of node 0).
  PiMarchingCubeCase corner(1, 0x01);
  const int edges[] = {0, 8, 3};
  corner.setEdges(3, edges);
  std::unique_ptr<PiMarchingCase> turned(corner.getRotX(1));
  EXPECT_EQ(turned->getId(), 0x10);
  std::set<int> cut(turned->getEdges().begin(), turned->getEdges().end());
  EXPECT_EQ(cut, (std::set<int>{4, 7, 8}));
  std::unique_ptr<PiMarchingCase> full(corner.getRotZ(4));
  EXPECT_EQ(full->getEdges(), corner.getEdges());
  EXPECT_EQ(full->getId(), corner.getId());
}

} // namespace
