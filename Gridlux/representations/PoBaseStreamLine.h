// Fields and integrator shared by the stream lines, stream surfaces and their animations.
#ifndef GRIDLUX_POBASESTREAMLINE_H
#define GRIDLUX_POBASESTREAMLINE_H

#include <Gridlux/representations/PoMesh.h>
#include <Gridlux/representations/algorithms/PiStreamPath.h>

#include <Inventor/fields/SoMFColor.h>
#include <Inventor/fields/SoMFVec3f.h>
#include <Inventor/fields/SoSFEnum.h>
#include <Inventor/fields/SoSFFloat.h>
#include <Inventor/fields/SoSFInt32.h>

#include <memory>
#include <vector>

class PbCell;

/**
 * @brief Abstract base of the stream representations: one path per start point through the
 * mesh's vector set `vecsIndex` (see PiStreamPath for the integrator).
 *
 * Colouring: the value set `valuesIndex` interpolated along the path; when that set is missing
 * but `coloringType` asks for a colouring, the path is coloured by its speed. Without a data
 * mapping in force the paths take the inherited material (or `colors`).
 *
 * Fields (defaults): startPoints (empty), maxLifetime 0, maxLength 0, minSpeed 0 (limits not
 * above 0 are none), integrationStepLengthFactor 0.3 (of the current cell's longest edge),
 * integrationMaxStepNumber 0 (below 1: none), integrationDirection FORWARD, colors (empty: cycled
 * over the lines under COLOR_INHERITED).
 *
 * A step factor not above 0, a limit or start point that is not finite posts a message and
 * draws nothing; a start point outside the mesh gives no path, silently.
 */
class PoBaseStreamLine : public PoMesh, private PiStreamPath::Recorder {
  typedef PoMesh inherited;
  PO_KIT_ABSTRACT_HEADER(PoBaseStreamLine);

public:
  static void initClass();

  enum IntegrationDirection { FORWARD = 0, BACKWARD = 1 };

  SoMFVec3f startPoints;
  SoSFFloat maxLifetime;
  SoSFFloat maxLength;
  SoSFFloat minSpeed;
  SoSFFloat integrationStepLengthFactor;
  SoSFInt32 integrationMaxStepNumber;
  SoSFEnum integrationDirection;
  SoMFColor colors;

  /** Empties @p path and integrates it from @p start when the mesh in force holds it. */
  void integrateStreamLine(const SbVec3f& start, PiStreamPath& path, float& length, float& time);
  /** Integrates @p path from @p start, lying in @p cell at local coordinates @p local. */
  void integrateStreamLine(const PbCell* cell, const SbVec3f& start, const SbVec3f& local, PiStreamPath& path,
                           float& length, float& time);

protected:
  PoBaseStreamLine();
  ~PoBaseStreamLine() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void preRebuild() override;

  // Called at each recorded point, in this order after the point and value are stored.
  virtual void saveNorm(PiStreamPath& path, const PbCell* cell, SbVec3f& point, SbVec3f& vector);
  virtual void saveTime(PiStreamPath& path, float time);
  virtual void saveSpeed(PiStreamPath& path, SbVec3f& vector);

  /** The mesh in force holds vector set `vecsIndex` (and nodes): there is something to trace. */
  int hasVectors() const;
  /** 1 when the stream fields can be used; else posts for @p method and returns 0. */
  int checkStreamFields(const char* method) const;
  /** The fields whose change means the paths must be traced again. */
  void getStreamFields(SoFieldList& fields);
  /** The colour of the line drawn @p rank-th under COLOR_INHERITED, or null with no `colors`. */
  const SbColor* lineColor(int rank) const;
  /** Path colouring by the data mapping (values or speeds) is in force. */
  int isMapped() const { return m_coloring != COLOR_INHERITED && m_dataMappingInForce; }
  /** Path @p i of the node's store, made on first use; paths keep their capacity. */
  PiStreamPath& getPath(int i);
  int getNumPaths() const { return int(m_paths.size()); }

private:
  void recordPoint(PiStreamPath& path, const PbCell* cell, SbVec3f& point, SbVec3f& vector, float time) override;

  std::vector<std::unique_ptr<PiStreamPath>> m_paths;
  FieldSensorList m_sensors;
};

#endif
