// Conversions between RGB colours and hue-lightness-saturation triples.
#ifndef GRIDLUX_PICOLORCONVERTER_H
#define GRIDLUX_PICOLORCONVERTER_H

#include <Inventor/SbColor.h>

/**
 * @brief RGB <-> HLS conversion used by the data mappings and their HLS interfaces.
 *
 * HLS triples are three floats in [0, 1]: hue as a fraction of a full turn (0 red, 1/3 green,
 * 2/3 blue), lightness, saturation. Colours whose components differ by less than 1e-4 are
 * treated as greys (hue 0).
 */
class PiColorConverter {
public:
  static void getHLSColor(const SbColor& rgb, float hls[3]);
  static void getRGBColor(const float hls[3], SbColor& rgb);

private:
  PiColorConverter() = delete;
};

#endif
