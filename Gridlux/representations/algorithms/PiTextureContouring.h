// Band texture of the texture-contoured representations: one texel per isovalue band, and the
// texture coordinate of each data value.
#ifndef GRIDLUX_PITEXTURECONTOURING_H
#define GRIDLUX_PITEXTURECONTOURING_H

#include <Gridlux/attributes/PbLinearDataMapping.h>

#include <Inventor/SbVec2f.h>

#include <vector>

class PbIsovaluesList;
class SoTexture2;

/**
 * @brief Draws contour bands with a one-dimensional texture instead of cutting the cells.
 *
 * For a list of n isovalues c(0) < ... < c(n-1) the texture is W x 1 texels, W the smallest
 * power of two >= n + 1. Texel 0 holds the mapping colour of -1e20 (the zone below the first
 * isovalue), texel k + 1 the colour of c(k), and the texels after c(n-1)'s repeat its colour.
 * getTextureCoord() sends a value of the band [c(i), c(i+1)) into texel i + 1, so an
 * interpolated coordinate shows the same bands, in the same colours, as cutting the cells along
 * the isovalues: values below c(0) get 0, values above c(n-1) get 0.999999, c(0) gets t0 = 1/W
 * and c(n-1) gets t1 = n/W.
 *
 * The texture has RGB texels, or RGBA when the mapping's transparency is enabled; the fourth
 * component is the opacity (1 - transparency), since the toolkit reads texture alpha as
 * opacity. Components are the colour x 255, truncated. Wrap is CLAMP in both directions (the
 * coordinates never leave [0, 1), and clamping keeps a filtered edge texel from taking the far
 * end's colour); the model is MODULATE, so the bands are lit like material colours: the
 * representation puts a white diffuse colour under the texture when it has no material of its
 * own. A colour the mapping leaves null (a threshold without colour) gives a white texel: the
 * band shows the material beneath.
 *
 * Without a data mapping the default linear mapping (black at 0 to white at 1) is used. Without
 * a list, or with an empty one, the texture is one texel of the colour of -1e20 and every value
 * gets 0. NaN values get 0, the colour of the zone below the levels. More than 16383 isovalues
 * do not fit the toolkit's image size: buildTexture() posts a message and leaves no texture.
 *
 * The mapping is read by buildTexture(), so it must live until then; the list's values are
 * copied by setIsovaluesList(). The texture is referenced while the object holds it and released
 * when a new one replaces it or the object is destroyed. PoGridlux::init() must have run before
 * buildTexture().
 */
class PiTextureContouring {
public:
  PiTextureContouring();
  ~PiTextureContouring();

  /** Null selects the default linear mapping. */
  void setDataMapping(const PbDataMapping* mapping);
  /** Copies the isovalues and computes the texture width and the coordinate scale. */
  void setIsovaluesList(const PbIsovaluesList* list);

  /** Builds a new texture from the current mapping and isovalues, replacing the held one. */
  void buildTexture();
  /** The texture made by the last buildTexture(), or null. */
  SoTexture2* getTexture() const { return m_texture; }

  /** The s coordinate of @p value; t is always 0. */
  float getTextureCoord(float value) const;
  /** (getTextureCoord(values[i]), 0) into out[i] for i < @p num. */
  void getTextureCoords(int num, const float* values, SbVec2f* out) const;

  /** Width W of the texture in texels. */
  int getTextureWidth() const { return m_width; }
  /** Coordinates of the first and of the last isovalue (1/W and n/W). */
  float getFirstCoord() const { return m_t0; }
  float getLastCoord() const { return m_t1; }

private:
  PiTextureContouring(const PiTextureContouring&) = delete;
  PiTextureContouring& operator=(const PiTextureContouring&) = delete;

  /** Index i of the band [c(i), c(i+1)) holding @p value, for c(0) <= value <= c(n-1). */
  int bandOf(float value) const;
  void releaseTexture();

  const PbDataMapping* m_dataMapping = nullptr;
  PbLinearDataMapping m_defaultDataMapping;
  float m_scale = 0.0f;
  int m_num = 0;
  float m_min = 0.0f;
  float m_max = 0.0f;
  float m_range = 0.0f;
  std::vector<float> m_values;
  float m_step = 0.0f; // gap between regular isovalues, for the direct band guess
  int m_regular = 0;
  float m_t0 = 1.0f;
  float m_t1 = 0.0f;
  float m_span = 0.0f;
  float m_coordStep = 0.0f; // texture-coordinate width of one band
  SoTexture2* m_texture = nullptr;
  int m_width = 1;
};

#endif
