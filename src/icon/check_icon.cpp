// check-icon: tells whether an .ico can be built into the launcher, and compares two icons'
// images (an icon built in, extracted again, must hold the same images).
// Usage: check-icon FILE.ico [--same-images OTHER.ico]
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "icon/icon_file.h"

namespace {

bool ReadIcon(const char* path, std::vector<IconImage>* images) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string why;
  if (!in.good() && !in.eof()) why = "it cannot be read";
  if (why.empty() && ReadIconFile(bytes.str(), images, &why)) return true;
  fprintf(stderr, "%s: %s\n", path, why.empty() ? "it cannot be read" : why.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const bool compare = argc == 4 && std::string(argv[2]) == "--same-images";
  if (argc != 2 && !compare) {
    fprintf(stderr, "usage: check-icon FILE.ico [--same-images OTHER.ico]\n");
    return 2;
  }
  std::vector<IconImage> images, others;
  if (!ReadIcon(argv[1], &images) || (compare && !ReadIcon(argv[3], &others))) return 1;
  for (const IconImage& image : images)
    printf("%dx%d, %zu bytes\n", image.width, image.height, image.data.size());
  if (!compare) return 0;
  bool same = images.size() == others.size();
  for (size_t i = 0; same && i < images.size(); ++i) same = images[i].data == others[i].data;
  printf("%s\n", same ? "the same images" : "the images differ");
  return same ? 0 : 1;
}
