// Property node of a polar surface grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoPolarGrid2D.h>

PO_MESH_PROPERTY_SOURCE(PoPolarGrid2D, PbPolarGrid2D)
