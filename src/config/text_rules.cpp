// Byte rules shared by the parser, the folder scan and the row text.
#include "config/text_rules.h"

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c;
}

int CompareAsciiFolded(const char* a, const char* b) {
  for (;; ++a, ++b) {
    unsigned char x = static_cast<unsigned char>(AsciiLower(*a));
    unsigned char y = static_cast<unsigned char>(AsciiLower(*b));
    if (x != y) return x < y ? -1 : 1;
    if (x == '\0') return 0;
  }
}

void ReplaceLineBreaks(char* text) {
  for (char* p = text; p[0] != '\0'; ++p) {
    if (p[0] == '\\' && p[1] == 'n') {
      p[0] = '\r';
      p[1] = '\n';
      ++p;
    }
  }
}
