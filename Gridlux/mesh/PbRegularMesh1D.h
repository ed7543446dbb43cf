// Regular one-dimensional mesh: nodes at equal steps between two abscissas.
#ifndef GRIDLUX_PBREGULARMESH1D_H
#define GRIDLUX_PBREGULARMESH1D_H

#include <Gridlux/mesh/PbMesh1D.h>

/**
 * @brief One-dimensional mesh of numX nodes at x_i = xmin + i * step, step = (xmax - xmin) / (numX - 1).
 *
 * The bounding box spans (xmin, 0, 0) to (xmax, 0, 0). setGeometry() notifies the following
 * nodes (change type 2); non-finite bounds and negative counts are refused with a message.
 */
class PbRegularMesh1D : public PbMesh1D {
public:
  explicit PbRegularMesh1D(int isDataDuplicate = 1);
  PbRegularMesh1D(int numX, float xmin, float xmax, int isDataDuplicate = 1);
  PbRegularMesh1D(const PbRegularMesh1D& other);
  PbRegularMesh1D& operator=(const PbRegularMesh1D& other);
  ~PbRegularMesh1D() override;

  /** 1 on success; 0 with a message and the geometry unchanged for bad input. */
  int setGeometry(int numX, float xmin, float xmax);
  void getGeometry(int& numX, float& xmin, float& xmax) const;
  float getStep() const { return m_step; }

  void print(FILE* file) const override;

protected:
  float getXCoord(int nodeIndex) const override { return m_xmin + nodeIndex * m_step; }
  void updateBoundingBox() override;

private:
  float m_xmin = 0;
  float m_xmax = 0;
  float m_step = 0;
};

#endif
