// Property node of a surface mesh of triangles and quadrangles: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoIndexedMesh2D.h>

PO_MESH_PROPERTY_SOURCE(PoIndexedMesh2D, PbIndexedMesh2D)
