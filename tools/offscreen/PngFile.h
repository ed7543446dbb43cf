// Reads and writes 8-bit RGBA PNG files with libpng; Coin writes no PNG
// itself without simage.
#ifndef GRIDLUX_OFFSCREEN_PNGFILE_H
#define GRIDLUX_OFFSCREEN_PNGFILE_H

#include "RgbaImage.h"

#include <string>

namespace gridlux {
namespace offscreen {

/** PNG input and output for RgbaImage. */
class PngFile {
public:
  /**
   * Writes `image` as an 8-bit RGBA PNG. Returns false, with the reason in
   * `error`, when the picture is empty or the file cannot be written.
   */
  static bool write(const std::string & path, const RgbaImage & image,
                    std::string * error = nullptr);

  /**
   * Reads any PNG (grey, palette, 16-bit, with or without alpha) and
   * converts it to 8-bit RGBA. Returns false, with the reason in `error`
   * and `image` left empty, when the file is missing or not a valid PNG.
   */
  static bool read(const std::string & path, RgbaImage & image,
                   std::string * error = nullptr);
};

} // namespace offscreen
} // namespace gridlux

#endif
