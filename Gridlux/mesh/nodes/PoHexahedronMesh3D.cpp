// Property node of a hexahedron volume mesh: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoHexahedronMesh3D.h>

PO_MESH_PROPERTY_SOURCE(PoHexahedronMesh3D, PbHexahedronMesh3D)
