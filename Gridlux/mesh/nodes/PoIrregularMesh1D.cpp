// Property node of an irregular one-dimensional mesh: its field holds the mesh by value.
#include <Gridlux/mesh/nodes/PoIrregularMesh1D.h>

PO_MESH_PROPERTY_SOURCE(PoIrregularMesh1D, PbIrregularMesh1D)
