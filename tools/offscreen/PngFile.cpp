// 8-bit RGBA PNG input and output on libpng's simplified interface.
#include "PngFile.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace gridlux {
namespace offscreen {

namespace {

bool
failWith(std::string * error, const std::string & why)
{
  if (error) *error = why;
  return false;
}

struct FileCloser {
  void operator()(FILE * f) const { if (f) std::fclose(f); }
};

} // namespace

bool
PngFile::write(const std::string & path, const RgbaImage & image, std::string * error)
{
  if (image.empty()) return failWith(error, "cannot write an empty picture to " + path);

  // Opened here rather than by libpng so that the reason for a failure
  // (missing directory, permissions) reaches the caller.
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) return failWith(error, "cannot write " + path + ": " + std::strerror(errno));

  png_image png;
  std::memset(&png, 0, sizeof(png));
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width());
  png.height = static_cast<png_uint_32>(image.height());
  png.format = PNG_FORMAT_RGBA;
  const int ok = png_image_write_to_stdio(&png, file.get(), 0, image.bytes().data(),
                                          0, nullptr);
  if (!ok) {
    const std::string why = png.message;
    png_image_free(&png);
    return failWith(error, "cannot write " + path + ": " + why);
  }
  FILE * raw = file.release();
  if (std::fclose(raw) != 0) {
    return failWith(error, "cannot write " + path + ": " + std::strerror(errno));
  }
  return true;
}

bool
PngFile::read(const std::string & path, RgbaImage & image, std::string * error)
{
  image = RgbaImage();
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return failWith(error, "cannot read " + path + ": " + std::strerror(errno));

  png_image png;
  std::memset(&png, 0, sizeof(png));
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_stdio(&png, file.get())) {
    const std::string why = png.message;
    png_image_free(&png);
    return failWith(error, "cannot read " + path + ": " + why);
  }
  png.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> bytes(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, bytes.data(), 0, nullptr)) {
    const std::string why = png.message;
    png_image_free(&png);
    return failWith(error, "cannot read " + path + ": " + why);
  }
  image.assign(static_cast<int>(png.width), static_cast<int>(png.height), std::move(bytes));
  if (image.empty()) return failWith(error, "cannot read " + path + ": picture has no pixels");
  return true;
}

} // namespace offscreen
} // namespace gridlux
