// Property node of a triangle surface mesh: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoTriangleMesh2D.h>

PO_MESH_PROPERTY_SOURCE(PoTriangleMesh2D, PbTriangleMesh2D)
