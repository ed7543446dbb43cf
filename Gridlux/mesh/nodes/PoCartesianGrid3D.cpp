// Property node of a curvilinear volume grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoCartesianGrid3D.h>

PO_MESH_PROPERTY_SOURCE(PoCartesianGrid3D, PbCartesianGrid3D)
