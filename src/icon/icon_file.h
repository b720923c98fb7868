// An .ico file read as the resource compiler reads it: a directory of images, each a PNG or a
// bitmap, checked for what an icon group in the exe can carry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct IconImage {
  int width, height;  // in pixels, from the image itself
  std::string data;   // the image's bytes, as the exe will hold them
};

// False, with why set to one sentence, when the bytes are no icon an icon group can carry.
bool ReadIconFile(const std::string& bytes, std::vector<IconImage>* images, std::string* why);
