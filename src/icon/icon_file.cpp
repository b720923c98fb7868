// An .ico file read as the resource compiler reads it, checked for what an icon group can carry.
#include "icon/icon_file.h"

namespace {

enum { kDirectorySize = 6, kEntrySize = 16, kLargestSide = 256 };

uint32_t Little(const std::string& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

uint32_t Big32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

// The image's own size: a PNG's header, or a bitmap's (whose height counts the AND mask too).
bool MeasureImage(const std::string& data, IconImage* image) {
  static const char kPng[] = "\x89PNG\r\n\x1a\n";
  if (data.size() >= 24 && data.compare(0, 8, kPng, 8) == 0 && data.compare(12, 4, "IHDR") == 0) {
    image->width = static_cast<int>(Big32(data, 16));
    image->height = static_cast<int>(Big32(data, 20));
    return true;
  }
  if (data.size() >= 40 && Little(data, 0, 4) == 40) {
    image->width = static_cast<int>(Little(data, 4, 4));
    image->height = static_cast<int>(Little(data, 8, 4)) / 2;
    return true;
  }
  return false;
}

bool Fail(std::string* why, const std::string& text) {
  *why = text;
  return false;
}

}  // namespace

bool ReadIconFile(const std::string& bytes, std::vector<IconImage>* images, std::string* why) {
  images->clear();
  if (bytes.size() < kDirectorySize || Little(bytes, 0, 2) != 0 || Little(bytes, 2, 2) != 1) {
    return Fail(why, "it is not an icon (an .ico file starts with 00 00 01 00)");
  }
  const uint32_t count = Little(bytes, 4, 2);
  if (count == 0) return Fail(why, "its directory lists no images");
  const size_t directoryEnd = kDirectorySize + static_cast<size_t>(count) * kEntrySize;
  if (directoryEnd > bytes.size()) {
    return Fail(why, "its directory lists " + std::to_string(count) +
                         " images but the file ends before the directory does");
  }
  for (uint32_t i = 0; i < count; ++i) {
    const size_t entry = kDirectorySize + i * kEntrySize;
    const uint32_t size = Little(bytes, entry + 8, 4), offset = Little(bytes, entry + 12, 4);
    const std::string n = "image " + std::to_string(i + 1);
    if (size == 0 || offset < directoryEnd || offset > bytes.size() ||
        size > bytes.size() - offset) {
      return Fail(why, n + " points outside the file (" + std::to_string(size) + " bytes at " +
                           std::to_string(offset) + " of " + std::to_string(bytes.size()) + ")");
    }
    IconImage image = {0, 0, bytes.substr(offset, size)};
    if (!MeasureImage(image.data, &image)) return Fail(why, n + " is neither a PNG nor a bitmap");
    if (image.width < 1 || image.height < 1 || image.width > kLargestSide ||
        image.height > kLargestSide) {
      return Fail(why, n + " is " + std::to_string(image.width) + "x" +
                           std::to_string(image.height) +
                           " pixels; an icon group carries images of 1 to 256 pixels a side");
    }
    images->push_back(image);
  }
  return true;
}
