// Property node of a quadrangle surface mesh: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoQuadrangleMesh2D.h>

PO_MESH_PROPERTY_SOURCE(PoQuadrangleMesh2D, PbQuadrangleMesh2D)
