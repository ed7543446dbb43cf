// Rule that maps data values to colours and transparencies.
#ifndef GRIDLUX_PBDATAMAPPING_H
#define GRIDLUX_PBDATAMAPPING_H

#include <Gridlux/base/PbBase.h>

/**
 * @brief Value-to-colour rule shared by the representations.
 *
 * Parts whose mapped transparency reaches getTransparencyValueDeletedParts() (0.95 by default)
 * are removed from the built geometry rather than drawn transparent.
 */
class PbDataMapping : public PbBase {
public:
  PbDataMapping();
  PbDataMapping(const PbDataMapping& other);
  PbDataMapping& operator=(const PbDataMapping& other);

  void setTransparencyValueDeletedParts(float value);
  float getTransparencyValueDeletedParts() const { return m_transparencyValueDeletedParts; }

private:
  float m_transparencyValueDeletedParts = 0.95f;
};

#endif
