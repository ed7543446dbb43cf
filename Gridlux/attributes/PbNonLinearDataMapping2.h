// Data mapping defined by colours at a list of levels.
#ifndef GRIDLUX_PBNONLINEARDATAMAPPING2_H
#define GRIDLUX_PBNONLINEARDATAMAPPING2_H

#include <Gridlux/attributes/PbDataMapping.h>

#include <vector>

/**
 * @brief Colours (and transparencies) given per level.
 *
 * LINEAR_PER_LEVEL: one colour per level, interpolated inside each interval and extrapolated
 * (clamped) beyond the end intervals; a value equal to a level gets exactly that level's colour.
 * NON_LINEAR_PER_LEVEL: one constant colour per interval, numValues + 1 colours; colour i covers
 * [level i-1, level i), the last one everything at and above the last level.
 *
 * setValues sorts the levels ascending and keeps each colour with its level (the extra last
 * colour of NON_LINEAR_PER_LEVEL stays last). Fewer than one level, a null array or a NaN level
 * is refused with a message and the mapping stays as it was. With a single level,
 * LINEAR_PER_LEVEL maps every value to its colour. Default: LINEAR_PER_LEVEL, black at 0, white
 * at 1.
 */
class PbNonLinearDataMapping2 : public PbDataMapping {
public:
  enum Type {
    NON_LINEAR_PER_LEVEL = 0,
    LINEAR_PER_LEVEL = 1
  };

  PbNonLinearDataMapping2();
  PbNonLinearDataMapping2(const PbNonLinearDataMapping2& other);
  PbNonLinearDataMapping2& operator=(const PbNonLinearDataMapping2& other);

  ClassType getClassType() const override { return CLASS_NON_LINEAR2; }

  /**
   * @p colors (and @p transparencies) hold numValues entries for LINEAR_PER_LEVEL and
   * numValues + 1 for NON_LINEAR_PER_LEVEL; without transparencies every colour is opaque.
   * Returns 1 when the mapping was taken, 0 when it was refused.
   */
  int setValues(Type type, int numValues, const float* values, const SbColor* colors);
  int setValues(Type type, int numValues, const float* values, const SbColor* colors,
                const float* transparencies);
  /** The same with colours given as hue, lightness, saturation triples. */
  int setValues(Type type, int numValues, const float* values, const float (*hlsColors)[3]);
  int setValues(Type type, int numValues, const float* values, const float (*hlsColors)[3],
                const float* transparencies);

  Type getType() const { return m_type; }
  const float* getValuesList(int& num) const;
  const SbColor* getColorsList(int& num) const;
  const float* getTransparenciesList(int& num) const;
  /** All colours as HLS triples, refilled at each call; three floats per colour. */
  const float* getHLSColorsList(int& num);

private:
  const SbColor* computeColor(float value, float& transparency) const override;
  const SbColor* computeColor(float value) const override;

  int setValuesP(Type type, int numValues, const float* values, const SbColor* colors,
                 const float* transparencies, const char* methodName);

  std::vector<SbColor> m_colors;
  std::vector<float> m_values;
  std::vector<float> m_transparencies;
  std::vector<float> m_hlsColors;
  int m_numColors = 0;
  int m_numValues = 0;
  Type m_type = LINEAR_PER_LEVEL;
};

#endif
