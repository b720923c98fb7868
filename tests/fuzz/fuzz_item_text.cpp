// Random paths and widths through the row text: never more than 263 bytes, and the length rules.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "dialog/item_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int width = data[0] % 301;
  const int fullPath = data[1] & 1;
  char path[261];
  size_t length = size - 2 > 260 ? 260 : size - 2;
  memcpy(path, data + 2, length);
  path[length] = '\0';
  length = strlen(path);

  char* out = static_cast<char*>(malloc(kItemTextRoom));  // exact size, so ASan sees overruns
  MakeItemText(path, width, fullPath, out);
  size_t made = strlen(out);
  if (made > 263 || made > length + 3) abort();
  if (!fullPath && made > static_cast<size_t>(width)) abort();  // names never exceed W

  int shortened = ShortenPath(path, out, width);
  made = strlen(out);
  if (shortened == 0 && strcmp(out, path) != 0) abort();
  if (shortened == 0 && length > static_cast<size_t>(width)) abort();
  if (made > length + 3) abort();
  free(out);
  return 0;
}
