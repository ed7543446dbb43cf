// Constrained and conforming Delaunay triangulation through CGAL. CGAL is GPL-licensed: this file is
// the only one of the library that includes it, and it is compiled to a failing stub without it.
#include <Gridlux/mesh/PiConstrainedTriangulation.h>

#include <Gridlux/base/PoDebugError.h>

#ifdef GRIDLUX_HAVE_CGAL

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_conformer_2.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <cmath>
#include <exception>

namespace {

// Index of the given point a vertex stands for; -1 for a point the triangulation added.
struct PointId {
  int index = -1;
};

typedef CGAL::Exact_predicates_inexact_constructions_kernel Kernel;
typedef CGAL::Triangulation_vertex_base_with_info_2<PointId, Kernel> VertexBase;
typedef CGAL::Constrained_triangulation_face_base_2<Kernel> FaceBase;
typedef CGAL::Triangulation_data_structure_2<VertexBase, FaceBase> DataStructure;
// Exact predicates let crossing segments meet at a computed point instead of failing.
typedef CGAL::Constrained_Delaunay_triangulation_2<Kernel, DataStructure, CGAL::Exact_predicates_tag> Triangulation;

} // namespace

int PiConstrainedTriangulation::isAvailable()
{
  return 1;
}

int PiConstrainedTriangulation::triangulate(int numPoints, const double* x, const double* y, int numSegments,
                                            const int* segments, int splitSegments, std::vector<double>& outX,
                                            std::vector<double>& outY, std::vector<int>& triangles)
{
  static const char* method = "PiConstrainedTriangulation::triangulate";
  outX.clear();
  outY.clear();
  triangles.clear();
  if (numPoints < 0 || numSegments < 0 || (numPoints > 0 && (!x || !y)) || (numSegments > 0 && !segments)) {
    PoDebugError::post(method, "bad input (%d points, %d segments)", numPoints, numSegments);
    return 0;
  }
  for (int i = 0; i < numPoints; i++) {
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) {
      PoDebugError::post(method, "point %d is not finite", i);
      return 0;
    }
  }
  for (int s = 0; s < 2 * numSegments; s++) {
    if (segments[s] < 0 || segments[s] >= numPoints) {
      PoDebugError::post(method, "segment %d refers to point %d, out of [0, %d)", s / 2, segments[s], numPoints);
      return 0;
    }
  }
  try {
    Triangulation cdt;
    std::vector<Triangulation::Vertex_handle> handles(static_cast<size_t>(numPoints));
    for (int i = 0; i < numPoints; i++) {
      handles[i] = cdt.insert(Triangulation::Point(x[i], y[i]));
      // A repeated point keeps the index of its first occurrence.
      if (handles[i]->info().index < 0)
        handles[i]->info().index = i;
    }
    for (int s = 0; s < numSegments; s++) {
      const auto a = handles[segments[2 * s]], b = handles[segments[2 * s + 1]];
      if (a != b)
        cdt.insert_constraint(a, b);
    }
    if (splitSegments)
      CGAL::make_conforming_Delaunay_2(cdt);

    outX.assign(x, x + numPoints);
    outY.assign(y, y + numPoints);
    for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v) {
      if (v->info().index >= 0)
        continue;
      v->info().index = int(outX.size());
      outX.push_back(v->point().x());
      outY.push_back(v->point().y());
    }
    triangles.reserve(3 * cdt.number_of_faces());
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f)
      for (int k = 0; k < 3; k++)
        triangles.push_back(f->vertex(k)->info().index);
  }
  catch (const std::exception& e) {
    PoDebugError::post(method, "the triangulation failed: %s", e.what());
    outX.clear();
    outY.clear();
    triangles.clear();
    return 0;
  }
  return 1;
}

#else

int PiConstrainedTriangulation::isAvailable()
{
  return 0;
}

int PiConstrainedTriangulation::triangulate(int, const double*, const double*, int, const int*, int,
                                            std::vector<double>& outX, std::vector<double>& outY,
                                            std::vector<int>& triangles)
{
  outX.clear();
  outY.clear();
  triangles.clear();
  PoDebugError::post("PiConstrainedTriangulation::triangulate",
                     "the library was built without a constrained triangulator (GRIDLUX_WITH_CGAL=OFF)");
  return 0;
}

#endif
