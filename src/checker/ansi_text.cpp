// Text as the launcher's ANSI functions see it (Windows-1252), from and to the host's encodings.
#include "checker/ansi_text.h"

namespace {

// Windows-1252 for 0x80..0x9F; 0 where the code page leaves a byte undefined (kept as is).
const uint16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char FromUnicode(uint32_t unit) {
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  }
  if (unit >= 0x80 && unit <= 0x9F) {
    return kHighControls[unit - 0x80] == 0 ? static_cast<char>(unit) : '?';
  }
  return unit <= 0xFF ? static_cast<char>(unit) : '?';
}

void AppendUtf8(uint32_t unit, std::string& out) {
  if (unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | unit >> 6);
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | unit >> 12);
    out += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

}  // namespace

uint32_t AnsiToUnicode(uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
    return kHighControls[byte - 0x80];
  }
  return byte;
}

std::string Utf16ToAnsi(const std::string& bytes, bool bigEndian) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint8_t low = bytes[i + (bigEndian ? 1 : 0)], high = bytes[i + (bigEndian ? 0 : 1)];
    out += FromUnicode(low | high << 8);
  }
  return out;
}

std::string Utf8ToAnsi(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    uint8_t lead = utf8[i];
    int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + extra >= utf8.size()) {  // not a lead byte, or cut short
      out += '?';
      ++i;
      continue;
    }
    uint32_t unit = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) unit = unit << 6 | (utf8[i + k] & 0x3F);
    out += FromUnicode(unit);
    i += extra + 1;
  }
  return out;
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::string out;
  for (char c : ansi) AppendUtf8(AnsiToUnicode(static_cast<uint8_t>(c)), out);
  return out;
}

char AnsiLower(char c) {
  uint8_t b = static_cast<uint8_t>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
    return static_cast<char>(b + 0x20);
  if (b == 0x8A || b == 0x8C || b == 0x8E) return static_cast<char>(b + 0x10);
  if (b == 0x9F) return static_cast<char>(0xFF);
  return c;
}

bool SameAnsiFolded(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AnsiLower(a[i]) != AnsiLower(b[i])) return false;
  }
  return true;
}
