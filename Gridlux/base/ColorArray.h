// Growable array of RGB colours for the library's geometry builders.
#ifndef GRIDLUX_COLORARRAY_H
#define GRIDLUX_COLORARRAY_H

#include <Gridlux/base/ArrayBase.h>

/**
 * @brief Growable array of SbColor (RGB colours).
 *
 * All behaviour comes from ArrayBase; see there for the growth and insertion rules.
 */
class ColorArray : public ArrayBase<SbColor> {
public:
  ColorArray() = default;
  ~ColorArray() override;
};

#endif
