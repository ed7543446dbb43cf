// Base of the representations of volume meshes: the typed 3D mesh and level-surface queries.
#ifndef GRIDLUX_POMESH3D_H
#define GRIDLUX_POMESH3D_H

#include <Gridlux/representations/PoMesh.h>

class PbMesh3D;

/**
 * @brief Abstract base of the representations of a 3D mesh (skins, level surfaces, sections).
 *
 * The mesh is the one given to the node, else the state's current 3D mesh. No fields of its own.
 */
class PoMesh3D : public PoMesh {
  typedef PoMesh inherited;
  PO_KIT_ABSTRACT_HEADER(PoMesh3D);

public:
  static void initClass();

  using PoMesh::setMesh;
  void setMesh(PbMesh3D* mesh);
  const PbMesh3D* getMesh() const;

  void basicObjectChange(PbBase* object) override;

  /** Level-surface subclasses say which surface they draw. */
  virtual float getIsosurfValue() const { return 0.0f; }
  virtual const float* getIsosurfDataSet() const { return nullptr; }
  virtual int getSurfOrientation() const { return 1; }

protected:
  PoMesh3D();
  ~PoMesh3D() override;

  void preRebuild() override;

  const PbMesh3D* m_mesh3DInForce = nullptr;

private:
  PbMesh3D* m_mesh3D = nullptr;
};

#endif
