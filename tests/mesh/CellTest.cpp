// Cells: location, interpolation, measures and the local numbering of edges and facets.
#include <Gridlux/base/PbArrayOfInt.h>
#include <Gridlux/mesh/PbHexahedronCell.h>
#include <Gridlux/mesh/PbPixelCell.h>
#include <Gridlux/mesh/PbPyramidCell.h>
#include <Gridlux/mesh/PbQuadrangleCell.h>
#include <Gridlux/mesh/PbTetrahedronCell.h>
#include <Gridlux/mesh/PbTriangleCell.h>
#include <Gridlux/mesh/PbVoxelCell.h>
#include <Gridlux/mesh/PbWedgeCell.h>
#include <Inventor/SbPlane.h>
#include <Inventor/SbRotation.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

const int kIdentity[8] = {0, 1, 2, 3, 4, 5, 6, 7};

const SbVec3f kUnitCube[8] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(1, 1, 0), SbVec3f(0, 1, 0),
                              SbVec3f(0, 0, 1), SbVec3f(1, 0, 1), SbVec3f(1, 1, 1), SbVec3f(0, 1, 1)};

// Position of a parametric point through the cell's own weights.
SbVec3f mapPoint(const PbCell& cell, const SbVec3f& pc)
{
  float w[PbCell::MAX_NODES];
  cell.getWeight(pc, w);
  SbVec3f p(0, 0, 0);
  for (int i = 0; i < cell.getNumNodes(); i++)
    p += w[i] * cell.getNodeCoord(i);
  return p;
}

// Every facet, in table order, turns its right-hand normal into the cell: the tables agree
// with each other and with the weights' node positions.
void expectOutwardFacets(const PbCell& cell)
{
  const SbVec3f center = cell.getCenter();
  PbArrayOfInt local;
  for (int f = 0; f < cell.getNumFacets(); f++) {
    ASSERT_GE(cell.getNodesLocalIndexOfFacet(f, local), 3);
    SbVec3f c(0, 0, 0), n(0, 0, 0);
    for (int i = 0; i < local.getNum(); i++) {
      const SbVec3f& a = cell.getNodeCoord(local[i]);
      const SbVec3f& b = cell.getNodeCoord(local[(i + 1) % local.getNum()]);
      n += a.cross(b);
      c += a;
    }
    c /= float(local.getNum());
    EXPECT_LT(n.dot(c - center), 0) << "facet " << f;
  }
  // Each edge of the table bounds exactly two facets.
  for (int e = 0; e < cell.getNumEdges(); e++) {
    const int* ends = cell.getNodesLocalIndexOfEdge(e);
    ASSERT_NE(ends, nullptr);
    int facets = 0;
    for (int f = 0; f < cell.getNumFacets(); f++) {
      cell.getNodesLocalIndexOfFacet(f, local);
      for (int i = 0; i < local.getNum(); i++) {
        const int a = local[i], b = local[(i + 1) % local.getNum()];
        if ((a == ends[0] && b == ends[1]) || (a == ends[1] && b == ends[0]))
          facets++;
      }
    }
    EXPECT_EQ(facets, 2) << "edge " << e;
  }
  EXPECT_EQ(cell.getNodesLocalIndexOfEdge(cell.getNumEdges()), nullptr);
  EXPECT_EQ(cell.getNodesLocalIndexOfFacet(cell.getNumFacets(), local), 0);
}

// Random parametric points inside a cell come back from locatePoint, and the weights sum to 1.
template <class Inside>
void expectRoundTrip(const PbCell& cell, Inside inside)
{
  std::mt19937 rng(7);
  std::uniform_real_distribution<float> u(0.02f, 0.98f);
  for (int k = 0; k < 200; k++) {
    SbVec3f pc(u(rng), u(rng), u(rng));
    if (!inside(pc))
      continue;
    const SbVec3f p = mapPoint(cell, pc);
    SbVec3f found;
    ASSERT_TRUE(cell.locatePoint(p, 0, found)) << pc[0] << " " << pc[1] << " " << pc[2];
    EXPECT_NEAR((mapPoint(cell, found) - p).length(), 0, 1e-5);
    float w[PbCell::MAX_NODES], sum = 0;
    cell.getWeight(found, w);
    for (int i = 0; i < cell.getNumNodes(); i++)
      sum += w[i];
    EXPECT_NEAR(sum, 1, 1e-6);
  }
}

TEST(HexahedronCell, UnitCubeLocationWeightsAndTables)
{
  PbHexahedronCell hex;
  hex.set(3, kIdentity, kUnitCube);
  SbVec3f pc;
  ASSERT_TRUE(hex.locatePoint(SbVec3f(0.25f, 0.5f, 0.75f), 0, pc));
  EXPECT_NEAR(pc[0], 0.25f, 1e-6);
  EXPECT_NEAR(pc[1], 0.5f, 1e-6);
  EXPECT_NEAR(pc[2], 0.75f, 1e-6);
  EXPECT_FALSE(hex.locatePoint(SbVec3f(1.01f, 0.5f, 0.5f), 0, pc));
  EXPECT_TRUE(hex.locatePoint(SbVec3f(1.01f, 0.5f, 0.5f), 0.02f, pc));
  EXPECT_NEAR(pc[0], 1.01f, 1e-5); // filled even when the point is outside
  EXPECT_FLOAT_EQ(hex.getVolume(), 1);
  EXPECT_FLOAT_EQ(hex.getLongestEdgeLength(), 1);
  expectOutwardFacets(hex);

  // Mesh node numbers come from the local table: facet 1 is local 1, 5, 6, 2.
  const int nodes[8] = {10, 11, 12, 13, 14, 15, 16, 17};
  hex.set(0, nodes, kUnitCube);
  PbArrayOfInt facet;
  ASSERT_EQ(hex.getNodesIndexOfFacet(1, facet), 4);
  EXPECT_EQ(facet[0], 11);
  EXPECT_EQ(facet[1], 15);
  EXPECT_EQ(facet[2], 16);
  EXPECT_EQ(facet[3], 12);
  int edge[2];
  ASSERT_TRUE(hex.getNodesIndexOfEdge(11, edge));
  EXPECT_EQ(edge[0], 13);
  EXPECT_EQ(edge[1], 17);
}

TEST(HexahedronCell, DistortedCellRoundTripAndVolume)
{
  // A parallelepiped: its volume is the triple product of its edge vectors.
  const SbVec3f a(2, 0.3f, 0), b(0.4f, 1.5f, 0.2f), c(0.1f, -0.3f, 1.2f), o(-1, 2, 3);
  const SbVec3f par[8] = {o, o + a, o + a + b, o + b, o + c, o + a + c, o + a + b + c, o + b + c};
  PbHexahedronCell hex;
  hex.set(0, kIdentity, par);
  EXPECT_NEAR(hex.getVolume(), a.dot(b.cross(c)), 1e-5);
  // A twisted, non-planar cell.
  SbVec3f twisted[8];
  for (int i = 0; i < 8; i++)
    twisted[i] = kUnitCube[i] + SbVec3f(0.1f * ((i * 7) % 3 - 1), 0.08f * ((i * 5) % 3 - 1), 0.06f * (i % 2));
  hex.set(0, kIdentity, twisted);
  expectRoundTrip(hex, [](const SbVec3f&) { return true; });
}

TEST(TetrahedronCell, ToleranceDegeneracyAndVolume)
{
  PbTetrahedronCell tet;
  const SbVec3f unit[4] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0), SbVec3f(0, 0, 1)};
  tet.set(0, kIdentity, unit);
  SbVec3f pc;
  EXPECT_TRUE(tet.locatePoint(SbVec3f(0.2f, 0.2f, 0.2f), 0, pc));
  EXPECT_FALSE(tet.locatePoint(SbVec3f(-0.01f, 0.2f, 0.2f), 0, pc));
  EXPECT_TRUE(tet.locatePoint(SbVec3f(-0.01f, 0.2f, 0.2f), 0.02f, pc));
  // Beyond the slanted face: 1 - r - s - t = -0.01.
  EXPECT_FALSE(tet.locatePoint(SbVec3f(0.5f, 0.3f, 0.21f), 0, pc));
  EXPECT_TRUE(tet.locatePoint(SbVec3f(0.5f, 0.3f, 0.21f), 0.02f, pc));
  EXPECT_NEAR(tet.getVolume(), 1.0 / 6.0, 1e-7);
  expectOutwardFacets(tet);
  expectRoundTrip(tet, [](const SbVec3f& p) { return p[0] + p[1] + p[2] < 0.98f; });

  const SbVec3f flat[4] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0), SbVec3f(1, 1, 0)};
  tet.set(1, kIdentity, flat);
  EXPECT_TRUE(tet.isDegenerate());
  EXPECT_FALSE(tet.locatePoint(SbVec3f(0.3f, 0.3f, 0), 0.5f, pc));
  EXPECT_FLOAT_EQ(tet.getVolume(), 0);
}

TEST(WedgeAndPyramidCell, MeasuresTablesAndRoundTrip)
{
  const SbVec3f prism[6] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0),
                            SbVec3f(0, 0, 1), SbVec3f(1, 0, 1), SbVec3f(0, 1, 1)};
  PbWedgeCell wedge;
  wedge.set(0, kIdentity, prism);
  EXPECT_NEAR(wedge.getVolume(), 0.5, 1e-6);
  expectOutwardFacets(wedge);
  SbVec3f skewed[6];
  for (int i = 0; i < 6; i++)
    skewed[i] = prism[i] * 2 + SbVec3f(0.2f * (i >= 3), 0.1f * (i == 4), 0.05f * i);
  wedge.set(0, kIdentity, skewed);
  expectRoundTrip(wedge, [](const SbVec3f& p) { return p[0] + p[1] < 0.98f; });
  SbVec3f pc;
  EXPECT_FALSE(wedge.locatePoint(mapPoint(wedge, SbVec3f(0.6f, 0.6f, 0.5f)), 0, pc)); // r + s > 1

  const SbVec3f pyr[5] = {SbVec3f(0, 0, 0), SbVec3f(2, 0, 0), SbVec3f(2, 2, 0), SbVec3f(0, 2, 0), SbVec3f(1, 1, 3)};
  PbPyramidCell pyramid;
  pyramid.set(0, kIdentity, pyr);
  EXPECT_NEAR(pyramid.getVolume(), 4.0, 1e-5); // base 4, height 3
  expectOutwardFacets(pyramid);
  expectRoundTrip(pyramid, [](const SbVec3f& p) { return p[2] < 0.9f; });
  EXPECT_FALSE(pyramid.locatePoint(SbVec3f(1.9f, 1.9f, 2.0f), 0, pc)); // outside a slanted face
}

TEST(TriangleCell, PlaneProjectionAndSurfaceDistance)
{
  const float x[3] = {0, 1, 0}, y[3] = {0, 0, 1}, zTilted[3] = {0, 1, 1};
  PbTriangleCell tri;
  tri.set(0, 0, 1, 2, x, y, nullptr);
  SbVec3f pc;
  ASSERT_TRUE(tri.locatePoint(SbVec3f(0.25f, 0.5f, 0), 0, pc));
  EXPECT_NEAR(pc[0], 0.25f, 1e-6);
  EXPECT_NEAR(pc[1], 0.5f, 1e-6);
  EXPECT_FALSE(tri.locatePoint(SbVec3f(0.6f, 0.6f, 0), 0, pc));
  EXPECT_FLOAT_EQ(tri.getArea(), 0.5f);

  // On the plane z = x + y: a point 0.001 off the plane is refused although its projection is inside.
  tri.set(0, 0, 1, 2, x, y, zTilted);
  EXPECT_NEAR(tri.getArea(), 0.5f * std::sqrt(3.0f), 1e-6);
  EXPECT_TRUE(tri.locatePoint(SbVec3f(0.2f, 0.3f, 0.5f), 0, pc));
  const SbVec3f n = SbVec3f(-1, -1, 1) / std::sqrt(3.0f);
  EXPECT_FALSE(tri.locatePoint(SbVec3f(0.2f, 0.3f, 0.5f) + 0.001f * n, 0, pc));
  EXPECT_TRUE(tri.locatePoint(SbVec3f(0.2f, 0.3f, 0.5f) + 0.00005f * n, 0, pc));

  // A vertical triangle is located on the plane it faces, not on xy.
  const SbVec3f wall[3] = {SbVec3f(0, 0, 0), SbVec3f(0, 2, 0), SbVec3f(0, 0, 2)};
  tri.set(1, kIdentity, wall, 1);
  ASSERT_TRUE(tri.locatePoint(SbVec3f(0, 0.5f, 1), 0, pc));
  EXPECT_NEAR(pc[0], 0.25f, 1e-6);
  EXPECT_NEAR(pc[1], 0.5f, 1e-6);
  const SbVec3f line[3] = {SbVec3f(0, 0, 0), SbVec3f(1, 1, 1), SbVec3f(2, 2, 2)};
  tri.set(2, kIdentity, line, 1);
  EXPECT_TRUE(tri.isDegenerate());
  EXPECT_FALSE(tri.locatePoint(SbVec3f(1, 1, 1), 1, pc));
}

TEST(QuadrangleCell, NewtonLocationInterpolationAndArea)
{
  // A trapezoid: the bilinear map is not affine, so Newton has real work to do.
  const float x[4] = {0, 4, 3, 1}, y[4] = {0, 0, 2, 2};
  PbQuadrangleCell quad;
  quad.set(5, 0, 1, 2, 3, x, y, nullptr);
  EXPECT_FLOAT_EQ(quad.getArea(), 6);
  const float values[4] = {1, 2, 7, 10};
  EXPECT_FLOAT_EQ(quad.getValue(SbVec3f(0.5f, 0.5f, 0), values), 5);
  expectRoundTrip(quad, [](const SbVec3f&) { return true; });
  SbVec3f pc;
  EXPECT_FALSE(quad.locatePoint(SbVec3f(0.2f, 1.9f, 0), 0, pc)); // left of the slanted side
  EXPECT_TRUE(quad.locatePoint(SbVec3f(1.5f, 1.0f, 0), 0, pc));

  // On a mesh with z, the cell's own plane limits the accepted points.
  const float z[4] = {0, 0, 2, 2};
  quad.set(5, 0, 1, 2, 3, x, y, z);
  EXPECT_TRUE(quad.locatePoint(SbVec3f(2, 1, 1), 0, pc));
  EXPECT_FALSE(quad.locatePoint(SbVec3f(2, 1, 1.01f), 0, pc));
  EXPECT_NEAR(quad.getArea(), 6 * std::sqrt(2.0f), 1e-5);
}

TEST(PixelAndVoxelCell, DirectLocationAndMeasures)
{
  PbPixelCell pixel;
  pixel.set(0, kIdentity, 1, 2, 3, 6);
  SbVec3f pc;
  ASSERT_TRUE(pixel.locatePoint(SbVec3f(1.5f, 5, 0), 0, pc));
  EXPECT_FLOAT_EQ(pc[0], 0.25f);
  EXPECT_FLOAT_EQ(pc[1], 0.75f);
  EXPECT_FALSE(pixel.locatePoint(SbVec3f(3.5f, 5, 0), 0, pc));
  EXPECT_FLOAT_EQ(pc[0], 1.25f);
  EXPECT_FLOAT_EQ(pixel.getArea(), 8);

  PbVoxelCell voxel;
  voxel.set(0, kIdentity, SbVec3f(0, 0, 0), SbVec3f(2, 4, 8));
  ASSERT_TRUE(voxel.locatePoint(SbVec3f(1, 1, 6), 0, pc));
  EXPECT_FLOAT_EQ(pc[0], 0.5f);
  EXPECT_FLOAT_EQ(pc[1], 0.25f);
  EXPECT_FLOAT_EQ(pc[2], 0.75f);
  EXPECT_FLOAT_EQ(voxel.getVolume(), 64);
  EXPECT_FLOAT_EQ(voxel.getLongestEdgeLength(), 8);
  expectOutwardFacets(voxel);
  voxel.set(0, kIdentity, SbVec3f(0, 0, 0), SbVec3f(2, 0, 8));
  EXPECT_FALSE(voxel.locatePoint(SbVec3f(1, 0, 1), 1, pc));
}

TEST(Cell, PlaneCrossingAndVectorInterpolation)
{
  PbHexahedronCell hex;
  hex.set(0, kIdentity, kUnitCube);
  int edges[12];
  float params[12];
  ASSERT_EQ(hex.getEdgesCrossingPlane(SbPlane(SbVec3f(0, 0, 1), 0.25f), edges, params), 4);
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(edges[i], 8 + i);
    EXPECT_NEAR(params[i], 0.25f, 1e-6);
  }
  EXPECT_EQ(hex.getEdgesCrossingPlane(SbPlane(SbVec3f(0, 0, 1), 2), edges, params), 0);

  SbVec3f vectors[8];
  for (int i = 0; i < 8; i++)
    vectors[i] = kUnitCube[i] * 3 + SbVec3f(1, 0, 0);
  const SbVec3f v = hex.getValue(SbVec3f(0.2f, 0.4f, 0.6f), vectors);
  EXPECT_NEAR((v - SbVec3f(1.6f, 1.2f, 1.8f)).length(), 0, 1e-6);
}

// Turning a cell keeps the way its nodes turn; a reflection or a mirrored node list reverses it.
TEST(Cell, OrderingIsTheHandednessOfTheNodeOrder)
{
  const SbVec3f prism[6] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0),
                            SbVec3f(0, 0, 1), SbVec3f(1, 0, 1), SbVec3f(0, 1, 1)};
  const SbVec3f pyr[5] = {SbVec3f(0, 0, 0), SbVec3f(2, 0, 0), SbVec3f(2, 2, 0), SbVec3f(0, 2, 0), SbVec3f(1, 1, 3)};
  const SbVec3f tetra[4] = {SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(0, 1, 0), SbVec3f(0, 0, 1)};
  PbHexahedronCell hex;
  PbWedgeCell wedge;
  PbPyramidCell pyramid;
  PbTetrahedronCell tet;
  struct Kind {
    const char* name;
    int num;
    const SbVec3f* reference;
    std::vector<int> mirror; // the same cell with two opposite facets swapped
    std::function<void(const int*, const SbVec3f*)> set;
    const PbCell* cell;
  };
  const Kind kinds[] = {
    {"hexahedron", 8, kUnitCube, {4, 5, 6, 7, 0, 1, 2, 3},
     [&](const int* n, const SbVec3f* c) { hex.set(0, n, c); }, &hex},
    {"wedge", 6, prism, {3, 4, 5, 0, 1, 2}, [&](const int* n, const SbVec3f* c) { wedge.set(0, n, c); }, &wedge},
    {"pyramid", 5, pyr, {0, 3, 2, 1, 4}, [&](const int* n, const SbVec3f* c) { pyramid.set(0, n, c); }, &pyramid},
    {"tetrahedron", 4, tetra, {0, 2, 1, 3}, [&](const int* n, const SbVec3f* c) { tet.set(0, n, c); }, &tet},
  };
  std::mt19937 random(7);
  std::uniform_real_distribution<float> unit(-1, 1);
  for (const Kind& kind : kinds) {
    for (int trial = 0; trial < 20; ++trial) {
      // A slightly distorted cell, turned and moved far from the origin.
      const SbRotation turn(SbVec3f(unit(random), unit(random), unit(random) + 2), 3 * unit(random));
      const SbVec3f offset(1000 * unit(random), 1000 * unit(random), 1000 * unit(random));
      SbVec3f turned[8], reflected[8], listed[8];
      for (int i = 0; i < kind.num; ++i) {
        const SbVec3f p = kind.reference[i] + 0.1f * SbVec3f(unit(random), unit(random), unit(random));
        turn.multVec(p, turned[i]);
        turned[i] += offset;
        reflected[i].setValue(-turned[i][0], turned[i][1], turned[i][2]);
      }
      for (int i = 0; i < kind.num; ++i)
        listed[i] = turned[kind.mirror[i]];
      kind.set(kIdentity, turned);
      EXPECT_EQ(kind.cell->getOrdering(), 1) << kind.name << " trial " << trial;
      kind.set(kIdentity, reflected);
      EXPECT_EQ(kind.cell->getOrdering(), 0) << kind.name << " trial " << trial;
      kind.set(kIdentity, listed);
      EXPECT_EQ(kind.cell->getOrdering(), 0) << kind.name << " trial " << trial;
    }
  }
  // Voxels are set from their two corners; surface cells have no handedness.
  PbVoxelCell voxel;
  voxel.set(0, kIdentity, SbVec3f(0, 0, 0), SbVec3f(2, 4, 8));
  EXPECT_EQ(voxel.getOrdering(), 1);
  voxel.set(0, kIdentity, SbVec3f(2, 0, 0), SbVec3f(0, 4, 8));
  EXPECT_EQ(voxel.getOrdering(), 0);
  PbQuadrangleCell quad;
  const float x[] = {0, 0, 1, 1}, y[] = {0, 1, 1, 0};
  quad.set(0, 0, 1, 2, 3, x, y, nullptr);
  EXPECT_EQ(quad.getOrdering(), 1);
}

} // namespace
