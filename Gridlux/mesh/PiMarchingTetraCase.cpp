// Marching case of the tetrahedron: edge ends and quarter-turn tables.
#include <Gridlux/mesh/PiMarchingTetraCase.h>

namespace {
const int kEdgeNodes[6][2] = {{0, 1}, {1, 2}, {0, 2}, {0, 3}, {1, 3}, {2, 3}};
// One quarter turn about X: entry i is the image of node i, resp. edge i.
const int kNodeX[4] = {0, 3, 1, 2};
const int kEdgeX[6] = {3, 4, 0, 2, 5, 1};
// One quarter turn about Y: entry i is the image of node i, resp. edge i.
const int kNodeY[4] = {2, 1, 3, 0};
const int kEdgeY[6] = {1, 4, 5, 2, 0, 3};
// One quarter turn about Z: entry i is the image of node i, resp. edge i.
const int kNodeZ[4] = {3, 0, 2, 1};
const int kEdgeZ[6] = {3, 2, 5, 4, 0, 1};
}

PiMarchingCase* PiMarchingTetraCase::getRotX(int n) const
{
  PiMarchingTetraCase* result = new PiMarchingTetraCase(*this);
  result->rot(n, kNodeX, kEdgeX);
  return result;
}

PiMarchingCase* PiMarchingTetraCase::getRotY(int n) const
{
  PiMarchingTetraCase* result = new PiMarchingTetraCase(*this);
  result->rot(n, kNodeY, kEdgeY);
  return result;
}

PiMarchingCase* PiMarchingTetraCase::getRotZ(int n) const
{
  PiMarchingTetraCase* result = new PiMarchingTetraCase(*this);
  result->rot(n, kNodeZ, kEdgeZ);
  return result;
}

PiMarchingCase* PiMarchingTetraCase::getReverse() const
{
  PiMarchingTetraCase* result = new PiMarchingTetraCase(*this);
  result->revert();
  return result;
}

int PiMarchingTetraCase::getEdgeNode0(int edge) const
{
  return edge >= 0 && edge < 6 ? kEdgeNodes[edge][0] : -1;
}

int PiMarchingTetraCase::getEdgeNode1(int edge) const
{
  return edge >= 0 && edge < 6 ? kEdgeNodes[edge][1] : -1;
}
