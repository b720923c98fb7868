// The text of each list row: names cut with "...", whole paths shortened around "\...\",
// shortcut extensions hidden.
#include "dialog/item_text.h"

#include <cstring>

#include "config/text_rules.h"

namespace {

const char kEllipsis[] = "...";
const char kElision[] = "\\...\\";
enum { kEllipsisLength = 3, kElisionLength = 5 };

// The first width - 3 characters and "...": exactly width characters. Below 3 there is no room
// for any text, so only as many dots as fit are shown.
void CutWithEllipsis(const char* text, int width, char* out) {
  int kept = width - kEllipsisLength;
  if (kept < 0) kept = 0;
  memcpy(out, text, static_cast<size_t>(kept));
  memcpy(out + kept, kEllipsis, static_cast<size_t>(width - kept));
  out[width] = '\0';
}

void CopyFittingName(const char* name, int width, char* out) {
  if (static_cast<int>(strlen(name)) > width) {
    CutWithEllipsis(name, width, out);
  } else {
    strcpy(out, name);
  }
}

void HideShortcutExtension(char* text) {
  char* dot = strrchr(text, '.');
  if (dot != nullptr && CompareAsciiFolded(dot + 1, "lnk") == 0) *dot = '\0';
}

// Two or more backslashes: head, "\...\", then as many components from the right as fit.
void ElideMiddle(const char* path, int width, char* out) {
  const char* first = strchr(path, '\\');
  const char* last = strrchr(path, '\\');
  int headLength = static_cast<int>(first - path);
  if (headLength > width) headLength = width;
  int total = headLength + kElisionLength + static_cast<int>(strlen(last + 1));
  const char* tail = last;  // the kept tail is what follows this backslash
  while (tail > first) {
    const char* previous = tail - 1;
    while (*previous != '\\') --previous;
    int componentLength = static_cast<int>(tail - previous - 1);
    if (total + componentLength + 1 > width) break;
    total += componentLength + 1;
    tail = previous;
  }
  memcpy(out, path, static_cast<size_t>(headLength));
  memcpy(out + headLength, kElision, kElisionLength);
  strcpy(out + headLength + kElisionLength, tail + 1);
}

}  // namespace

int RowWidth(int clientWidth, int averageCharWidth) {
  // An average width below 2 would leave no divisor; count every pixel as a character then.
  int divisor = averageCharWidth - 1 < 1 ? 1 : averageCharWidth - 1;
  return clientWidth > 0 ? clientWidth / divisor : 0;
}

int CountOccurrences(const char* text, const char* pattern) {
  const size_t step = strlen(pattern);
  int count = 0;
  for (const char* match = strstr(text, pattern); match; match = strstr(match + step, pattern)) {
    ++count;
  }
  return count;
}

void CopyLastComponent(const char* path, char* out) {
  const char* slash = strrchr(path, '\\');
  if (slash != nullptr) strcpy(out, slash + 1);
}

int ShortenPath(const char* path, char* out, int width) {
  if (width < 0) width = 0;
  if (static_cast<int>(strlen(path)) <= width) {
    strcpy(out, path);
    return 0;
  }
  int backslashes = CountOccurrences(path, "\\");
  if (backslashes == 0) {
    CutWithEllipsis(path, width, out);
  } else if (backslashes == 1) {
    CopyLastComponent(path, out);
  } else {
    ElideMiddle(path, width, out);
  }
  return 1;
}

void MakeItemText(const char* path, int width, int showFullPath, char* out) {
  if (width < 0) width = 0;
  if (showFullPath != 0) {
    ShortenPath(path, out, width);
  } else {
    const char* slash = strrchr(path, '\\');
    CopyFittingName(slash ? slash + 1 : path, width, out);
  }
  HideShortcutExtension(out);
}
