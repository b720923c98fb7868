// ASCII text spelt as UTF-16 bytes without a mark, for the tables of file bytes.
#pragma once

#include <string>

inline std::string Le(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

inline std::string Be(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += std::string{'\0', c};
  return out;
}
