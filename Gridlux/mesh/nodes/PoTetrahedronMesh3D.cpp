// Property node of a tetrahedron volume mesh: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoTetrahedronMesh3D.h>

PO_MESH_PROPERTY_SOURCE(PoTetrahedronMesh3D, PbTetrahedronMesh3D)
