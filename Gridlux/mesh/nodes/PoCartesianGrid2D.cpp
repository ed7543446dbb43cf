// Property node of a curvilinear surface grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoCartesianGrid2D.h>

PO_MESH_PROPERTY_SOURCE(PoCartesianGrid2D, PbCartesianGrid2D)
