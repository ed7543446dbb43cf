// Growable array of 2D vertices for the library's geometry builders.
#ifndef GRIDLUX_VERTEX2ARRAY_H
#define GRIDLUX_VERTEX2ARRAY_H

#include <Gridlux/base/ArrayBase.h>

/**
 * @brief Growable array of SbVec2f (2D vertices).
 *
 * All behaviour comes from ArrayBase; see there for the growth and insertion rules.
 */
class Vertex2Array : public ArrayBase<SbVec2f> {
public:
  Vertex2Array() = default;
  ~Vertex2Array() override;
};

#endif
