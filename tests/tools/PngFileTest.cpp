// PNG files: what is written reads back identically, and unreadable or
// unwritable files give a reason instead of a picture.
#include "support/ImageCompare.h"

#include "offscreen/PngFile.h"

#include <gtest/gtest.h>

#include <fstream>

using gridlux::offscreen::PngFile;
using gridlux::offscreen::RgbaImage;

namespace {

RgbaImage
pattern(int width, int height)
{
  RgbaImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t * p = image.pixel(x, y);
      p[0] = uint8_t(x * 7);
      p[1] = uint8_t(y * 11);
      p[2] = uint8_t((x ^ y) * 3);
      p[3] = uint8_t(255 - x - y);
    }
  }
  return image;
}

TEST(PngFile, RoundTripKeepsEveryByte)
{
  const std::string path = gridlux::test::testOutputDirectory() + "/png_round_trip.png";
  // Not square, so that swapped sides or a flipped row order show.
  const RgbaImage image = pattern(37, 19);
  std::string error;
  ASSERT_TRUE(PngFile::write(path, image, &error)) << error;

  RgbaImage back;
  ASSERT_TRUE(PngFile::read(path, back, &error)) << error;
  EXPECT_EQ(back.width(), 37);
  EXPECT_EQ(back.height(), 19);
  EXPECT_TRUE(back.bytes() == image.bytes());
}

TEST(PngFile, FailuresGiveAReason)
{
  const std::string dir = gridlux::test::testOutputDirectory();
  RgbaImage image(4, 4);
  std::string error;

  EXPECT_FALSE(PngFile::read(dir + "/no_such_picture.png", image, &error));
  EXPECT_TRUE(image.empty());
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;

  const std::string notPng = dir + "/not_a_picture.png";
  std::ofstream(notPng) << "#Inventor V2.1 ascii\nCone {}\n";
  error.clear();
  EXPECT_FALSE(PngFile::read(notPng, image, &error));
  EXPECT_NE(error.find(notPng), std::string::npos) << error;

  error.clear();
  EXPECT_FALSE(PngFile::write(dir + "/missing_dir/picture.png", pattern(2, 2), &error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;

  error.clear();
  EXPECT_FALSE(PngFile::write(dir + "/empty.png", RgbaImage(), &error));
  EXPECT_FALSE(error.empty());
}

} // namespace
