// The arrows of a vector field, shared by the 2D and 3D vector representations: which vectors
// are drawn, where their arrows go, and the toolkit shapes that draw them.
#ifndef GRIDLUX_PIVECTORFIELD_H
#define GRIDLUX_PIVECTORFIELD_H

#include <Gridlux/representations/algorithms/PiArrow.h>

#include <Inventor/SbVec3f.h>

#include <vector>

class PbDataMapping;
class PbDomain;
class SoCoordinate3;
class SoGroup;
class SoLineSet;
class SoMaterial;

/**
 * @brief Takes the vectors of a field one by one and builds their arrows into three groups
 * (bodies, start shapes, end shapes).
 *
 * Vector k (counted from 0 over every vector offered) is considered when k is 0, d, 2d, ...
 * (d the density), then dropped when the elimination rule says so (a dropped vector still uses
 * its turn) or when it is not finite. Its arrow runs from the point S to E = S + f v (relative
 * length) or S + f v / |v| (constant length; a zero vector then gives a zero-length arrow).
 *
 * The quick path gathers every arrow into one coordinate node and one shape per piece (a line
 * set of the bodies, a point, line or face set of each shape kind), each coloured piece with one
 * material entry per vector bound per face (the bodies' coordinate node and line set are kept
 * and refilled by the next build while only this field and the group it built hold them, so that
 * a large field does not take fresh memory at every rebuild). It is taken when every requested piece can be
 * drawn so: no cylinder body, no relative radius, shapes among NO_SHAPE, CHEVRON, TRIANGLE,
 * RECTANGLE, the indirect chevron and triangle, and POINT of constant height. Otherwise each
 * arrow is built by a PiArrow, whose solids are shared by all arrows.
 */
class PiVectorField {
public:
  enum Piece { BODY = 0, START = 1, END = 2 };
  enum Coloring { CONSTANT_COLOR = 0, MODULE_MAPPING_COLOR = 1, SCALAR_MAPPING_COLOR = 2 };
  enum Elimination { NONE = 0, TOO_SMALL = 1, TOO_LONG = 2, TOO_SMALL_OR_LONG = 3 };
  enum LengthType { CONSTANT_LENGTH = 0, RELATIVE_LENGTH = 1 };
  enum SizeType { CONSTANT_SIZE = 0, RELATIVE_SIZE = 1 };

  /** What the node's fields ask for, colourings already settled. */
  struct Settings {
    int density = 1;
    int elimination = NONE;
    float minLength = 0.0f, maxLength = 1e30f;
    PiArrow::BodyType bodyShape = PiArrow::LINE;
    int bodyLengthType = RELATIVE_LENGTH;
    float bodyLengthFactor = 1.0f;
    int bodyRadiusType = CONSTANT_SIZE;
    float bodyRadiusFactor = 0.02f;
    PiArrow::PatternType shape[3] = {PiArrow::NO_SHAPE, PiArrow::NO_SHAPE, PiArrow::CHEVRON}; ///< by Piece
    int heightType[3] = {RELATIVE_SIZE, RELATIVE_SIZE, RELATIVE_SIZE};
    float heightFactor[3] = {0, 0.1f, 0.1f};
    float radiusFactor[3] = {0, 0.5f, 0.5f};
    int coloring[3] = {CONSTANT_COLOR, CONSTANT_COLOR, CONSTANT_COLOR}; ///< effective, by Piece
  };

  /** What a representation found to draw: its vectors (null for nothing), values and settings. */
  struct Input {
    const SbVec3f* vectors = nullptr;
    const float* scalars = nullptr; ///< per node, for scalar colourings; null without
    Settings settings;
  };

  PiVectorField();
  ~PiVectorField();

  /**
   * Starts a field drawn into @p groups (body, start, end; each may be null to skip the piece):
   * chooses the path and the drawing operation. @p mapping colours scalar values, @p moduleMapping
   * the modules; @p domain shapes the flat arrow heads. @p expected, the number of vectors that
   * will be offered when known, lets the quick path size its lists once.
   */
  void start(const Settings& settings, const PbDomain* domain, const PbDataMapping* mapping,
             const PbDataMapping* moduleMapping, SoGroup* const groups[3], int expected = 0);
  /** Offers the next vector of the field, with the scalar value at @p point. */
  void addVector(const SbVec3f& point, const SbVec3f& vector, float scalar = 0.0f);
  /** Builds what the quick path gathered (the elaborate path has built as it went). */
  void finish();

  bool isQuick() const { return m_quick; }
  /** Vectors offered, and arrows drawn, since start(). */
  int getNumOffered() const { return m_offered; }
  int getNumDrawn() const { return m_drawn; }
  /** Vectors dropped because a component was not finite. */
  int getNumNotFinite() const { return m_notFinite; }

  /** Whether a piece with this shape and size rule can be drawn on the quick path. */
  static bool isQuickShape(PiArrow::PatternType shape, int heightType);

private:
  typedef void (PiVectorField::*DrawOp)(int);

  // Quick drawing operations: what each gathers besides the two points.
  void drawVectorLine(int k);
  void drawVectorLineModuleColr(int k);
  void drawVectorLineScalarColr(int k);
  void drawVectorLineScalarModuleColr(int k);
  void drawVectorElaborated(int k);

  void finishQuickVectorField();
  void buildVectorFieldBodies();
  void buildVectorFieldStartArrow();
  void buildVectorFieldEndArrow();
  void buildQuickShapes(Piece piece);
  /** A material of one colour per drawn vector for @p piece, or null when it is constant. */
  SoMaterial* makeQuickMaterial(Piece piece) const;
  /** A one-colour material for the current arrow's @p piece, or null when it is constant. */
  SoMaterial* makeArrowMaterial(Piece piece) const;
  bool colouredBy(Piece piece, int coloring) const;
  const PbDataMapping* mappingOf(Piece piece) const;
  float shapeHeight(Piece piece, float length) const;

  Settings m_settings;
  const PbDomain* m_domain = nullptr;
  const PbDataMapping* m_mapping = nullptr;
  const PbDataMapping* m_moduleMapping = nullptr;
  SoGroup* m_groups[3] = {nullptr, nullptr, nullptr};
  bool m_quick = true;
  DrawOp m_draw = &PiVectorField::drawVectorLine;

  int m_offered = 0, m_nextIndex = 0, m_drawn = 0, m_notFinite = 0;
  // The current arrow.
  SbVec3f m_start, m_end;
  float m_module = 0.0f, m_length = 0.0f, m_scalar = 0.0f;

  // Quick path: start and end of each drawn vector, its drawn length, module and scalar value.
  std::vector<SbVec3f> m_points;
  std::vector<float> m_lengths;
  std::vector<float> m_modules;
  std::vector<float> m_scalars;

  PiArrow m_arrow;

  // The bodies' coordinates and line set of the last quick build, refilled in place by the next
  // one unless someone else holds them: a large field then reuses their memory.
  SoCoordinate3* m_bodyCoords = nullptr;
  SoLineSet* m_bodyLines = nullptr;
};

#endif
