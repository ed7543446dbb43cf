// An 8-bit RGBA picture held in memory, top row first, as the offscreen
// renderer produces it and the PNG files store it.
#ifndef GRIDLUX_OFFSCREEN_RGBAIMAGE_H
#define GRIDLUX_OFFSCREEN_RGBAIMAGE_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gridlux {
namespace offscreen {

/**
 * Width x height pixels of four bytes (red, green, blue, alpha), rows stored
 * from the top of the picture down, with no padding between rows.
 */
class RgbaImage {
public:
  RgbaImage() = default;
  /** A picture of the given size filled with one colour. */
  RgbaImage(int width, int height, const uint8_t rgba[4] = nullptr);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }

  /** Pixel (x, y) with y counted from the top row; no bounds check. */
  const uint8_t * pixel(int x, int y) const { return &data_[index(x, y)]; }
  uint8_t * pixel(int x, int y) { return &data_[index(x, y)]; }

  const std::vector<uint8_t> & bytes() const { return data_; }
  std::vector<uint8_t> & bytes() { return data_; }

  /** Replaces the picture; `bytes` must hold width * height * 4 values. */
  void assign(int width, int height, std::vector<uint8_t> bytes);

private:
  std::size_t index(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 4;
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> data_;
};

} // namespace offscreen
} // namespace gridlux

#endif
