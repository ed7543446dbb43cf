// Traversal-state element that carries the current mesh.
#ifndef GRIDLUX_POMESHELEMENT_H
#define GRIDLUX_POMESHELEMENT_H

#include <Inventor/elements/SoReplacedElement.h>

class PbMesh;
class PbMesh1D;
class PbMesh2D;
class PbMesh3D;

/**
 * @brief Current mesh of the traversal, set by the mesh property nodes and read by the
 * representations. Initial value: null.
 *
 * The mesh is kept with its kind (0 one-dimensional, 1 surface, 2 volume), so that getMesh1D(),
 * getMesh2D() and getMesh3D() give null when the current mesh is of another kind: a surface representation under a volume mesh
 * draws nothing. Reading the element records it in the cache being built, so a reader rebuilds
 * when another mesh (or a changed property node) becomes current.
 */
class PoMeshElement : public SoReplacedElement {
  typedef SoReplacedElement inherited;
  SO_ELEMENT_HEADER(PoMeshElement);

public:
  enum MeshKind {
    MESH_1D = 0,
    MESH_2D = 1,
    MESH_3D = 2
  };

  static void initClass();

  void init(SoState* state) override;
  void push(SoState* state) override;

  /** Makes @p mesh the current mesh, of kind MESH_1D (MESH_2D, MESH_3D). */
  static void set(SoState* state, SoNode* node, const PbMesh1D* mesh);
  static void set(SoState* state, SoNode* node, const PbMesh2D* mesh);
  static void set(SoState* state, SoNode* node, const PbMesh3D* mesh);

  /** The current mesh whatever its kind, or null. */
  static const PbMesh* getMesh(SoState* state);
  /** The current mesh when it is a one-dimensional (surface, volume) mesh, else null. */
  static const PbMesh1D* getMesh1D(SoState* state);
  static const PbMesh2D* getMesh2D(SoState* state);
  static const PbMesh3D* getMesh3D(SoState* state);
  /** Kind of the current mesh; meaningless while it is null. */
  static int getMeshKind(SoState* state);

protected:
  ~PoMeshElement() override;

private:
  static void setMesh(SoState* state, SoNode* node, const PbMesh* mesh, const PbMesh1D* mesh1D,
                      const PbMesh2D* mesh2D, const PbMesh3D* mesh3D, int kind);
  static const PoMeshElement* getCurrent(SoState* state);

  const PbMesh* m_mesh = nullptr;
  const PbMesh1D* m_mesh1D = nullptr;
  const PbMesh2D* m_mesh2D = nullptr;
  const PbMesh3D* m_mesh3D = nullptr;
  int m_kind = MESH_2D;
};

#endif
