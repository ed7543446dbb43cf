// Property node of a regular one-dimensional mesh: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoRegularMesh1D.h>

PO_MESH_PROPERTY_SOURCE(PoRegularMesh1D, PbRegularMesh1D)
