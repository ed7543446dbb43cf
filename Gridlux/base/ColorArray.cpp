// Growable array of RGB colours.
#include <Gridlux/base/ColorArray.h>

// Defined here so that the class's virtual table is emitted once, in the library.
ColorArray::~ColorArray() = default;
