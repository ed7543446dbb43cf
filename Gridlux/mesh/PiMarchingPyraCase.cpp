// Marching case of the pyramid: edge ends and quarter-turn tables.
#include <Gridlux/mesh/PiMarchingPyraCase.h>

namespace {
const int kEdgeNodes[8][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 4}, {1, 4}, {2, 4}, {3, 4}};
// One quarter turn about X: entry i is the image of node i, resp. edge i.
const int kNodeX[5] = {1, 2, 3, 0, 4};
const int kEdgeX[8] = {1, 2, 3, 0, 5, 6, 7, 4};
}

PiMarchingCase* PiMarchingPyraCase::getRotX(int n) const
{
  PiMarchingPyraCase* result = new PiMarchingPyraCase(*this);
  result->rot(n, kNodeX, kEdgeX);
  return result;
}

PiMarchingCase* PiMarchingPyraCase::getReverse() const
{
  PiMarchingPyraCase* result = new PiMarchingPyraCase(*this);
  result->revert();
  return result;
}

int PiMarchingPyraCase::getEdgeNode0(int edge) const
{
  return edge >= 0 && edge < 8 ? kEdgeNodes[edge][0] : -1;
}

int PiMarchingPyraCase::getEdgeNode1(int edge) const
{
  return edge >= 0 && edge < 8 ? kEdgeNodes[edge][1] : -1;
}
