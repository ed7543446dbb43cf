// Property node of a regular surface grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid2D.h>

PO_MESH_PROPERTY_SOURCE(PoRegularCartesianGrid2D, PbRegularCartesianGrid2D)
