// Property node of a volume mesh of tetrahedra, pyramids, wedges and hexahedra: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoIndexedMesh3D.h>

PO_MESH_PROPERTY_SOURCE(PoIndexedMesh3D, PbIndexedMesh3D)
