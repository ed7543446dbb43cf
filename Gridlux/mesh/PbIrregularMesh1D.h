// Irregular one-dimensional mesh: one abscissa given per node.
#ifndef GRIDLUX_PBIRREGULARMESH1D_H
#define GRIDLUX_PBIRREGULARMESH1D_H

#include <Gridlux/mesh/PbMesh1D.h>

/**
 * @brief One-dimensional mesh whose node i stands at x[i]; the abscissas need not be sorted.
 *
 * The x array is always copied into the mesh. setGeometry() notifies the following nodes
 * (change type 2); null arrays, negative counts and non-finite abscissas are refused with a message.
 */
class PbIrregularMesh1D : public PbMesh1D {
public:
  explicit PbIrregularMesh1D(int isDataDuplicate = 1);
  PbIrregularMesh1D(int numX, const float* x, int isDataDuplicate = 1);
  PbIrregularMesh1D(const PbIrregularMesh1D& other);
  PbIrregularMesh1D& operator=(const PbIrregularMesh1D& other);
  ~PbIrregularMesh1D() override;

  /** 1 on success; 0 with a message and the geometry unchanged for bad input. */
  int setGeometry(int numX, const float* x);
  /** The mesh's own array (null while the mesh is empty). */
  void getGeometry(int& numX, const float*& x) const;

  void print(FILE* file) const override;

protected:
  float getXCoord(int nodeIndex) const override { return m_x[nodeIndex]; }
  void updateBoundingBox() override;

private:
  void storeX(int numX, const float* x);

  float* m_x = nullptr;
  int m_capacity = 0;
};

#endif
