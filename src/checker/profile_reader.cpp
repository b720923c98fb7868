// Reads an INI file on the host as Windows' profile functions read it, or as Wine 8's do.
#include "checker/profile_reader.h"

#include <cstring>

#include "checker/ansi_text.h"
#include "config/text_rules.h"

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

// How a dialect takes the file's bytes: in which units, from where, decoded how.
enum Decoding { kAnsiBytes, kUtf8Bytes, kUtf16Le, kUtf16Be, kUnread };
struct Encoded {
  Decoding decoding;
  size_t offset;  // where the text begins, after a mark the dialect honours
};

Encoded EncodingFor(ByteOrderMark mark, const ReadingRules& rules) {
  switch (mark) {
    case kUtf16LeMark:
      return {kUtf16Le, MarkLength(mark)};
    case kUtf16BeMark:
      return rules.readsUtf16BigEndian ? Encoded{kUtf16Be, MarkLength(mark)} : Encoded{kUnread, 0};
    case kUtf8Mark:
      return rules.decodesUtf8Mark ? Encoded{kUtf8Bytes, MarkLength(mark)} : Encoded{kAnsiBytes, 0};
    default:
      return {kAnsiBytes, 0};
  }
}

size_t UnitSize(Decoding decoding) {
  return decoding == kUtf16Le || decoding == kUtf16Be ? 2 : 1;
}

uint32_t UnitAt(const std::string& bytes, size_t at, Decoding decoding) {
  if (UnitSize(decoding) == 2) return Utf16UnitAt(bytes, at, decoding == kUtf16Be);
  return static_cast<uint8_t>(bytes[at]);
}

std::string DecodeLine(const std::string& bytes, size_t start, size_t end, Decoding decoding,
                       bool bestFit) {
  const std::string raw = bytes.substr(start, end - start);
  if (decoding == kUtf8Bytes) return Utf8ToAnsi(raw, bestFit);
  if (decoding == kUtf16Le || decoding == kUtf16Be) {
    return Utf16ToAnsi(raw, decoding == kUtf16Be, bestFit);
  }
  return raw;
}

// The byte after a line that starts at start: a line ends at a carriage return, a line feed, or
// both together. Sets end to where its text ends (an odd byte after the last unit included).
size_t NextLine(const std::string& bytes, size_t start, Decoding decoding, size_t* end) {
  const size_t unit = UnitSize(decoding);
  size_t at = start;
  while (at + unit <= bytes.size()) {
    const uint32_t c = UnitAt(bytes, at, decoding);
    if (c == '\r' || c == '\n') break;
    at += unit;
  }
  if (at + unit > bytes.size()) {
    *end = bytes.size();
    return bytes.size();
  }
  *end = at;
  const bool carriageReturn = UnitAt(bytes, at, decoding) == '\r';
  at += unit;
  if (carriageReturn && at + unit <= bytes.size() && UnitAt(bytes, at, decoding) == '\n')
    at += unit;
  return at;
}

// White space to the profile functions: the C space characters and the old end-of-file mark.
// The separators 0x1C..0x1F and the no-break space are kept.
bool IsProfileSpace(char c) {
  uint8_t b = static_cast<uint8_t>(c);
  return (b >= 9 && b <= 13) || b == ' ' || b == 0x1A;
}

bool IsUnmeasured(char c) {
  return c == '\f' || c == '\x1A';
}

// Trims blanks from the ends of [start, stop) that are asked for; true when a form feed or 0x1A
// was among them: Wine trims both, Windows has been measured for space, tab and vertical tab only.
bool Trim(const char*& start, const char*& stop, bool front, bool back) {
  bool unmeasured = false;
  while (front && start < stop && IsProfileSpace(*start)) unmeasured |= IsUnmeasured(*start++);
  while (back && stop > start && IsProfileSpace(stop[-1])) unmeasured |= IsUnmeasured(*--stop);
  return unmeasured;
}

// Names and values end at their first NUL, as the reader copies them out.
std::string UpToNul(const char* start, const char* end) {
  const void* nul = memchr(start, '\0', end - start);
  return std::string(start, nul ? static_cast<const char*>(nul) : end);
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

// Reads one trimmed, non-empty line of read.text into the file as a header or a key; shown is the
// line with best fits, from which names and values are handed out.
void AddLine(const char* start, const char* end, int line, const ReadingRules& rules,
             const std::string& shown, ProfileFile& file, ProfileLine& read) {
  const auto shownAt = [&](const char* at, size_t length) {
    return shown.substr(static_cast<size_t>(at - read.text.data()), length);
  };
  if (*start == '[') {
    if (const char* close = HeaderNameEnd(start, end, rules)) {
      const std::string name = UpToNul(start + 1, close);
      const char* nameStart = name.data();
      const char* nameEnd = nameStart + name.size();
      read.trimmedUnmeasured |= Trim(nameStart, nameEnd, true, true);
      file.sections.push_back({std::string(nameStart, nameEnd), {}, line});
      read.header = true;
      read.section = static_cast<int>(file.sections.size() - 1);
      return;
    }
  }
  ProfileKey key = {std::string(), false, std::string(), line, std::string(), std::string()};
  const char* nameEnd = end;
  if (const void* equals = memchr(start, '=', end - start)) {
    nameEnd = static_cast<const char*>(equals);
    const char* value = nameEnd + 1;
    read.trimmedUnmeasured |= Trim(start, nameEnd, false, true) | Trim(value, end, true, false);
    key.hasValue = true;
    key.value = UpToNul(value, end);
    key.shownValue = shownAt(value, key.value.size());
  }
  key.name = UpToNul(start, nameEnd);
  key.shownName = shownAt(start, key.name.size());
  // A nameless key right after another nameless one is dropped.
  std::vector<ProfileKey>& keys = file.sections.back().keys;
  if (nameEnd == start && !keys.empty() && keys.back().name.empty()) return;
  keys.push_back(key);
}

// The value of a digit in bases up to 36, or 36 for a character that is none.
uint32_t DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 36;
}

// The section's lines as GetPrivateProfileSectionA returns them, each NUL-ended, then a NUL.
std::string SectionBlock(const ProfileFile& file, const std::string& section) {
  std::string all;
  for (const SectionLine& line : ProfileSectionLines(file, section)) all += line.text + '\0';
  return all + '\0';
}

}  // namespace

ProfileDialect DialectOf(ReadingPlatform platform, const SystemProfile* system) {
  if (platform == kReadNatively)
    return system != nullptr && !system->isWine ? kWindowsReading : kWineReading;
  return platform == kReadAsWindows ? kWindowsReading : kWineReading;
}

std::string ValueAsRead(const ProfileFile& file, const std::string& value) {
  if (!kRules[file.dialect].valueLengthWraps) return value;
  return value.substr(0, value.size() % kValueLengthWrap);
}

std::string CopiedProfileValue(const std::string& value, uint32_t room) {
  if (room == 0) return std::string();
  const bool quoted = IsQuotedProfileValue(value);
  std::string out = value.substr(quoted ? 1 : 0, room - 1);
  if (quoted && room >= value.size() - 1 && !out.empty()) out.pop_back();
  return out;
}

std::string UnquotedProfileValue(const std::string& value) {
  return IsQuotedProfileValue(value) ? value.substr(1, value.size() - 2) : value;
}

int ProfileLineAt(const ProfileFile& file, size_t offset) {
  int line = 1;
  while (static_cast<size_t>(line) < file.lines.size() && file.lines[line].start <= offset) ++line;
  return line;
}

// The mark as the file's lines are written: UTF-16 LE behind its mark, else UTF-8.
static std::string LineMarkOf(const ProfileFile& file) {
  return file.mark == kUtf16LeMark ? kUtf16LeMarkBytes : kUtf8MarkBytes;
}

std::vector<MarkedLine> MarkedProfileLines(const ProfileFile& file, const std::string& bytes) {
  const std::string mark = LineMarkOf(file);
  std::vector<MarkedLine> marked;
  for (size_t i = 1; i < file.lines.size(); ++i) {
    size_t at = file.lines[i].start;
    while (bytes.compare(at, mark.size(), mark) == 0) at += mark.size();
    if (at > file.lines[i].start) {
      marked.push_back({static_cast<int>(i + 1), at - file.lines[i].start});
    }
  }
  return marked;
}

std::string WithoutMarkedLines(const ProfileFile& file, const std::string& bytes) {
  const std::vector<MarkedLine> marked = MarkedProfileLines(file, bytes);
  std::string out = bytes;
  for (auto line = marked.rbegin(); line != marked.rend(); ++line) {
    out.erase(file.lines[line->line - 1].start, line->bytes);
  }
  return out;
}

const ProfileKey* ProfileKeyOnLine(const ProfileFile& file, int line) {
  if (line < 1 || static_cast<size_t>(line) > file.lines.size()) return nullptr;
  for (const ProfileKey& key : file.sections[file.lines[line - 1].section].keys) {
    if (key.line == line) return &key;
  }
  return nullptr;
}

bool IsQuotedProfileValue(const std::string& value) {
  return value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
}

std::string TrimmedProfileText(const std::string& s) {
  const char* start = s.data();
  const char* stop = start + s.size();
  Trim(start, stop, true, true);
  return std::string(start, stop);
}

const ProfileKey* FindProfileKey(const ProfileFile& file, const std::string& section,
                                 const std::string& key) {
  const ProfileSection* found = FindProfileSection(file, TrimmedProfileText(section));
  if (found == nullptr) return nullptr;
  const std::string name = TrimmedProfileText(key);
  for (const ProfileKey& k : found->keys) {
    if (SameAsciiFolded(k.name, name)) return &k;
  }
  return nullptr;
}

ProfileFile ReadProfile(const std::string& bytes, ProfileDialect dialect) {
  const ReadingRules& rules = kRules[dialect];
  ProfileFile file;
  file.dialect = dialect;
  file.mark = ByteOrderMarkOf(bytes);
  file.sections.push_back({std::string(), {}, 0});
  const Encoded encoded = EncodingFor(file.mark, rules);
  if (encoded.decoding == kUnread) return file;
  for (size_t at = encoded.offset; at < bytes.size();) {
    ProfileLine read = {at, at, std::string(), false, 0, false};
    at = NextLine(bytes, at, encoded.decoding, &read.end);
    read.text = DecodeLine(bytes, read.start, read.end, encoded.decoding, false);
    const std::string shown = DecodeLine(bytes, read.start, read.end, encoded.decoding, true);
    read.section = static_cast<int>(file.sections.size() - 1);
    const char* start = read.text.data();
    const char* stop = start + read.text.size();
    read.trimmedUnmeasured = Trim(start, stop, true, true);
    if (start < stop) {
      AddLine(start, stop, static_cast<int>(file.lines.size() + 1), rules, shown, file, read);
    }
    file.lines.push_back(std::move(read));
  }
  return file;
}

const ProfileSection* FindProfileSection(const ProfileFile& file, const std::string& name) {
  for (size_t i = 1; i < file.sections.size(); ++i) {
    if (SameAsciiFolded(file.sections[i].name, name)) return &file.sections[i];
  }
  return nullptr;
}

std::string ProfileString(const ProfileFile& file, const std::string& section,
                          const std::string& key, const std::string& fallback, uint32_t room) {
  const ProfileKey* found = FindProfileKey(file, section, key);
  if (found != nullptr && found->hasValue) {
    const std::string value = ValueAsRead(file, found->value);
    const size_t start = IsQuotedProfileValue(value) ? 1 : 0;
    return ValueAsRead(file, found->shownValue)
        .substr(start, CopiedProfileValue(value, room).size());
  }
  std::string shortened = fallback;
  while (shortened.size() > 1 && shortened.back() == ' ') shortened.pop_back();
  return CopiedProfileValue(shortened, room);
}

ProfileNumber ReadProfileNumber(const std::string& text, bool anyCase) {
  size_t i = 0;
  while (i < text.size() && static_cast<uint8_t>(text[i]) <= ' ') ++i;
  bool minus = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
  uint32_t base = 10;
  if (i + 1 < text.size() && text[i] == '0') {
    const char prefix = anyCase ? AsciiLower(text[i + 1]) : text[i + 1];
    base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
    if (base != 10) i += 2;
  }
  uint32_t total = 0;
  for (; i < text.size() && DigitValue(text[i]) < base; ++i)
    total = total * base + DigitValue(text[i]);
  return {static_cast<int32_t>(minus ? 0u - total : total), static_cast<int>(base)};
}

int32_t ProfileInt(const ProfileFile& file, const std::string& section, const std::string& key,
                   int32_t fallback) {
  const std::string text = ProfileString(file, section, key, "", 30);
  return text.empty() ? fallback : ReadProfileNumber(text, false).value;
}

std::vector<SectionLine> ProfileSectionLines(const ProfileFile& file, const std::string& section) {
  const ProfileSection* found = FindProfileSection(file, section);
  return found == nullptr ? std::vector<SectionLine>() : ProfileSectionLines(file, *found);
}

std::vector<SectionLine> ProfileSectionLines(const ProfileFile& file,
                                             const ProfileSection& section) {
  std::vector<SectionLine> lines;
  for (const ProfileKey& key : section.keys) {
    if (key.name.empty() && !key.hasValue) continue;
    if (!key.name.empty() && key.name[0] == ';') continue;  // a comment line
    lines.push_back({key.hasValue ? key.shownName + "=" + ValueAsRead(file, key.shownValue)
                                  : key.shownName,
                     key.line});
  }
  return lines;
}

size_t ProfileSectionSize(const ProfileFile& file, const std::string& section) {
  return SectionBlock(file, section).size();
}

void ProfileSectionBuffer(const ProfileFile& file, const std::string& section, char* buffer,
                          uint32_t size) {
  std::string all = SectionBlock(file, section);
  if (size < 2) return;
  if (all.size() > size) {
    all.resize(size - 2);
    all += std::string(2, '\0');
  }
  memcpy(buffer, all.data(), all.size());
}
