// Text as the launcher's ANSI functions see it (Windows-1252), from and to the host's encodings.
#include "checker/ansi_text.h"

#include <cstdio>

#include "config/text_rules.h"

const char kUtf8MarkBytes[] = "\xEF\xBB\xBF";
const char kUtf16LeMarkBytes[] = "\xFF\xFE";

namespace {

const char kUtf16BeMarkBytes[] = "\xFE\xFF";

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

// A UTF-16 unit as the conversion to Windows-1252 writes it.
char ToAnsi(uint32_t unit, bool bestFit) {
  const char exact = FromUnicode(unit);
  return exact != '?' || unit == '?' || !bestFit ? exact : BestFitOf(unit);
}

void AppendUtf16Le(uint32_t unit, std::string& out) {
  if (unit >= 0x10000) {
    AppendUtf16Le(0xD800 | (unit - 0x10000) >> 10, out);
    unit = 0xDC00 | (unit & 0x3FF);
  }
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>(unit >> 8);
}

// The length a lead byte announces, and the range its first continuation byte must lie in
// (which rules out overlong forms, surrogates and code points beyond U+10FFFF); 0 for no lead.
struct Utf8Lead {
  size_t length;
  uint8_t low, high;
};
Utf8Lead LeadOf(uint8_t b) {
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
  if (b == 0xE0) return {3, 0xA0, 0xBF};
  if (b == 0xED) return {3, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
  if (b == 0xF0) return {4, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
  if (b == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

// A byte's lower and upper case under Windows-1252.
struct LetterCase {
  uint8_t lower, upper;
};
LetterCase CaseOf(uint8_t b) {
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
    return {uint8_t(b + 0x20), b};
  if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
    return {b, uint8_t(b - 0x20)};
  if (b == 0x8A || b == 0x8C || b == 0x8E) return {uint8_t(b + 0x10), b};
  if (b == 0x9A || b == 0x9C || b == 0x9E) return {b, uint8_t(b - 0x10)};
  if (b == 0x9F) return {0xFF, b};
  if (b == 0xFF) return {b, 0x9F};
  return {b, b};
}

}  // namespace

ByteOrderMark ByteOrderMarkOf(const std::string& bytes) {
  if (bytes.compare(0, 2, kUtf16LeMarkBytes) == 0) return kUtf16LeMark;
  if (bytes.compare(0, 2, kUtf16BeMarkBytes) == 0) return kUtf16BeMark;
  if (bytes.compare(0, 3, kUtf8MarkBytes) == 0) return kUtf8Mark;
  return kNoMark;
}

size_t MarkLength(ByteOrderMark mark) {
  return mark == kUtf8Mark ? 3 : mark == kNoMark ? 0 : 2;
}

uint32_t Utf16UnitAt(const std::string& bytes, size_t at, bool bigEndian) {
  const uint8_t first = static_cast<uint8_t>(bytes[at]),
                second = static_cast<uint8_t>(bytes[at + 1]);
  return bigEndian ? first << 8 | second : second << 8 | first;
}

size_t FirstUnfit(const std::string& utf8) {
  size_t found = std::string::npos;
  ForEachUtf8(utf8, 0, [&](size_t at, const Utf8Sequence& sequence) {
    if (sequence.length > 1 && !FitsAnsi(sequence.codePoint)) found = at;
    return found == std::string::npos;
  });
  return found;
}

uint32_t AnsiToUnicode(uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0) {
    return kHighControls[byte - 0x80];
  }
  return byte;
}

std::string Utf16ToAnsi(const std::string& bytes, bool bigEndian, bool bestFit) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    out += ToAnsi(Utf16UnitAt(bytes, i, bigEndian), bestFit);
  return out;
}

Utf8Sequence Utf8SequenceAt(const std::string& utf8, size_t i) {
  const uint8_t first = static_cast<uint8_t>(utf8[i]);
  if (first < 0x80) return {1, first, 0};
  const Utf8Lead lead = LeadOf(first);
  if (lead.length == 0) return {0, 0, 1};
  uint32_t codePoint = first & (0x7F >> lead.length);
  for (size_t k = 1; k < lead.length; ++k) {
    const uint8_t next = i + k < utf8.size() ? static_cast<uint8_t>(utf8[i + k]) : 0;
    const bool fits = k == 1 ? next >= lead.low && next <= lead.high : (next & 0xC0) == 0x80;
    if (!fits) return {0, 0, k};
    codePoint = codePoint << 6 | (next & 0x3F);
  }
  return {lead.length, codePoint, 0};
}

std::string Utf8ToAnsi(const std::string& utf8, bool bestFit) {
  std::string out;
  ForEachUtf8(utf8, 0, [&](size_t, const Utf8Sequence& sequence) {
    if (sequence.codePoint > 0xFFFF) out += '?';  // the first of its two UTF-16 units
    out += sequence.length > 0 ? ToAnsi(sequence.codePoint, bestFit) : '?';
    return true;
  });
  return out;
}

std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian) {
  std::string out;
  auto unitAt = [&](size_t i) { return Utf16UnitAt(bytes, i, bigEndian); };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t unit = unitAt(i);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size() && unitAt(i + 2) >= 0xDC00 &&
        unitAt(i + 2) <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00);
      i += 2;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      unit = 0xFFFD;
    }
    AppendUtf8(unit, out);
  }
  return out;
}

std::string Utf8ToUtf16Le(const std::string& utf8) {
  std::string out;
  ForEachUtf8(utf8, 0, [&](size_t, const Utf8Sequence& sequence) {
    AppendUtf16Le(sequence.length > 0 ? sequence.codePoint : 0xFFFD, out);
    return true;
  });
  return out;
}

std::string CodePointName(uint32_t codePoint) {
  char number[12];
  snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(codePoint));
  return number;
}

bool IsUnseen(uint32_t codePoint) {
  const uint32_t kRanges[][2] = {{0x1680, 0x1680}, {0x2000, 0x200F}, {0x2028, 0x202F},
                                 {0x205F, 0x206F}, {0x3000, 0x3000}, {0xFEFF, 0xFEFF}};
  for (const auto& range : kRanges) {
    if (codePoint >= range[0] && codePoint <= range[1]) return true;
  }
  return false;
}

// A character as shown: a control character, C0, DEL or C1 (which some terminals act on), escaped.
static void AppendShown(uint32_t codePoint, bool keepBreaks, std::string& out) {
  const bool kept = keepBreaks && (codePoint == '\n' || codePoint == '\r');
  if ((codePoint < 0x20 && !kept) || (codePoint >= 0x7F && codePoint <= 0x9F)) {
    char escaped[8];
    snprintf(escaped, sizeof escaped, codePoint == 0 ? "\\0" : "\\x%02X", codePoint);
    out += escaped;
  } else if (IsUnseen(codePoint)) {
    out += "\\u" + CodePointName(codePoint).substr(2);
  } else {
    AppendUtf8(codePoint, out);
  }
}

std::string ShownText(const std::string& text, bool keepBreaks) {
  std::string out;
  ForEachUtf8(text, 0, [&](size_t at, const Utf8Sequence& sequence) {
    for (size_t i = at; i < at + sequence.invalid; ++i) {  // bytes that are no UTF-8
      AppendShown(AnsiToUnicode(static_cast<uint8_t>(text[i])), keepBreaks, out);
    }
    if (sequence.length > 0) AppendShown(sequence.codePoint, keepBreaks, out);
    return true;
  });
  return out;
}

std::string ValidUtf8(const std::string& bytes) {
  std::string out;
  ForEachUtf8(bytes, 0, [&](size_t at, const Utf8Sequence& sequence) {
    if (sequence.length == 0) AppendUtf8(0xFFFD, out);
    out += bytes.substr(at, sequence.length);
    return true;
  });
  return out;
}

bool FitsAnsi(uint32_t codePoint) {
  return codePoint == '?' || FromUnicode(codePoint) != '?';
}

void AppendUtf8(uint32_t unit, std::string& out) {
  static const uint8_t kLeads[] = {0, 0xC0, 0xE0, 0xF0};
  const int more = unit < 0x80 ? 0 : unit < 0x800 ? 1 : unit < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLeads[more] | unit >> 6 * more);
  for (int shift = 6 * (more - 1); shift >= 0; shift -= 6) {
    out += static_cast<char>(0x80 | (unit >> shift & 0x3F));
  }
}

std::string AnsiToUtf8(const std::string& ansi) {
  std::string out;
  for (char c : ansi) AppendUtf8(AnsiToUnicode(static_cast<uint8_t>(c)), out);
  return out;
}

char AnsiLower(char c) {
  return static_cast<char>(CaseOf(static_cast<uint8_t>(c)).lower);
}

char AnsiUpper(char c) {
  return static_cast<char>(CaseOf(static_cast<uint8_t>(c)).upper);
}

std::string AnsiFolded(const std::string& ansi) {
  std::string folded = ansi;
  for (char& c : folded) c = AnsiLower(c);
  return folded;
}

bool SameAnsiFolded(const std::string& a, const std::string& b) {
  return AnsiFolded(a) == AnsiFolded(b);
}

bool SameAsciiFolded(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareAsciiFolded(a.c_str(), b.c_str()) == 0;
}
