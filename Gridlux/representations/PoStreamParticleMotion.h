// Base of the stream animations: paths resampled in time, frames of particles under a blinker.
#ifndef GRIDLUX_POSTREAMPARTICLEMOTION_H
#define GRIDLUX_POSTREAMPARTICLEMOTION_H

#include <Gridlux/representations/PoBaseStreamLine.h>

#include <Inventor/fields/SoSFBool.h>

#include <cstdint>
#include <vector>

class SoCoordinate3;
class SoGroup;
class SoLineSet;

/**
 * @brief Resamples each stream path every `timeStep` from `shiftStart` (samples before the path's
 * start time 0 are skipped) and builds `pulseFrequency` frames under a SoBlinker: frame f shows
 * every pulseFrequency-th sample of each path from its phase plus f, so the frames partition
 * the samples and each particle moves one sample per frame.
 *
 * Phases are f alone, or with isStartRandomized a per-path draw of the node's own generator
 * (a Park-Miller sequence reset to seed 1 in every frame, so a path keeps its phase; the C
 * library's generator is never touched). The paths are traced again only when a stream field,
 * `vecsIndex`, `valuesIndex`, `coloringType` or the mesh changed, or when the rebuild did not
 * come from field changes alone (a data object or the state changed); when only blinkSpeed,
 * isBlinking or viewFrame changed, only the blinker is updated and the frames are kept.
 *
 * The hooks build what a particle looks like. newAnimator()'s second coordinate argument is null;
 * newParticle()'s `other` is the previous sample of the same path (the particle itself for the
 * first); the frame-end hook gets the frame and its index.
 *
 * Fields (defaults): pulseFrequency 5, shiftStart 0, timeStep 1, isStartRandomized TRUE,
 * isBlinking TRUE, viewFrame 0, blinkSpeed 3. A pulseFrequency below 1 or a timeStep or
 * shiftStart that is not finite posts a message and clears the part; a timeStep not above 0
 * leaves an empty group.
 */
class PoStreamParticleMotion : public PoBaseStreamLine {
  typedef PoBaseStreamLine inherited;
  PO_KIT_ABSTRACT_HEADER(PoStreamParticleMotion);

public:
  static void initClass();

  SoSFInt32 pulseFrequency;
  SoSFFloat shiftStart;
  SoSFFloat timeStep;
  SoSFBool isStartRandomized;
  SoSFBool isBlinking;
  SoSFInt32 viewFrame;
  SoSFFloat blinkSpeed;

  /** Number of samples of the last frame build. */
  int getNumSamples() const { return int(m_samplePaths.size()); }

protected:
  PoStreamParticleMotion();
  ~PoStreamParticleMotion() override;

  SbBool setUpConnections(SbBool onOff, SbBool doItAlways = FALSE) override;
  void saveTime(PiStreamPath& path, float time) override;
  void saveSpeed(PiStreamPath& path, SbVec3f& vector) override;

  /** The concrete rebuild: the blinker alone when only its fields changed, else the frames. */
  void rebuildMotion(const char* partName);
  /** Builds the frames into @p partName (between preRebuild() and postRebuild()). */
  void rebuildFrames(const char* partName);
  /** Sets the blinker found under @p partName from the fields; 0 when there is none. */
  int modifyBlinkerParams(const char* partName);

  /** The frame being built (set before newFrame()). */
  SoGroup* m_frame = nullptr;

  // Particles gathered line by line (points, tadpoles): coordinates and, when coloured, colours.
  void beginLinePieces(int coloured);
  void addPiece(const SbVec3f& point, const SbColor& colour);
  /** Adds the line's material and coordinates to @p frame when it has some; returns their number. */
  int endLinePieces(SoGroup* frame);

private:
  virtual void newAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3* other,
                           SoMFColor* colours);
  virtual void endAnimator(SoGroup* group, SoLineSet* lines, SoCoordinate3* samples, SoCoordinate3* other,
                           SoMFColor* colours);
  virtual void newFrame(SoGroup* frame, int frameIndex);
  virtual void endFrame(SoGroup* frame, int frameIndex);
  virtual void newLine(SoGroup* frame, int lineIndex);
  virtual void endLine(SoGroup* frame, int lineIndex);
  virtual void newParticle(const SbVec3f& position, const SbVec3f& vector, const SbVec3f& other,
                           const SbColor* colour, int sampleIndex);

  int pathsNeedTracing() const;
  void tracePaths();
  /** Fills the samples of every traced path; returns their number. */
  int resample(SoCoordinate3* samples, SoLineSet* lines, SoMFColor* colours);
  void setBlinker(class SoBlinker* blinker) const;
  uint32_t nextRandom();

  int m_isTraced = 0;
  const PbMesh* m_tracedMesh = nullptr;
  int m_numTraced = 0;
  std::vector<SbVec3f> m_sampleVectors;
  std::vector<int> m_samplePaths;   ///< path of each sample
  std::vector<int> m_lineFirst;     ///< first sample of each drawn line
  uint32_t m_random = 1;
  SoCoordinate3* m_pieceCoords = nullptr;
  class SoMaterial* m_pieceMaterial = nullptr;
  FieldSensorList m_sensors;
};

#endif
