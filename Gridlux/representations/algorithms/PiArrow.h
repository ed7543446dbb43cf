// Builder of one arrow of a vector field: body, start and end shapes, flat or solid.
#ifndef GRIDLUX_PIARROW_H
#define GRIDLUX_PIARROW_H

#include <Inventor/SbString.h>
#include <Inventor/SbVec3f.h>

class PbDomain;
class SoCone;
class SoCube;
class SoCylinder;
class SoGroup;
class SoMaterial;
class SoNode;
class SoSphere;

/**
 * @brief Builds the pieces of one arrow from its start S to its end E into groups.
 *
 * Solids (CYLINDER bodies, CONE, BOX, SPHERE and INDIRECT_CONE shapes) are the toolkit's own
 * solid nodes, one of each kind shared by every arrow this builder makes, placed by an
 * SoTransform per arrow: a cone's base lies `height` back from its apex (the shape's point,
 * towards the arrow's other end; away from it for INDIRECT_CONE) with the shape's radius; a
 * box is centred on the point, `height` long along the arrow and twice the radius across; a
 * sphere has the shape's radius. A zero-length arrow has no direction and gets no solid.
 * Flat shapes take the points of computeArrowShapePoint(); POINT is a point drawn
 * height x radius pixels wide.
 *
 * Heights and radii are those set, multiplied by the scales of setSizes() (1 for constant
 * sizes, the arrow's drawn length for relative ones).
 */
class PiArrow {
public:
  enum BodyType { NO_BODY = 0, LINE = 1, CYLINDER = 2 };
  enum PatternType {
    NO_SHAPE = 0,
    POINT = 1,
    CHEVRON = 2,
    TRIANGLE = 3,
    RECTANGLE = 4,
    CONE = 5,
    BOX = 6,
    SPHERE = 7,
    INDIRECT_CHEVRON = 8,
    INDIRECT_TRIANGLE = 9,
    INDIRECT_CONE = 10
  };

  PiArrow();
  ~PiArrow();

  void setBodyType(BodyType type) { m_bodyType = type; }
  void setBodyRadius(float radius) { m_bodyRadius = radius; }
  void setStartRadius(float radius) { m_startRadius = radius; }
  void setStartHeight(float height) { m_startHeight = height; }
  void setStartPattern(PatternType pattern) { m_startPattern = pattern; }
  void setEndRadius(float radius) { m_endRadius = radius; }
  void setEndHeight(float height) { m_endHeight = height; }
  void setEndPattern(PatternType pattern) { m_endPattern = pattern; }
  /** The arrow's start and end (the first two of @p points; fewer leaves nothing to draw). */
  void setCoordinates(int num, const SbVec3f* points);
  void setDomain(const PbDomain* domain) { m_domain = domain; }
  void setName(const SbString& name) { m_name = name; }
  /** Scales of the start and the end shape's height and radius for the next builds. */
  void setSizes(float startScale, float endScale);

  /** Append the piece to @p group, under @p material when not null. */
  void buildBody(SoGroup* group, SoMaterial* material);
  void buildStart(SoGroup* group, SoMaterial* material);
  void buildEnd(SoGroup* group, SoMaterial* material);

  /** Points per flat shape: 3 for chevrons and triangles, 4 for RECTANGLE, 0 for the others. */
  static int getNumShapePoints(PatternType shape);
  /**
   * The points of a flat shape at @p tip pointing away from @p base, computed in the domain's
   * normalised space (each axis over the domain's extent; none when @p domain is null), so that
   * the shape keeps its proportions under the domain transform. The wings lie @p height back
   * from the tip, measured with the width vector. Writes nothing (returns 0) for a zero
   * direction or a shape that is not flat; else returns the number of points written.
   */
  static int computeArrowShapePoint(const float* tip, const float* base, PatternType shape, float height,
                                    float radius, const PbDomain* domain, SbVec3f* points);

private:
  void buildShape(SoGroup* group, SoMaterial* material, bool atEnd);
  /** A separator placing @p solid with its axis from @p from to @p to, @p radius wide. */
  void addSolid(SoGroup* group, SoMaterial* material, SoNode* solid, const SbVec3f& from, const SbVec3f& to,
                float radius);

  BodyType m_bodyType = LINE;
  PatternType m_startPattern = NO_SHAPE, m_endPattern = CHEVRON;
  float m_bodyRadius = 0.02f;
  float m_startRadius = 0.05f, m_startHeight = 0.1f, m_endRadius = 0.05f, m_endHeight = 0.1f;
  float m_startScale = 1.0f, m_endScale = 1.0f;
  SbVec3f m_start, m_end;
  bool m_hasPoints = false;
  const PbDomain* m_domain = nullptr;
  SbString m_name;

  SoCone* m_cone = nullptr;
  SoCylinder* m_cylinder = nullptr;
  SoCube* m_cube = nullptr;
  SoSphere* m_sphere = nullptr;
};

#endif
