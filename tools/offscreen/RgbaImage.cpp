// An 8-bit RGBA picture held in memory, top row first.
#include "RgbaImage.h"

#include <utility>

namespace gridlux {
namespace offscreen {

RgbaImage::RgbaImage(int width, int height, const uint8_t rgba[4])
{
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  data_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
  if (rgba) {
    for (std::size_t i = 0; i < data_.size(); i += 4) {
      for (int c = 0; c < 4; ++c) data_[i + c] = rgba[c];
    }
  }
}

void
RgbaImage::assign(int width, int height, std::vector<uint8_t> bytes)
{
  const bool valid = width > 0 && height > 0 &&
    bytes.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  width_ = valid ? width : 0;
  height_ = valid ? height : 0;
  data_ = valid ? std::move(bytes) : std::vector<uint8_t>();
}

} // namespace offscreen
} // namespace gridlux
