// An author's .ico: what the resource compiler can carry into the icon group, and what not.
#include "icon/icon_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Le(uint32_t value, int size) {
  std::string out;
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

std::string Bitmap(int side) {  // a header is all the reader looks at
  return Le(40, 4) + Le(side, 4) + Le(2 * side, 4) + std::string(28, '\0');
}

std::string Png(uint32_t side) {
  std::string big;
  for (int i = 3; i >= 0; --i) big += static_cast<char>(side >> (8 * i) & 0xFF);
  return std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + big + big + std::string(5, '\0');
}

// A directory of the images, laid out one after another behind it.
std::string Icon(const std::vector<std::string>& images, uint32_t offsetShift = 0) {
  std::string directory = Le(0, 2) + Le(1, 2) + Le(images.size(), 2), data;
  uint32_t offset = 6 + 16 * images.size();
  for (const std::string& image : images) {
    directory += std::string(8, '\0') + Le(image.size(), 4) + Le(offset + offsetShift, 4);
    offset += image.size();
    data += image;
  }
  return directory + data;
}

TEST(IconFile, ReadsBitmapsAndPngsWithTheirSizes) {
  std::vector<IconImage> images;
  std::string why;
  ASSERT_TRUE(ReadIconFile(Icon({Bitmap(16), Png(256)}), &images, &why)) << why;
  ASSERT_EQ(2u, images.size());
  EXPECT_EQ(16, images[0].height);
  EXPECT_EQ(256, images[1].width);
  EXPECT_EQ(Png(256), images[1].data);
}

TEST(IconFile, RefusesWhatAnIconGroupCannotCarry) {
  const struct {
    const char* fact;
    std::string bytes;
    const char* why;
  } cases[] = {
      {"a PNG file", Png(16), "it is not an icon"},
      {"a cursor", Le(0, 2) + Le(2, 2) + Le(1, 2), "it is not an icon"},
      {"an empty directory", Le(0, 2) + Le(1, 2) + Le(0, 2), "lists no images"},
      {"a directory cut short", Le(0, 2) + Le(1, 2) + Le(3, 2) + std::string(20, '\0'),
       "ends before the directory does"},
      {"an entry past the end", Icon({Bitmap(16)}, 1), "image 1 points outside the file"},
      {"neither PNG nor bitmap", Icon({std::string(40, 'x')}), "neither a PNG nor a bitmap"},
      {"too large", Icon({Bitmap(16), Png(512)}), "image 2 is 512x512 pixels"},
  };
  for (const auto& c : cases) {
    std::vector<IconImage> images;
    std::string why;
    EXPECT_FALSE(ReadIconFile(c.bytes, &images, &why)) << c.fact;
    EXPECT_NE(std::string::npos, why.find(c.why)) << c.fact << ": " << why;
  }
}

}  // namespace
