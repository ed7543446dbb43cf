// Marching case of the hexahedron: edge ends and quarter-turn tables.
#include <Gridlux/mesh/PiMarchingCubeCase.h>

namespace {
const int kEdgeNodes[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6}, {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
// One quarter turn about X: entry i is the image of node i, resp. edge i.
const int kNodeX[8] = {4, 0, 3, 7, 5, 1, 2, 6};
const int kEdgeX[12] = {8, 3, 11, 7, 9, 1, 10, 5, 4, 0, 2, 6};
// One quarter turn about Y: entry i is the image of node i, resp. edge i.
const int kNodeY[8] = {3, 2, 6, 7, 0, 1, 5, 4};
const int kEdgeY[12] = {2, 10, 6, 11, 0, 9, 4, 8, 3, 1, 5, 7};
// One quarter turn about Z: entry i is the image of node i, resp. edge i.
const int kNodeZ[8] = {3, 0, 1, 2, 7, 4, 5, 6};
const int kEdgeZ[12] = {3, 0, 1, 2, 7, 4, 5, 6, 11, 8, 9, 10};
}

PiMarchingCase* PiMarchingCubeCase::getRotX(int n) const
{
  PiMarchingCubeCase* result = new PiMarchingCubeCase(*this);
  result->rot(n, kNodeX, kEdgeX);
  return result;
}

PiMarchingCase* PiMarchingCubeCase::getRotY(int n) const
{
  PiMarchingCubeCase* result = new PiMarchingCubeCase(*this);
  result->rot(n, kNodeY, kEdgeY);
  return result;
}

PiMarchingCase* PiMarchingCubeCase::getRotZ(int n) const
{
  PiMarchingCubeCase* result = new PiMarchingCubeCase(*this);
  result->rot(n, kNodeZ, kEdgeZ);
  return result;
}

PiMarchingCase* PiMarchingCubeCase::getReverse() const
{
  PiMarchingCubeCase* result = new PiMarchingCubeCase(*this);
  result->revert();
  return result;
}

int PiMarchingCubeCase::getEdgeNode0(int edge) const
{
  return edge >= 0 && edge < 12 ? kEdgeNodes[edge][0] : -1;
}

int PiMarchingCubeCase::getEdgeNode1(int edge) const
{
  return edge >= 0 && edge < 12 ? kEdgeNodes[edge][1] : -1;
}
