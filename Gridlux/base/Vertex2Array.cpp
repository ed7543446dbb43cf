// Growable array of 2D vertices.
#include <Gridlux/base/Vertex2Array.h>

// Defined here so that the class's virtual table is emitted once, in the library.
Vertex2Array::~Vertex2Array() = default;
