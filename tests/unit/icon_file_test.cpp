// An author's .ico: what the resource compiler can carry into the icon group, and what not; and
// check-icon, the program the build asks, with its verdicts on icon files.
#include "icon/icon_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Le(uint32_t value, int size) {
  std::string out;
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

// A bitmap's header (its height counts the AND mask too), then a few pixel bytes.
std::string Bitmap(uint32_t width, uint32_t height, char pixels = '\0') {
  return Le(40, 4) + Le(width, 4) + Le(2 * height, 4) + std::string(28, '\0') +
         std::string(4, pixels);
}

std::string Png(uint32_t width, uint32_t height) {
  std::string big;
  for (uint32_t side : {width, height}) {
    for (int i = 3; i >= 0; --i) big += static_cast<char>(side >> (8 * i) & 0xFF);
  }
  return std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + big + std::string(5, '\0');
}

// A directory of the images, laid out one after another behind it; offsetShift moves where the
// first entry says its image lies, sizeShift how long it says it is.
std::string Icon(const std::vector<std::string>& images, int32_t offsetShift = 0,
                 int32_t sizeShift = 0) {
  std::string directory = Le(0, 2) + Le(1, 2) + Le(images.size(), 2), data;
  uint32_t offset = 6 + 16 * images.size();
  for (const std::string& image : images) {
    const bool first = data.empty();
    // 16x16, no palette, one plane, 32 bits: what the entry says is not what the reader trusts.
    directory += std::string("\x10\x10\0\0\x01\0\x20\0", 8) +
                 Le(image.size() + (first ? sizeShift : 0), 4) +
                 Le(offset + (first ? offsetShift : 0), 4);
    offset += image.size();
    data += image;
  }
  return directory + data;
}

TEST(IconFile, ReadsBitmapsAndPngsWithTheirSizes) {
  const struct {
    const char* fact;
    std::string bytes;
    std::vector<std::string> sizes;
  } cases[] = {
      {"a bitmap and a PNG", Icon({Bitmap(16, 16), Png(256, 256)}), {"16x16", "256x256"}},
      {"the smallest side", Icon({Bitmap(1, 1), Png(1, 1)}), {"1x1", "1x1"}},
      {"sides that differ", Icon({Bitmap(256, 1), Png(1, 256)}), {"256x1", "1x256"}},
      {"the last image ends where the file does", Icon({Png(32, 32)}), {"32x32"}},
      {"a PNG up to its size alone", Icon({Png(48, 48).substr(0, 24)}), {"48x48"}},
      {"a bitmap header alone", Icon({Bitmap(32, 32).substr(0, 40)}), {"32x32"}},
  };
  std::vector<IconImage> images;  // what a row before left in it is replaced
  for (const auto& c : cases) {
    std::string why;
    EXPECT_TRUE(ReadIconFile(c.bytes, &images, &why)) << c.fact << ": " << why;
    std::vector<std::string> sizes;
    for (const IconImage& image : images) {
      sizes.push_back(std::to_string(image.width) + "x" + std::to_string(image.height));
    }
    EXPECT_EQ(c.sizes, sizes) << c.fact;
  }
  std::string why;
  ASSERT_TRUE(ReadIconFile(Icon({Bitmap(16, 16), Png(256, 256)}), &images, &why));
  EXPECT_EQ(Bitmap(16, 16), images[0].data);
  EXPECT_EQ(Png(256, 256), images[1].data);
}

TEST(IconFile, RefusesWhatAnIconGroupCannotCarry) {
  const std::string notIcon = "it is not an icon (an .ico file starts with 00 00 01 00)";
  const std::string sides = " pixels; an icon group carries images of 1 to 256 pixels a side";
  const struct {
    const char* fact;
    std::string bytes;
    std::string why;
  } cases[] = {
      {"a PNG file", Png(16, 16), notIcon},
      {"a cursor", Le(0, 2) + Le(2, 2) + Le(1, 2), notIcon},
      {"five bytes", Le(0, 2) + Le(1, 2) + Le(1, 1), notIcon},
      {"its reserved word set", Le(0x100, 2) + Icon({Bitmap(16, 16)}).substr(2), notIcon},
      {"a type of 257", Icon({Bitmap(16, 16)}).replace(2, 2, Le(0x101, 2)), notIcon},
      {"an empty directory", Le(0, 2) + Le(1, 2) + Le(0, 2), "its directory lists no images"},
      {"a directory cut short", Le(0, 2) + Le(1, 2) + Le(3, 2) + std::string(20, '\0'),
       "its directory lists 3 images but the file ends before the directory does"},
      {"a directory one byte short", Icon({}).substr(0, 4) + Le(1, 2) + std::string(15, '\0'),
       "its directory lists 1 images but the file ends before the directory does"},
      {"an entry one byte past the end", Icon({Bitmap(16, 16)}, 1),
       "image 1 points outside the file (44 bytes at 23 of 66)"},
      {"an entry one byte too long", Icon({Bitmap(16, 16)}, 0, 1),
       "image 1 points outside the file (45 bytes at 22 of 66)"},
      {"an entry inside the directory", Icon({Bitmap(16, 16)}, -1),
       "image 1 points outside the file (44 bytes at 21 of 66)"},
      {"an empty entry", Icon({Bitmap(16, 16)}, 0, -44),
       "image 1 points outside the file (0 bytes at 22 of 66)"},
      {"a directory and nothing after it", Icon({Bitmap(16, 16)}).substr(0, 22),
       "image 1 points outside the file (44 bytes at 22 of 22)"},
      {"neither PNG nor bitmap", Icon({std::string(40, 'x')}),
       "image 1 is neither a PNG nor a bitmap"},
      {"a PNG cut before its size", Icon({Png(16, 16).substr(0, 23)}),
       "image 1 is neither a PNG nor a bitmap"},
      {"a bitmap header cut short", Icon({Bitmap(16, 16).substr(0, 39)}),
       "image 1 is neither a PNG nor a bitmap"},
      {"too large", Icon({Bitmap(16, 16), Png(512, 512)}), "image 2 is 512x512" + sides},
      {"one over", Icon({Png(257, 256)}), "image 1 is 257x256" + sides},
      {"one over in height", Icon({Bitmap(256, 257)}), "image 1 is 256x257" + sides},
      {"no width", Icon({Png(0, 16)}), "image 1 is 0x16" + sides},
      {"a width of 2^24 + 16", Icon({Png(0x1000010, 16)}), "image 1 is 16777232x16" + sides},
      {"no height", Icon({Bitmap(16, 0)}), "image 1 is 16x0" + sides},
  };
  for (const auto& c : cases) {
    std::vector<IconImage> images;
    std::string why;
    EXPECT_FALSE(ReadIconFile(c.bytes, &images, &why)) << c.fact;
    EXPECT_EQ(c.why, why) << c.fact;
  }
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct CheckIconRun {
  int status;  // -1: it did not end by itself within the time allowed
  std::string out, err;
};

// Runs check-icon in a fresh folder holding the files, with the arguments as a shell reads them.
CheckIconRun RunCheckIcon(const std::vector<std::pair<const char*, std::string>>& files,
                          const std::string& arguments) {
  std::string pattern = (std::filesystem::temp_directory_path() / "check-icon-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) return {-1, "", "no folder"};
  const std::filesystem::path folder = pattern;
  for (const auto& file : files)
    std::ofstream(folder / file.first, std::ios::binary) << file.second;
  const std::string command = "cd '" + pattern + "' && timeout 20 '" CHECK_ICON_PROGRAM "' " +
                              arguments + " >../" + folder.filename().string() + ".out 2>../" +
                              folder.filename().string() + ".err";
  const int status = system(command.c_str());
  CheckIconRun run = {WIFEXITED(status) && WEXITSTATUS(status) != 124 ? WEXITSTATUS(status) : -1,
                      ReadAll(pattern + ".out"), ReadAll(pattern + ".err")};
  std::filesystem::remove_all(folder);
  std::filesystem::remove(pattern + ".out");
  std::filesystem::remove(pattern + ".err");
  return run;
}

TEST(CheckIcon, VerdictsOnIconFiles) {
  const std::string good = Icon({Bitmap(16, 16), Png(256, 256)});
  const std::string listed = "16x16, 44 bytes\n256x256, 29 bytes\n";
  const std::string usage = "usage: check-icon FILE.ico [--same-images OTHER.ico]\n";
  const std::string notIcon = ": it is not an icon (an .ico file starts with 00 00 01 00)\n";
  const struct {
    const char* fact;
    std::vector<std::pair<const char*, std::string>> files;
    const char* arguments;
    int status;
    std::string out, err;
  } cases[] = {
      {"an icon that can be built in", {{"a.ico", good}}, "a.ico", 0, listed, ""},
      {"an icon of one image",
       {{"a.ico", Icon({Png(48, 48)})}},
       "a.ico",
       0,
       "48x48, 29 bytes\n",
       ""},
      {"an image too large",
       {{"a.ico", Icon({Bitmap(16, 16), Png(512, 512)})}},
       "a.ico",
       1,
       "",
       "a.ico: image 2 is 512x512 pixels; an icon group carries images of 1 to 256 pixels a "
       "side\n"},
      {"a PNG file named .ico", {{"a.ico", Png(16, 16)}}, "a.ico", 1, "", "a.ico" + notIcon},
      {"an empty file", {{"a.ico", ""}}, "a.ico", 1, "", "a.ico" + notIcon},
      {"a missing file", {}, "gone.ico", 1, "", "gone.ico: it cannot be read\n"},
      {"no file named", {}, "", 2, "", usage},
      {"a comparison without its other file",
       {{"a.ico", good}},
       "a.ico --same-images",
       2,
       "",
       usage},
      {"two files without the option", {{"a.ico", good}}, "a.ico a.ico", 2, "", usage},
      {"an unknown option", {{"a.ico", good}}, "a.ico --same-image a.ico", 2, "", usage},
      {"one argument too many", {{"a.ico", good}}, "a.ico --same-images a.ico x", 2, "", usage},
      {"the same images, laid out in another file",
       {{"a.ico", good}, {"b.ico", good + "tail"}},
       "a.ico --same-images b.ico",
       0,
       listed + "the same images\n",
       ""},
      {"the first image differs",
       {{"a.ico", good}, {"b.ico", Icon({Bitmap(16, 16, 'x'), Png(256, 256)})}},
       "a.ico --same-images b.ico",
       1,
       listed + "the images differ\n",
       ""},
      {"the last image differs",
       {{"a.ico", good}, {"b.ico", Icon({Bitmap(16, 16), Png(256, 255)})}},
       "a.ico --same-images b.ico",
       1,
       listed + "the images differ\n",
       ""},
      {"an image missing",
       {{"a.ico", good}, {"b.ico", Icon({Bitmap(16, 16)})}},
       "a.ico --same-images b.ico",
       1,
       listed + "the images differ\n",
       ""},
      {"an image more",
       {{"a.ico", Icon({Bitmap(16, 16)})}, {"b.ico", good}},
       "a.ico --same-images b.ico",
       1,
       "16x16, 44 bytes\nthe images differ\n",
       ""},
      {"the other file missing",
       {{"a.ico", good}},
       "a.ico --same-images b.ico",
       1,
       "",
       "b.ico: it cannot be read\n"},
      {"the other file no icon",
       {{"a.ico", good}, {"b.ico", "[Files]\n"}},
       "a.ico --same-images b.ico",
       1,
       "",
       "b.ico" + notIcon},
      {"the first file no icon",
       {{"a.ico", "MZ"}, {"b.ico", good}},
       "a.ico --same-images b.ico",
       1,
       "",
       "a.ico" + notIcon},
  };
  for (const auto& c : cases) {
    const CheckIconRun run = RunCheckIcon(c.files, c.arguments);
    EXPECT_EQ(c.status, run.status) << c.fact;
    EXPECT_EQ(c.out, run.out) << c.fact;
    EXPECT_EQ(c.err, run.err) << c.fact;
  }
}

}  // namespace
