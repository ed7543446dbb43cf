// Property node of a rectilinear volume grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoParalCartesianGrid3D.h>

PO_MESH_PROPERTY_SOURCE(PoParalCartesianGrid3D, PbParalCartesianGrid3D)
