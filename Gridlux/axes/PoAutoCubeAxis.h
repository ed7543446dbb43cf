// A box of axes whose graduations move to the edges that face the viewer.
#ifndef GRIDLUX_POAUTOCUBEAXIS_H
#define GRIDLUX_POAUTOCUBEAXIS_H

#include <Gridlux/axes/PoAxisGroup.h>

#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFMatrix.h>
#include <Inventor/fields/SoSFString.h>
#include <Inventor/fields/SoSFVec3f.h>

#include <vector>

class PiAutoCube;
class PoCartesianAxis;

/**
 * @brief The box from `start` to `end` with an axis on one edge of each direction, the edge
 * being chosen from the current view so that a reader finds the graduations where a chart
 * reader looks for them: on the outline of the box, beyond the faces that face the viewer.
 *
 * Corners, edges and faces are numbered as in PiAutoCube; an edge's part name carries its two
 * corners. The rule (PiAutoCube): of the four edges of a direction only silhouette edges (between
 * a face turned toward the viewer and one turned away) qualify; of those the lowest on the
 * screen is taken, or the leftmost for a direction that runs up the screen. Labels lie in the
 * plane of the edge's visible face, beyond the edge (outside the box), reading left to right and
 * upright (the writing direction and the mirroring of the member are chosen for it; this holds
 * for 3D text and for annotation text, which follows its projected reading direction). A
 * direction seen end-on shows no axis. Every member runs from the lower to the upper end of its
 * direction; a `start` above `end` in some coordinate is the same box.
 *
 * Fields: start (SoSFVec3f, 0 0 0), end (SoSFVec3f, 1 1 1), xTitle, yTitle, zTitle
 * (SoSFString, ""), isGridLinesXVisible, isGridLinesYVisible, isGridLinesZVisible,
 * isIntersectingGradsVisible, isBackgroundFacesVisible (SoSFBool, FALSE), modellingMatrix,
 * viewingMatrix, projectionMatrix (SoSFMatrix, identity), xAxisType, yAxisType, zAxisType
 * (AxisType: LINEAR, LOGARITHMIC, GENERALIZED; LINEAR). A logarithmic direction's coordinates
 * are decade exponents, as for PoLogAxis.
 *
 * The matrices: at each render (GLRender) the node stores the state's model, viewing and
 * projection matrices in the three fields when they changed, which rebuilds it; every rebuild
 * (rebuildWithoutMatrix) works from the stored fields, composed with the domain transform, so
 * that an application can also place the axes for a view of its own by setting the fields.
 *
 * Members: each edge part holds a PoLinearAxis, PoLogAxis or PoGenAxis after the direction's
 * axis type (changing the type replaces the four members of that direction with fresh ones),
 * created with no arrow and tuned by the application through getPart like any axis. At each
 * rebuild the node sets on the shown members, overriding the user's values since they follow
 * the view: start, end, type, gradPosition, gradPath,
 * reverseFlag (from the view), titleString (the direction's title), titleVisibility (ON),
 * titlePosition (TITLE_MIDDLE), titlePath (as gradPath), tickFirstGrad and tickLastGrad (see
 * below), and the node's own domain when one was set (setDomain). Members draw in the node's
 * frame: the node applies the domain transform once.
 *
 * Intersecting graduations: where two shown axes meet at a corner, a graduation of either that
 * sits exactly on that corner (within 1e-4 of the box's extent) would have its label over the
 * other axis's; unless isIntersectingGradsVisible, it gets no label nor main tick (its member's
 * tickFirstGrad or tickLastGrad is 2, else 1).
 *
 * Grids and faces: with isGridLinesXVisible (Y, Z) the graduations of the shown X (Y, Z) axis
 * are drawn as lines across every face of the box that runs along X and is turned away from the
 * viewer, the main ones in `mainGradGrid`, the sub ones in `subGradGrid`; with
 * isBackgroundFacesVisible those faces are filled in `backgroundFace` (pushed back by a polygon
 * offset so that grid lines on them stay visible, wound toward the viewer). Nothing shows when
 * not asked (the parts are null). The appearance parts are the application's.
 *
 * Bad input: a box that is flat or not finite, matrices that place no eye or a box reaching
 * behind the eye post a message and empty every part (resetAllParts); an axis type out of range
 * posts a message and is read as LINEAR.
 *
 * Parts: for each edge ab, xAxisSwitchab (SoSwitch) holding xAxisab (a PoCartesianAxis), in the
 * order xAxis03, xAxis12, xAxis65, xAxis74, yAxis01, yAxis76, yAxis45, yAxis32, zAxis07,
 * zAxis34, zAxis25, zAxis16; then backgroundFaceSep/backgroundFaceApp/backgroundFace,
 * mainGradGridSep/mainGradGridApp/mainGradGrid and subGradGridSep/subGradGridApp/subGradGrid
 * (separator, SoAppearanceKit, SoGroup). Read and written under the name PoAutoCubeAxis, its
 * parent type being PoBaseAxis (PoAxisGroup is its C++ base only); in the compact format the
 * twelve members are written with it (PoAxisGroup), so that what was tuned on them reads back.
 */
class PoAutoCubeAxis : public PoAxisGroup {
  typedef PoAxisGroup inherited;
  PO_KIT_HEADER(PoAutoCubeAxis);

  SO_KIT_CATALOG_ENTRY_HEADER(xAxisSwitch03);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxis03);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxisSwitch12);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxis12);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxisSwitch65);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxis65);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxisSwitch74);
  SO_KIT_CATALOG_ENTRY_HEADER(xAxis74);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxisSwitch01);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxis01);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxisSwitch76);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxis76);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxisSwitch45);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxis45);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxisSwitch32);
  SO_KIT_CATALOG_ENTRY_HEADER(yAxis32);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxisSwitch07);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxis07);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxisSwitch34);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxis34);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxisSwitch25);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxis25);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxisSwitch16);
  SO_KIT_CATALOG_ENTRY_HEADER(zAxis16);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundFaceSep);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundFaceApp);
  SO_KIT_CATALOG_ENTRY_HEADER(backgroundFace);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradGridSep);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradGridApp);
  SO_KIT_CATALOG_ENTRY_HEADER(mainGradGrid);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradGridSep);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradGridApp);
  SO_KIT_CATALOG_ENTRY_HEADER(subGradGrid);

public:
  PoAutoCubeAxis();
  PoAutoCubeAxis(const SbVec3f& startValue, const SbVec3f& endValue);
  static void initClass();

  enum AxisType { LINEAR = 0, LOGARITHMIC = 1, GENERALIZED = 2 };

  SoSFVec3f start;
  SoSFVec3f end;
  SoSFString xTitle;
  SoSFString yTitle;
  SoSFString zTitle;
  SoSFBool isGridLinesXVisible;
  SoSFBool isGridLinesYVisible;
  SoSFBool isGridLinesZVisible;
  SoSFBool isIntersectingGradsVisible;
  SoSFBool isBackgroundFacesVisible;
  SoSFMatrix modellingMatrix;
  SoSFMatrix viewingMatrix;
  SoSFMatrix projectionMatrix;
  SoSFEnum xAxisType;
  SoSFEnum yAxisType;
  SoSFEnum zAxisType;

  /** Rebuilds at once from the stored matrices. */
  void rebuildWithoutMatrix();
  /** Edge (0..11, PiAutoCube numbering) shown for @p direction at the last rebuild, or -1. */
  int getShownEdge(int direction) const;

  void rebuild() override;
  void GLRender(SoGLRenderAction* action) override;

protected:
  ~PoAutoCubeAxis() override;

  /** Puts a fresh member of @p type on @p edge. */
  void buildAxis(int edge, AxisType type);
  /** Sets the view-dependent fields of the member of @p edge. */
  void initAxis(int edge, const PiAutoCube& cube, const SbVec3f& min, const SbVec3f& max);
  void eliminateIntersectingGrads(const SbVec3f& min, const SbVec3f& max);
  void drawGridLines(const PiAutoCube& cube);
  void drawBackgroundFaces(const PiAutoCube& cube, const SbVec3f& min, const SbVec3f& max);
  /** Hides every member and empties the other parts. */
  void resetAllParts();

private:
  void init(const SbVec3f& startValue, const SbVec3f& endValue);
  PoCartesianAxis* getAxis(int edge) const;
  AxisType getAxisType(int direction) const;
  /** Main (and sub) graduation coordinates of the member of @p edge, rebuilt if need be. */
  void getMemberGrads(int edge, std::vector<float>& main, std::vector<float>* sub) const;

  int m_shownEdge[3] = {-1, -1, -1};
};

#endif
