// Property node of a regular volume grid: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoRegularCartesianGrid3D.h>

PO_MESH_PROPERTY_SOURCE(PoRegularCartesianGrid3D, PbRegularCartesianGrid3D)
