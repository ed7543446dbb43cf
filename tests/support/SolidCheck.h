// Checks that triangles collected from a scene bound closed solids that face out.
#ifndef GRIDLUX_TESTS_SOLIDCHECK_H
#define GRIDLUX_TESTS_SOLIDCHECK_H

#include "GeometryProbe.h"

#include <vector>

/**
 * What a triangle soup says about the solid it bounds, after welding vertices closer than the
 * tolerance:
 *
 *   GeometryProbe probe(root);
 *   SolidReport solid = checkSolid(probe.triangles());
 *   EXPECT_TRUE(solid.closed());
 *   EXPECT_NEAR(solid.volume, M_PI * r * r * h, 1e-5);
 *
 * An edge used by one triangle only is open; an edge that two triangles run the same way (instead
 * of in opposite directions) is misoriented; an edge in three or more is non-manifold. The volume is
 * the divergence-theorem sum, positive when the faces point out. Degenerate (zero-area) triangles
 * are skipped, since they bound nothing.
 */
struct SolidReport {
  int numTriangles = 0;
  int openEdges = 0;
  int misorientedEdges = 0;
  int nonManifoldEdges = 0;
  double volume = 0.0;
  double area = 0.0;

  bool closed() const { return numTriangles > 0 && openEdges == 0 && misorientedEdges == 0 && nonManifoldEdges == 0; }
};

SolidReport checkSolid(const std::vector<GeometryProbe::Triangle>& triangles, double weldTolerance = 1e-5);

#endif
