// Growable array of 3D vertices for the library's geometry builders.
#ifndef GRIDLUX_VERTEX3ARRAY_H
#define GRIDLUX_VERTEX3ARRAY_H

#include <Gridlux/base/ArrayBase.h>

/**
 * @brief Growable array of SbVec3f (3D vertices).
 *
 * All behaviour comes from ArrayBase; see there for the growth and insertion rules.
 */
class Vertex3Array : public ArrayBase<SbVec3f> {
public:
  Vertex3Array() = default;
  ~Vertex3Array() override;
};

#endif
