// Contour lines of a scalar value set of a 2D mesh, split into major and minor lines.
#ifndef GRIDLUX_POMESHCONTOURING_H
#define GRIDLUX_POMESHCONTOURING_H

#include <Gridlux/representations/PoMesh2D.h>
#include <Gridlux/representations/algorithms/PiContouringAnnot.h>
#include <Gridlux/representations/algorithms/PiContouringLines.h>

#include <Inventor/fields/SoMFVec2f.h>
#include <Inventor/fields/SoSFBool.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFUShort.h>

class PbMiscTextAttr;
class PbNumericDisplayFormat;
class SoGroup;

/**
 * @brief Isolines of the value set `valuesIndex` of the current 2D mesh, one piece of polyline
 * per connected part of each isovalue of the current isovalues list.
 *
 * Reads the mesh, the data mapping and the isovalues list (each explicit, else the state's).
 * The k-th isovalue (1-based) is major when k - firstMajor is a multiple of majorPeriod; major
 * lines go into `majorContourLine`, minor ones into `minorContourLine`, each an SoCoordinate3 and
 * an SoLineSet, preceded, unless the effective colouring is COLOR_INHERITED, by a material with
 * the data-mapping colour of each line's isovalue (bound per line). No mesh, an empty mesh, no
 * isovalues list, no value set or a value set bound per cell: every part is empty.
 *
 * Fields: majorPeriod (SoSFUShort, 3), firstMajor (SoSFUShort, 1), annotIsVisible (FALSE),
 * annotPath (TANGENTIAL_PATH), annotCrossStatus (CROSS_CONTOUR), annotIsBackground (FALSE),
 * annotIsContourClip (FALSE), annotGap (1.0), annotClippingPolygon (one point 0 0),
 * annotFontSize (0: 0.04 of the mesh's larger extent).
 * Parts: `transform`; then `majorContourLineSep` holding `majorContourLineApp` and
 * `majorContourLine`, and the same triples for minorContourLine, annotBackground,
 * annotBackgroundBorder and annotText. Read and written under the name PoMeshContouring.
 */
class PoMeshContouring : public PoMesh2D {
  typedef PoMesh2D inherited;
  PO_KIT_HEADER(PoMeshContouring);

  SO_KIT_CATALOG_ENTRY_HEADER(transform);
  SO_KIT_CATALOG_ENTRY_HEADER(majorContourLineSep);
  SO_KIT_CATALOG_ENTRY_HEADER(majorContourLineApp);
  SO_KIT_CATALOG_ENTRY_HEADER(majorContourLine);
  SO_KIT_CATALOG_ENTRY_HEADER(minorContourLineSep);
  SO_KIT_CATALOG_ENTRY_HEADER(minorContourLineApp);
  SO_KIT_CATALOG_ENTRY_HEADER(minorContourLine);
  SO_KIT_CATALOG_ENTRY_HEADER(annotBackgroundSep);
  SO_KIT_CATALOG_ENTRY_HEADER(annotBackgroundApp);
  SO_KIT_CATALOG_ENTRY_HEADER(annotBackground);
  SO_KIT_CATALOG_ENTRY_HEADER(annotBackgroundBorderSep);
  SO_KIT_CATALOG_ENTRY_HEADER(annotBackgroundBorderApp);
  SO_KIT_CATALOG_ENTRY_HEADER(annotBackgroundBorder);
  SO_KIT_CATALOG_ENTRY_HEADER(annotTextSep);
  SO_KIT_CATALOG_ENTRY_HEADER(annotTextApp);
  SO_KIT_CATALOG_ENTRY_HEADER(annotText);

public:
  PoMeshContouring();
  static void initClass();

  enum AnnotPath { TANGENTIAL_PATH = 0, HORIZONTAL_PATH = 1, VERTICAL_PATH = 2 };
  enum AnnotCrossStatus { CROSS_CONTOUR = 0, CROSS_MINOR_CONTOUR = 1, DONT_CROSS_CONTOUR = 2 };

  SoSFUShort majorPeriod;
  SoSFUShort firstMajor;
  SoSFBool annotIsVisible;
  SoSFEnum annotPath;
  SoSFEnum annotCrossStatus;
  SoSFBool annotIsBackground;
  SoSFBool annotIsContourClip;
  SoSFFloat annotGap;
  SoMFVec2f annotClippingPolygon;
  SoSFFloat annotFontSize;

  /** Number format and text attributes of the annotations; null goes back to the state's. */
  void setFormat(PbNumericDisplayFormat* format);
  const PbNumericDisplayFormat* getFormat() const;
  void setMiscTextAttr(PbMiscTextAttr* attr);
  const PbMiscTextAttr* getMiscTextAttr() const;

  void rebuild() override;
  void basicObjectChange(PbBase* object) override;

  /** Whether the line of isovalue @p value is major on @p list under the node's period. */
  int isMajor(const PbIsovaluesList* list, float value) const;

protected:
  ~PoMeshContouring() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void setDefaultOnNonWritingFields() override;
  void preRebuild() override;
  void addElementsAllCaches() override;

private:
  void drawContourLines();
  /** Places the labels of the major lines and builds their text and boxes. */
  void computeContourLineAnnot();
  /**
   * The group of the polylines (@p counts points each from @p coords) whose line flag in
   * m_isMajor equals @p major; @p sources gives each polyline's line. Null when there is none.
   */
  SoGroup* makeLineGroup(int major, const float* coords, const int* counts, const int* sources, int num);
  void emptyParts();

  PiContouringLines* m_contouring = nullptr;
  Tisoline_list m_lines;
  std::vector<char> m_isMajor;
  PiContouringAnnot m_annotator;
  std::vector<PiContouringAnnot::Annotation> m_annotations;
  std::vector<float> m_clippedCoords;
  std::vector<int> m_clippedCounts, m_clippedSources, m_lineIndices;

  PbNumericDisplayFormat* m_format = nullptr;
  PbMiscTextAttr* m_miscTextAttr = nullptr;
  const PbNumericDisplayFormat* m_formatInForce = nullptr;
  const PbMiscTextAttr* m_miscTextAttrInForce = nullptr;

  FieldSensorList m_sensorsContouring;
};

#endif
