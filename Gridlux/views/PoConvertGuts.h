// The conversion object of PoToVRML2Action: a plain copy of a scene that the toolkit converts.
#ifndef GRIDLUX_POCONVERTGUTS_H
#define GRIDLUX_POCONVERTGUTS_H

#include <Inventor/SbVec2f.h>

#include <vector>

class PoBaseView;
class SoGroup;
class SoNode;

/**
 * @brief Turns a scene with library kits and views into a graph of ordinary toolkit nodes, and
 * records the views it meets.
 *
 * convert() copies the group structure and shares the leaf nodes: a library kit becomes a
 * separator over its built parts (it keeps its appearance and transform to itself, as the kit
 * does), any other node kit a group over its parts; the kits' callback parts are left out; an
 * annotation text becomes the 3D text it measures and picks as; a blinker becomes a switch
 * showing its current child, and each choice of a switch is put under a separator (the toolkit's
 * conversion would spread a plain group's children over the choices); a transform separator that holds only transforms and shapes
 * becomes a separator, which has a VRML counterpart. A view is not copied: it is recorded with
 * its viewport in window fractions (a view nested in another takes its fractions of the outer
 * one), and the caller converts its scene apart.
 */
class PoConvertGuts {
public:
  /** One view met during conversion. */
  struct SceneViewInfo {
    PoBaseView* view = nullptr; ///< referenced while recorded
    SbVec2f origin;             ///< lower-left corner, fractions of the window
    SbVec2f size;
  };

  PoConvertGuts() = default;
  ~PoConvertGuts();

  /** The plain copy of @p root (not referenced), or null for a null root or a lone view. */
  SoNode* convertSoBaseKit(SoNode* root);
  SoNode* convert(SoNode* root) { return convertSoBaseKit(root); }
  /** The plain copy of a view's `scene` part; views inside it are recorded as nested. */
  SoNode* convertViewScene(const SceneViewInfo& info);

  /**
   * In a plain copy made by convert(), replaces each face shape drawn under a line draw style by
   * the line set of its faces' outlines (what a line drawing of the faces shows; the toolkit's
   * conversion would draw every triangle's edges).
   */
  static void outlineLineStyledFaces(SoNode* plain);

  int getSceneViewInfoNum() const { return int(m_views.size()); }
  const SceneViewInfo* getSceneViewInfo(int i) const;
  /** Forgets the recorded views. */
  void reset();

private:
  PoConvertGuts(const PoConvertGuts&) = delete;
  PoConvertGuts& operator=(const PoConvertGuts&) = delete;

  SoNode* copyNode(SoNode* node);
  void copyChildren(SoNode* from, SoGroup* to);

  std::vector<SceneViewInfo> m_views;
  SbVec2f m_parentOrigin = SbVec2f(0, 0);
  SbVec2f m_parentSize = SbVec2f(1, 1);
};

#endif
