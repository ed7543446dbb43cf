// Polar surface grid: one radius per column and one angle per row.
#ifndef GRIDLUX_PBPOLARGRID2D_H
#define GRIDLUX_PBPOLARGRID2D_H

#include <Gridlux/mesh/PbGrid2D.h>
#include <Gridlux/mesh/PbQuadrangleCell.h>

/**
 * @brief Polar 2D grid: node (i, j) at (r[i] cos t[j], r[i] sin t[j]), angles in radians,
 * optional z[i][j].
 *
 * setGeometry(numR, numT, radii, angles) takes numR radii and numT angles. Cells are the
 * quadrangles between neighbouring nodes (chords, not arcs). The grid offers no cell location.
 */
class PbPolarGrid2D : public PbGrid2D {
public:
  void meshLines(PoMeshLines* node) const override;
  void meshFilled(PoMeshFilled* node) const override;
  void mesh2DVec(PoMesh2DVec* node) const override;
  explicit PbPolarGrid2D(int isDataDuplicate = 1);
  PbPolarGrid2D(int numR, int numT, const float* radii, const float* angles, int isDataDuplicate = 1);
  PbPolarGrid2D(const PbPolarGrid2D& other);
  PbPolarGrid2D& operator=(const PbPolarGrid2D& other);
  ~PbPolarGrid2D() override;

  void getGeometry(int& numR, int& numT, const float*& radii, const float*& angles) const;
  void getGeometry(int& numR, int& numT, const float*& radii, const float*& angles, const float*& z) const;

  using PbGrid2D::getNodeCoord;
  SbVec3f getNodeCoord(int i, int j) const override;
  const PbCell* getCell(int cellIndex) const override;

protected:
  int setXYGeometry(int numX, int numY, const float* x, const float* y) override;
  void updateBoundingBox() override;

private:
  mutable PbQuadrangleCell m_quadCell;
  const float* m_radii;
  const float* m_angles;
  float* m_ownedRadii;
  float* m_ownedAngles;
  // Node positions in the plane, kept so that cells are filled without trigonometry.
  float* m_px;
  float* m_py;
};

#endif
