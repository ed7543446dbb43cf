// Square profile.
#ifndef GRIDLUX_POSQUAREPROFILE_H
#define GRIDLUX_POSQUAREPROFILE_H

#include <Gridlux/attributes/PoProfile.h>

#include <Inventor/fields/SoSFFloat.h>

/**
 * @brief Profile of the axis-aligned square of side `size` (1) centred on the origin, from its
 * lower-left corner counter-clockwise. A size that is not a positive finite number posts a message
 * and the default circle is used.
 */
class PoSquareProfile : public PoProfile {
  typedef PoProfile inherited;
  PO_NODE_HEADER(PoSquareProfile);

public:
  PoSquareProfile();
  static void initClass();

  SoSFFloat size;

protected:
  ~PoSquareProfile() override;
  void computePolygon(std::vector<SbVec2f>& points) const override;
};

#endif
