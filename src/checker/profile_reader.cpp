// Reads an INI file on the host as Windows' profile functions read it, or as Wine 8's do.
#include "checker/profile_reader.h"

#include <cstring>

#include "checker/ansi_text.h"

namespace {

// Where Windows and Wine 8 read a file differently.
struct ReadingRules {
  bool decodesUtf8Mark;         // else its three bytes stay in front of line 1, read as ANSI
  bool readsUtf16BigEndian;     // else nothing of such a file is read
  bool nameEndsAtFirstBracket;  // else at the last
  bool headerNeedsBracket;      // else "[name" is a header too
  bool valueLengthWraps;        // at 65,536, as a 16-bit length would
};
const ReadingRules kRules[] = {
    /* kWindowsReading */ {false, false, true, false, true},
    /* kWineReading */ {true, true, false, true, false},
};

std::string Decode(const std::string& bytes, const ReadingRules& rules) {
  if (bytes.compare(0, 2, "\xFF\xFE") == 0) return Utf16ToAnsi(bytes.substr(2), false);
  if (bytes.compare(0, 2, "\xFE\xFF") == 0) {
    return rules.readsUtf16BigEndian ? Utf16ToAnsi(bytes.substr(2), true) : std::string();
  }
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 && rules.decodesUtf8Mark) {
    return Utf8ToAnsi(bytes.substr(3));
  }
  return bytes;
}

// White space to the profile functions: the C space characters and the old end-of-file mark.
// The separators 0x1C..0x1F and the no-break space are kept.
bool IsProfileSpace(char c) {
  uint8_t b = static_cast<uint8_t>(c);
  return (b >= 9 && b <= 13) || b == ' ' || b == 0x1A;
}

// Names and values end at their first NUL, as the reader copies them out.
std::string UpToNul(const char* start, const char* end) {
  const void* nul = memchr(start, '\0', end - start);
  return std::string(start, nul ? static_cast<const char*>(nul) : end);
}

char Folded(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

// A line ends at a carriage return, a line feed, or both together.
const char* NextLineEnd(const char* from, const char* end) {
  while (from < end && *from != '\r' && *from != '\n') ++from;
  if (from < end && *from++ == '\r' && from < end && *from == '\n') ++from;
  return from;
}

// Where a header's name ends, or null when the line is no header.
const char* HeaderNameEnd(const char* start, const char* end, const ReadingRules& rules) {
  const char* close = nullptr;
  for (const char* at = start + 1; at < end; ++at) {
    if (*at != ']') continue;
    close = at;
    if (rules.nameEndsAtFirstBracket) break;
  }
  return close != nullptr || rules.headerNeedsBracket ? close : end;
}

void AddLine(const char* start, const char* end, int line, const ReadingRules& rules,
             ProfileFile& file) {
  if (*start == '[') {
    if (const char* close = HeaderNameEnd(start, end, rules)) {
      file.sections.push_back({TrimmedProfileText(UpToNul(start + 1, close)), {}, line});
      return;
    }
  }
  ProfileKey key = {std::string(), false, std::string(), line};
  const char* nameEnd = end;
  if (const void* equals = memchr(start, '=', end - start)) {
    nameEnd = static_cast<const char*>(equals);
    const char* value = nameEnd + 1;
    while (nameEnd > start && IsProfileSpace(nameEnd[-1])) --nameEnd;
    while (value < end && IsProfileSpace(*value)) ++value;
    key.hasValue = true;
    key.value = UpToNul(value, end);
    if (rules.valueLengthWraps) key.value.resize(key.value.size() % 65536);
  }
  key.name = UpToNul(start, nameEnd);
  // A nameless key right after another nameless one is dropped.
  std::vector<ProfileKey>& keys = file.sections.back().keys;
  if (nameEnd == start && !keys.empty() && keys.back().name.empty()) return;
  keys.push_back(key);
}

// The value as the string functions copy it: a quote at both ends is removed, except that a value
// cut by the room keeps its closing quote's place (the last byte that fits is dropped instead).
std::string CopyEntry(const std::string& value, uint32_t room) {
  if (room == 0) return std::string();
  size_t start = 0;
  const bool quoted = IsQuotedProfileValue(value);
  if (quoted) start = 1;
  std::string out = value.substr(start, room - 1);
  if (quoted && room >= value.size() - start && !out.empty()) out.pop_back();
  return out;
}

// The value of a digit in bases up to 36, or 36 for a character that is none.
uint32_t DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 36;
}

}  // namespace

bool IsQuotedProfileValue(const std::string& value) {
  return value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
}

std::string TrimmedProfileText(const std::string& s) {
  size_t first = 0, last = s.size();
  while (first < last && IsProfileSpace(s[first])) ++first;
  while (last > first && IsProfileSpace(s[last - 1])) --last;
  return s.substr(first, last - first);
}

const ProfileKey* FindProfileKey(const ProfileFile& file, const std::string& section,
                                 const std::string& key) {
  const ProfileSection* found = FindProfileSection(file, TrimmedProfileText(section));
  if (found == nullptr) return nullptr;
  const std::string name = TrimmedProfileText(key);
  for (const ProfileKey& k : found->keys) {
    if (SameName(k.name, name)) return &k;
  }
  return nullptr;
}

ProfileFile ReadProfile(const std::string& bytes, ProfileDialect dialect) {
  const ReadingRules& rules = kRules[dialect];
  const std::string text = Decode(bytes, rules);
  ProfileFile file;
  file.sections.push_back({std::string(), {}, 0});
  const char* at = text.data();
  const char* const end = at + text.size();
  for (int line = 1; at < end; ++line) {
    const char* next = NextLineEnd(at, end);
    const char* start = at;
    const char* stop = next;
    at = next;
    while (start < stop && IsProfileSpace(*start)) ++start;
    while (stop > start && IsProfileSpace(stop[-1])) --stop;
    if (start < stop) AddLine(start, stop, line, rules, file);
  }
  return file;
}

const ProfileSection* FindProfileSection(const ProfileFile& file, const std::string& name) {
  for (size_t i = 1; i < file.sections.size(); ++i) {
    if (SameName(file.sections[i].name, name)) return &file.sections[i];
  }
  return nullptr;
}

std::string ProfileString(const ProfileFile& file, const std::string& section,
                          const std::string& key, const std::string& fallback, uint32_t room) {
  const ProfileKey* found = FindProfileKey(file, section, key);
  if (found != nullptr && found->hasValue) return CopyEntry(found->value, room);
  std::string shortened = fallback;
  while (shortened.size() > 1 && shortened.back() == ' ') shortened.pop_back();
  return CopyEntry(shortened, room);
}

int ProfileKeyLine(const ProfileFile& file, const std::string& section, const std::string& key) {
  const ProfileKey* found = FindProfileKey(file, section, key);
  return found != nullptr && found->hasValue ? found->line : 0;
}

int32_t ProfileInt(const ProfileFile& file, const std::string& section, const std::string& key,
                   int32_t fallback) {
  const std::string text = ProfileString(file, section, key, "", 30);
  if (text.empty()) return fallback;
  size_t i = 0;
  while (i < text.size() && static_cast<uint8_t>(text[i]) <= ' ') ++i;
  bool minus = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
  uint32_t base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    const char prefix = text[i + 1];
    base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
    if (base != 10) i += 2;
  }
  uint32_t total = 0;
  for (; i < text.size() && DigitValue(text[i]) < base; ++i)
    total = total * base + DigitValue(text[i]);
  return static_cast<int32_t>(minus ? 0u - total : total);
}

std::vector<SectionLine> ProfileSectionLines(const ProfileFile& file, const std::string& section) {
  std::vector<SectionLine> lines;
  const ProfileSection* found = FindProfileSection(file, section);
  if (found == nullptr) return lines;
  for (const ProfileKey& key : found->keys) {
    if (key.name.empty() && !key.hasValue) continue;
    if (!key.name.empty() && key.name[0] == ';') continue;  // a comment line
    lines.push_back({key.hasValue ? key.name + "=" + key.value : key.name, key.line});
  }
  return lines;
}

void ProfileSectionBuffer(const ProfileFile& file, const std::string& section, char* buffer,
                          uint32_t size) {
  std::string all;
  for (const SectionLine& line : ProfileSectionLines(file, section)) all += line.text + '\0';
  all += '\0';
  if (size < 2) return;
  if (all.size() > size) {
    all.resize(size - 2);
    all += std::string(2, '\0');
  }
  memcpy(buffer, all.data(), all.size());
}
