// Property node of a rectilinear surface grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoParalCartesianGrid2D.h>

PO_MESH_PROPERTY_SOURCE(PoParalCartesianGrid2D, PbParalCartesianGrid2D)
