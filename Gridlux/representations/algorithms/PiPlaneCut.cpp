// Cut tables of the four cell kinds and the list of faces found lying in a cutting plane.
#include <Gridlux/representations/algorithms/PiPlaneCut.h>

#include <algorithm>

namespace {

// A node's mask is the union of the masks of its edges: the faces it lies on.
const int kTetEdges[6][2] = {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 3}, {2, 3}};
const unsigned char kTetNodeMask[4] = {13, 11, 14, 7};
const unsigned char kTetEdgeMask[6] = {9, 10, 12, 5, 3, 6};

const int kPyrEdges[8][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 4}, {1, 4}, {2, 4}, {3, 4}};
const unsigned char kPyrNodeMask[5] = {19, 7, 13, 25, 29};
const unsigned char kPyrEdgeMask[8] = {3, 5, 9, 17, 18, 6, 12, 24};

const int kWedgeEdges[9][2] = {{0, 1}, {1, 5}, {5, 0}, {3, 2}, {2, 4}, {4, 3}, {0, 3}, {1, 2}, {5, 4}};
const unsigned char kWedgeNodeMask[6] = {13, 21, 22, 14, 26, 25};
const unsigned char kWedgeEdgeMask[9] = {5, 17, 9, 6, 18, 10, 12, 20, 24};

// Faces: bit 0 (0,1,2,3), bit 1 (1,2,5,6), bit 2 (4,5,6,7), bit 3 (0,3,4,7), bit 4 (0,1,6,7),
// bit 5 (2,3,4,5).
const int kHexEdges[12][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                              {6, 7}, {7, 4}, {0, 7}, {1, 6}, {2, 5}, {3, 4}};
const unsigned char kHexNodeMask[8] = {25, 19, 35, 41, 44, 38, 22, 28};
const unsigned char kHexEdgeMask[12] = {17, 3, 33, 9, 36, 6, 20, 12, 24, 18, 34, 40};

const PiPlaneCut::CellTable kTet = {4, 6, 4, kTetEdges, kTetNodeMask, kTetEdgeMask};
const PiPlaneCut::CellTable kPyr = {5, 8, 5, kPyrEdges, kPyrNodeMask, kPyrEdgeMask};
const PiPlaneCut::CellTable kWedge = {6, 9, 5, kWedgeEdges, kWedgeNodeMask, kWedgeEdgeMask};
const PiPlaneCut::CellTable kHex = {8, 12, 6, kHexEdges, kHexNodeMask, kHexEdgeMask};

// The cutter's local node i is entry order[i] of the mesh's list: a hexahedron's cutter runs
// round its bottom face the other way and numbers its top face from the corner above node 3.
const int kIdentity[8] = {0, 1, 2, 3, 4, 5, 6, 7};
const int kHexOrder[8] = {0, 3, 2, 1, 5, 6, 7, 4};
const int kWedgeOrder[6] = {0, 2, 5, 3, 4, 1};

} // namespace

const PiPlaneCut::CellTable& PiPlaneCut::tetrahedron()
{
  return kTet;
}

const PiPlaneCut::CellTable& PiPlaneCut::pyramid()
{
  return kPyr;
}

const PiPlaneCut::CellTable& PiPlaneCut::wedge()
{
  return kWedge;
}

const PiPlaneCut::CellTable& PiPlaneCut::hexahedron()
{
  return kHex;
}

const PiPlaneCut::CellTable* PiPlaneCut::tableOf(int numNodes)
{
  switch (numNodes) {
  case 4:
    return &kTet;
  case 5:
    return &kPyr;
  case 6:
    return &kWedge;
  case 8:
    return &kHex;
  default:
    return nullptr;
  }
}

const int* PiPlaneCut::meshOrderOf(int numNodes)
{
  return numNodes == 8 ? kHexOrder : numNodes == 6 ? kWedgeOrder : kIdentity;
}

void PiPlaneCut::initFoundFaces()
{
  m_foundFaces.clear();
}

bool PiPlaneCut::FaceKey::operator==(const FaceKey& other) const
{
  return std::equal(points, points + 4, other.points);
}

size_t PiPlaneCut::FaceKeyHash::operator()(const FaceKey& key) const
{
  size_t h = 0;
  for (int p : key.points)
    h = h * 1000003u ^ static_cast<size_t>(static_cast<unsigned>(p));
  return h;
}

bool PiPlaneCut::isFaceAlreadyFound(int count, const int* points, bool allKnown)
{
  // Faces have three or four nodes; more nodes on the plane is a cell lying in it, not a face.
  if (count > 4)
    return false;
  FaceKey face = {{-1, -1, -1, -1}};
  // At most four points: sorted by insertion.
  for (int i = 0; i < count; ++i) {
    int k = i;
    for (; k > 0 && face.points[k - 1] > points[i]; --k)
      face.points[k] = face.points[k - 1];
    face.points[k] = points[i];
  }
  if (allKnown && m_foundFaces.count(face))
    return true;
  m_foundFaces.insert(face);
  return false;
}
