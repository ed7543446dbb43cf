// Base of every mesh representation: inputs (explicit or from the state), colouring and scratch.
#ifndef GRIDLUX_POMESH_H
#define GRIDLUX_POMESH_H

#include <Gridlux/attributes/PbIsovaluesList.h>
#include <Gridlux/attributes/PbLinearDataMapping.h>
#include <Gridlux/base/PbArrayOfLong.h>
#include <Gridlux/base/PoFieldwork.h>

#include <Inventor/SbVec3f.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFInt32.h>
#include <Inventor/fields/SoSFNode.h>

class PbMesh;
class PbDataMapping;
class PoCellFilter;
class PiContouringFilled;
class PiTextureContouring;
class SoCoordinate3;
class SoMaterial;

/**
 * @brief Abstract base of the mesh representations.
 *
 * Each input (mesh, data mapping, module data mapping, isovalues list) is the object given to
 * the node, followed for its changes, or else the one of the traversal state. Before a rebuild,
 * preRebuild() settles the inputs in force and the effective colouring: contouring without an
 * isovalues list becomes COLOR_MAPPING, and any colouring without a data mapping or without the
 * value set `valuesIndex` becomes COLOR_INHERITED (silently; the field keeps its value).
 *
 * Fields: valuesIndex (SoSFInt32, -1), valuesIndexForCellFilter (SoSFInt32, -1),
 * vecsIndex (SoSFInt32, -1), coloringType (SoSFEnum ColoringType, COLOR_INHERITED).
 * Parts: those of PoBase.
 */
class PoMesh : public PoFieldwork {
  typedef PoFieldwork inherited;
  PO_KIT_ABSTRACT_HEADER(PoMesh);

public:
  static void initClass();

  enum ColoringType {
    COLOR_INHERITED = 0,
    COLOR_AVERAGE = 1,
    COLOR_MAPPING = 2,
    COLOR_CONTOURING = 3,
    COLOR_TEXTURE_CONTOURING = 4
  };

  SoSFInt32 valuesIndex;
  SoSFInt32 valuesIndexForCellFilter;
  SoSFInt32 vecsIndex;
  SoSFEnum coloringType;

  /** Explicit inputs; null goes back to the traversal state's. Each change rebuilds. */
  void setMesh(PbMesh* mesh);
  void setDataMapping(PbDataMapping* mapping);
  void setModuleDataMapping(PbDataMapping* mapping);
  void setIsovaluesList(PbIsovaluesList* list);

  /** The explicit input, else during a traversal the state's, else null. */
  const PbMesh* getMesh() const;
  const PbDataMapping* getDataMapping() const;
  const PbDataMapping* getModuleDataMapping() const;
  const PbIsovaluesList* getIsovaluesList() const;
  /** The cell filter of the traversal state, null outside a traversal. */
  const PoCellFilter* getCellFilter() const;

  /** The colouring settled by the last rebuild. */
  ColoringType getEffectiveColoring() const { return static_cast<ColoringType>(m_coloring); }

  void basicObjectChange(PbBase* object) override;

  /**
   * Moves @p isoValue off the @p num values when some (not all) equal it; see PiFieldwork.
   * The adjusted flag tells whether it moved.
   */
  void adjustIsoval(int num, const float* values, float& isoValue);
  void adjustIsovalMultiple(int numA, const float* valuesA, int numB, const float* valuesB, int numC,
                            const float* valuesC, float& isoValue);
  /** Copies the isovalues list in force into the adjusted buffer and adjusts each entry. */
  void adjustIsovalList(int numA, const float* valuesA, int numB, const float* valuesB, int numC,
                        const float* valuesC);
  const float* getAdjustedIsovalues(int& num) const
  {
    num = m_numAdjusted;
    return m_adjusted;
  }
  int isIsovalueAdjusted() const { return m_isIsovalueAdjusted; }

protected:
  PoMesh();
  ~PoMesh() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void setDefaultOnNonWritingFields() override;
  void preRebuild() override;
  void postRebuild() override;
  void addElementsAllCaches() override;

  /** Builds m_material with one data-mapping colour per value (m_pointValues when null). */
  void mapColor(int numValues, const float* values);
  /** The node's scratch points, room for at least @p num (contents lost when it grows). */
  SbVec3f* newSbVec3f(int num);
  void addDataMappingInCache();
  void addIsovaluesListInCache(int force);

  /** The band cutter and the band texture, made on first use and kept with the node. */
  PiContouringFilled* getContouringFilled();
  PiTextureContouring* getTextureContouring() const { return m_textureContouring; }

  /** Grows the class-wide scratch arrays to hold at least @p num entries. */
  static float* allocPoints(int num);
  static float* allocPointValues(int num);

  // Inputs in force for the current rebuild.
  const PbDataMapping* m_dataMappingInForce = nullptr;
  const PbDataMapping* m_moduleDataMappingInForce = nullptr;
  const PbIsovaluesList* m_isovaluesListInForce = nullptr;
  const PbMesh* m_meshInForce = nullptr;
  int m_coloring = COLOR_INHERITED;

  /** Material made by the last mapColor(); owned by the part it is put in. */
  SoMaterial* m_material = nullptr;
  SoCoordinate3* m_coordinates = nullptr;
  /** The material part holds a material this node made (generated, or the white one under a
   *  texture), so that a later build without one may clear it; a user's part is left alone. */
  int m_ownsMaterialPart = 0;

  // Class-wide scratch shared by every representation (rebuilds never run concurrently).
  static float* m_points; ///< three floats per point
  static int m_numPoints;
  static int m_allocPoints;
  static float* m_pointValues;
  static int m_numValues;
  static int m_allocPointValues;
  static PbArrayOfLong m_coordIndexArray;

  /** Holds a data-mapping node whose object serves as module data mapping (not written). */
  SoSFNode m_moduleDataMappingNode;

private:
  PbMesh* m_mesh = nullptr;
  PbDataMapping* m_dataMapping = nullptr;
  PbDataMapping* m_moduleDataMapping = nullptr;
  PbIsovaluesList* m_isovaluesList = nullptr;

  PbLinearDataMapping m_defaultDataMapping;

  PiContouringFilled* m_contouringFilled = nullptr;
  PiTextureContouring* m_textureContouring = nullptr;

  float* m_adjusted = nullptr;
  int m_numAdjusted = 0;
  int m_allocAdjusted = 0;
  int m_isIsovalueAdjusted = 0;

  SbVec3f* m_scratchVec = nullptr;
  int m_allocScratchVec = 0;

  FieldSensorList m_sensors;
};

#endif
