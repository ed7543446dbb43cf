// Growable array of 3D vertices.
#include <Gridlux/base/Vertex3Array.h>

// Defined here so that the class's virtual table is emitted once, in the library.
Vertex3Array::~Vertex3Array() = default;
