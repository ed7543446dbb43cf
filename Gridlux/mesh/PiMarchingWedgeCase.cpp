// Marching case of the wedge: edge ends and quarter-turn tables.
#include <Gridlux/mesh/PiMarchingWedgeCase.h>

namespace {
const int kEdgeNodes[9][2] = {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}, {0, 3}, {1, 4}, {2, 5}};
// One quarter turn about Y: entry i is the image of node i, resp. edge i.
const int kNodeY[6] = {4, 3, 5, 1, 0, 2};
const int kEdgeY[9] = {3, 5, 4, 0, 2, 1, 7, 6, 8};
// One quarter turn about Z: entry i is the image of node i, resp. edge i.
const int kNodeZ[6] = {1, 2, 0, 4, 5, 3};
const int kEdgeZ[9] = {1, 2, 0, 4, 5, 3, 7, 8, 6};
}

PiMarchingCase* PiMarchingWedgeCase::getRotY(int n) const
{
  PiMarchingWedgeCase* result = new PiMarchingWedgeCase(*this);
  result->rot(n, kNodeY, kEdgeY);
  return result;
}

PiMarchingCase* PiMarchingWedgeCase::getRotZ(int n) const
{
  PiMarchingWedgeCase* result = new PiMarchingWedgeCase(*this);
  result->rot(n, kNodeZ, kEdgeZ);
  return result;
}

PiMarchingCase* PiMarchingWedgeCase::getReverse() const
{
  PiMarchingWedgeCase* result = new PiMarchingWedgeCase(*this);
  result->revert();
  return result;
}

int PiMarchingWedgeCase::getEdgeNode0(int edge) const
{
  return edge >= 0 && edge < 9 ? kEdgeNodes[edge][0] : -1;
}

int PiMarchingWedgeCase::getEdgeNode1(int edge) const
{
  return edge >= 0 && edge < 9 ? kEdgeNodes[edge][1] : -1;
}
