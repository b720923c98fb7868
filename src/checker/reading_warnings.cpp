// Where an INI will not read on Windows as its author wrote it, or may read otherwise than under
// Wine. Every reading comes from the profile reader, in both dialects, line by line.
#include "checker/reading_warnings.h"

#include <algorithm>
#include <cstring>

#include "checker/ansi_text.h"
#include "checker/profile_reader.h"
#include "checker/text_encoding.h"
#include "config/files_parser.h"
#include "config/launch_list.h"
#include "config/settings.h"

namespace {

// What a line is to the launcher under one reading.
enum LineRole { kUnread, kSettingsHeader, kFilesHeader, kEndingHeader, kReadSetting, kFilesLine };

struct Reading {
  ProfileFile file;
  std::vector<LineRole> roles;  // by line number

  LineRole RoleOf(int line) const {
    return static_cast<size_t>(line) < roles.size() ? roles[line] : kUnread;
  }
  const ProfileLine* Line(int line) const {
    return line >= 1 && static_cast<size_t>(line) <= file.lines.size() ? &file.lines[line - 1]
                                                                       : nullptr;
  }
  std::string HeaderOf(const ProfileLine& line) const {
    return AnsiToUtf8(file.sections[line.section].name);
  }
};

// A section the launcher reads, and the header after it, which ends it.
void MarkSection(const ProfileFile& file, const char* name, LineRole role,
                 std::vector<LineRole>& roles) {
  const ProfileSection* section = FindProfileSection(file, name);
  if (section == nullptr) return;
  const size_t next = static_cast<size_t>(section - file.sections.data()) + 1;
  if (next < file.sections.size() && roles[file.sections[next].line] == kUnread) {
    roles[file.sections[next].line] = kEndingHeader;
  }
  roles[section->line] = role;
}

Reading ReadAs(const std::string& bytes, ProfileDialect dialect) {
  Reading reading = {ReadProfile(bytes, dialect), {}};
  std::vector<LineRole>& roles = reading.roles;
  roles.assign(reading.file.lines.size() + 1, kUnread);
  MarkSection(reading.file, kSettingsSection, kSettingsHeader, roles);
  MarkSection(reading.file, kFilesSection, kFilesHeader, roles);
  roles[0] = kUnread;  // the lines before any header
  for (int i = 0; i < kSettingKeyCount; ++i) {
    if (const ProfileKey* key = FindProfileKey(reading.file, kSettingsSection, SettingKey(i))) {
      roles[key->line] = kReadSetting;
    }
  }
  for (const SectionLine& line : ProfileSectionLines(reading.file, kFilesSection)) {
    roles[line.line] = kFilesLine;
  }
  return reading;
}

// A yes-or-no argument of a finding: "yes" or empty.
std::string Flag(bool on) {
  return on ? "yes" : "";
}

struct Context {
  const std::string& bytes;
  FileEncoding written;
  Reading windows, wine;
  std::vector<Finding>* findings;

  unsigned InPlay(int line) const {
    return (windows.RoleOf(line) != kUnread ? kConcernsWindows : 0) |
           (wine.RoleOf(line) != kUnread ? kConcernsWine : 0);
  }
  const ProfileLine* Line(int line) const {
    const ProfileLine* read = windows.Line(line);
    return read != nullptr ? read : wine.Line(line);
  }
  std::string Written(int line) const {
    const ProfileLine* read = Line(line);
    return read == nullptr ? std::string() : WrittenText(bytes, read->start, read->end, written);
  }
  void Add(FindingKind kind, int line, unsigned concerns,
           const std::vector<std::string>& arguments = {}) const {
    findings->push_back({kind, line, concerns, arguments});
  }
  // --fix cannot mend bytes behind a UTF-8 mark that are no UTF-8.
  std::string Fixable() const { return Flag(written.invalidAt == std::string::npos); }
};

// Whether UTF-8 text holds a character beyond ASCII that Windows-1252 has.
bool HoldsFitBeyondAscii(const std::string& utf8) {
  bool found = false;
  ForEachUtf8(utf8, 0, [&](size_t, const Utf8Sequence& sequence) {
    found = sequence.length > 1 && FitsAnsi(sequence.codePoint);
    return !found;
  });
  return found;
}

// UTF-8 text, which Windows (and, without a mark, Wine) shows as ANSI bytes. Each advice, when
// followed, leaves the text Windows shows as the author wrote it, less what no save can show.
void CheckUtf8Text(const Context& c, int line, const std::string& written, unsigned inPlay) {
  const size_t at = FirstBeyondAscii(written);
  const unsigned concerns = inPlay & (c.written.utf8Marks > 0 ? kConcernsWindows : kConcernsBoth);
  if (at == std::string::npos || concerns == 0) return;
  const std::string word = WordAround(written, at), unfit = UnfitCharacters(written);
  std::vector<std::string> arguments = {ValidUtf8(word), AnsiToUtf8(word), unfit,
                                        Flag(HoldsFitBeyondAscii(written)), c.Fixable()};
  if (c.written.encoding == kWrittenMixed) {
    arguments.push_back(std::to_string(ProfileLineAt(c.windows.file, c.written.invalidAt)));
    c.Add(kUtf8LineInAnsiFile, line, concerns, arguments);
  } else {
    c.Add(unfit.empty() ? kUtf8ReadAsAnsi : kUtf8BeyondWindows1252, line, concerns, arguments);
  }
}

// The part of a line's written text the launcher shows: of a [Files] line its quoted fields (the
// parser skips what stands between and after them), of another line all but marks before it.
std::string ShownPart(const Context& c, int line) {
  std::string written = c.Written(line);
  while (written.compare(0, strlen(kUtf8MarkBytes), kUtf8MarkBytes) == 0) {
    written.erase(0, strlen(kUtf8MarkBytes));  // a finding of its own
  }
  LaunchEntry row;
  uint32_t length = 0;
  const std::string converted = Utf8ToAnsi(written);  // where a quote's look-alike becomes one
  if ((c.windows.RoleOf(line) != kFilesLine && c.wine.RoleOf(line) != kFilesLine) ||
      std::count(converted.begin(), converted.end(), '"') !=
          std::count(written.begin(), written.end(), '"') ||
      ReadFileLine(written.c_str(), static_cast<uint32_t>(written.size() + 1), &row, &length) !=
          kEntryLine) {
    return written;
  }
  return std::string(row.path) + " " + row.description;
}

// A header's text decides only which section follows, by its name: only a form feed or 0x1A
// before its first ']' may change that.
void CheckHeaderText(const Context& c, int line, unsigned inPlay) {
  const ProfileLine* read = c.Line(line);
  if (read->trimmedUnmeasured && (inPlay & kConcernsWindows) &&
      read->text.find_first_of("\f\x1A") < read->text.find(']')) {
    c.Add(kUnmeasuredBlank, line, kConcernsWindows);
  }
}

// The text of a line as its author wrote it, against what the readings show of it.
void CheckLineText(const Context& c, int line, unsigned inPlay) {
  const ProfileLine* read = c.Line(line);
  if (read->header) return CheckHeaderText(c, line, inPlay);
  const std::string written = ShownPart(c, line);
  const size_t invalid = c.written.invalidAt;
  if (c.written.utf8Marks > 0 && invalid != std::string::npos &&
      ProfileLineAt(c.windows.file, invalid) == line) {
    c.Add(kNotUtf8BehindMark, line, kConcernsBoth, {BrokenUtf8At(c.bytes, invalid)});
  } else if (WindowsShowsBytesOtherwise(c.bytes, read->start, read->end, c.written)) {
    CheckUtf8Text(c, line, written, inPlay);
  } else if (FirstUnfit(written) != std::string::npos) {
    const std::string word = WordAround(written, FirstUnfit(written));
    c.Add(kBeyondWindows1252, line, inPlay,
          {word, AnsiToUtf8(Utf8ToAnsi(word)), UnfitCharacters(written)});
  }
  // What Wine reads of the line, which the finding quotes.
  const std::string& wineText = (c.wine.Line(line) != nullptr ? c.wine.Line(line) : read)->text;
  const size_t nul = wineText.find('\0');
  if (nul != std::string::npos && c.written.encoding != kWrittenUtf16NoMark) {
    c.Add(kNulByte, line, inPlay, {AnsiToUtf8(TrimmedProfileText(wineText.substr(0, nul)))});
  }
  if (read->trimmedUnmeasured && (inPlay & kConcernsWindows)) {
    c.Add(kUnmeasuredBlank, line, kConcernsWindows);
  }
}

// The characters of UTF-8 text that Windows-1252 lacks but has a look-alike for (its best fit),
// each with it: "［ for [, U+3000 for a blank".
std::string LookAlikesIn(const std::string& utf8) {
  std::string found;
  ForEachUtf8(utf8, 0, [&](size_t at, const Utf8Sequence& sequence) {
    const uint32_t c = sequence.codePoint;
    const char fit = sequence.length > 1 && !FitsAnsi(c) ? BestFitOf(c) : '?';
    const std::string pair = (IsUnseen(c) ? CodePointName(c) : utf8.substr(at, sequence.length)) +
                             " for " + (fit == ' ' ? "a blank" : AnsiToUtf8(std::string(1, fit)));
    if (fit != '?' && found.find(pair) == std::string::npos) {
      found += (found.empty() ? "" : ", ") + pair;
    }
    return true;
  });
  return found;
}

// The file as its author sees it, each such character taken for the one it looks like: where a
// line then plays another part, it does not read as it looks (a full-width '=' is no '=').
void CheckLookAlikes(const Context& c) {
  const int lines = static_cast<int>(c.windows.file.lines.size());
  std::string looks;
  for (int line = 1; line <= lines; ++line) looks += Utf8ToAnsi(c.Written(line)) + "\n";
  const Reading seen = ReadAs(looks, kWindowsReading);
  for (int line = 1; line <= lines; ++line) {
    const std::string written = c.Written(line), alike = LookAlikesIn(written);
    if (alike.empty() || seen.RoleOf(line) == c.windows.RoleOf(line)) continue;
    c.Add(kLookAlike, line, kConcernsBoth, {TrimmedProfileText(written), alike});
  }
}

// A form feed or 0x1A alone on a line of [Files] (copy a+b and DOS editors end a file so): Wine
// reads a blank line; if Windows keeps it, [Files] gains a line without quotes.
void CheckLoneBlankByte(const Context& c, int line) {
  const ProfileLine* read = c.windows.Line(line);
  const ProfileSection* files = FindProfileSection(c.windows.file, kFilesSection);
  if (read != nullptr && files != nullptr && read->trimmedUnmeasured &&
      read->section == files - c.windows.file.sections.data() &&
      TrimmedProfileText(read->text).empty()) {
    c.Add(kLoneBlankByte, line, kConcernsWindows);
  }
}

// Whether two [Files] lines give the launcher the same row.
bool SameRow(const std::string& a, const std::string& b) {
  LaunchEntry rows[2];
  uint32_t length = 0;
  const std::string* lines[2] = {&a, &b};
  for (int i = 0; i < 2; ++i) {
    const uint32_t room = static_cast<uint32_t>(lines[i]->size() + 1);
    if (ReadFileLine(lines[i]->c_str(), room, &rows[i], &length) != kEntryLine) return false;
  }
  return strcmp(rows[0].path, rows[1].path) == 0 &&
         strcmp(rows[0].description, rows[1].description) == 0 &&
         rows[0].keepOpenAllowed == rows[1].keepOpenAllowed;
}

// GetPrivateProfileSectionA joins "a = b" into "a=b": the row shows no blanks around the first
// '=' of its line.
void CheckJoinedEquals(const Context& c, int line) {
  const Reading& reading = c.windows.RoleOf(line) == kFilesLine ? c.windows : c.wine;
  const ProfileKey* key = ProfileKeyOnLine(reading.file, line);
  const std::string written = TrimmedProfileText(reading.Line(line)->text);
  if (!key->hasValue || written.find('\0') != std::string::npos) return;
  // No blank dropped, or none that changes the row.
  if (key->name.size() + 1 + key->value.size() == written.size() ||
      SameRow(written, key->name + "=" + key->value)) {
    return;
  }
  // The quoted field the '=' stands in: from the name's last quote to the value's first.
  const size_t start = key->name.find_last_of('"') + 1;  // npos + 1 is 0
  const size_t end = std::min(key->value.find('"'), key->value.size());
  const std::string field =
      written.substr(start, written.size() - (key->value.size() - end) - start);
  const std::string joined = TrimmedProfileText(key->name.substr(start)) + "=" +
                             TrimmedProfileText(key->value.substr(0, end));
  c.Add(kBlanksAroundEquals, line, c.InPlay(line), {AnsiToUtf8(joined), AnsiToUtf8(field)});
}

// Marks after the first are text in front of line 1 under every reading.
void WarnOfMoreMarks(const Context& c, const char* kind, size_t marks) {
  // With one UTF-16 mark, or none for UTF-8, as --fix leaves it: is line 1 a header read?
  const std::string kept = c.written.utf16Marks > 0 ? kUtf16LeMarkBytes : "";
  const Reading unmarked = ReadAs(kept + c.bytes.substr(TextStart(c.written)), kWindowsReading);
  const bool lost = unmarked.RoleOf(1) != kUnread;
  c.Add(lost ? kMarksHideHeader : kMarksBeforeText, 1, lost ? kConcernsBoth : 0,
        {std::to_string(marks), kind, TrimmedProfileText(c.Written(1)),
         Flag(c.written.encoding == kWrittenUtf8)});
}

// What the launcher reads of a file: each setting's value, or none, and the lines of [Files].
std::vector<std::string> LauncherView(const ProfileFile& file) {
  std::vector<std::string> view;
  for (int i = 0; i < kSettingKeyCount; ++i) {
    const ProfileKey* key = FindProfileKey(file, kSettingsSection, SettingKey(i));
    view.push_back(key == nullptr || !key->hasValue ? "-" : "=" + key->value);
  }
  for (const SectionLine& line : ProfileSectionLines(file, kFilesSection)) view.push_back(line.text);
  return view;
}

// Marks at the start of later lines change what the launcher reads, or nothing: then a note.
void CheckMarkedLines(const Context& c) {
  const std::vector<MarkedLine> marked = MarkedProfileLines(c.windows.file, c.bytes);
  if (marked.empty()) return;
  const Reading unmarked =
      ReadAs(WithoutMarkedLines(c.windows.file, c.bytes), kWindowsReading);
  const bool readsOtherwise = LauncherView(unmarked.file) != LauncherView(c.windows.file);
  for (const MarkedLine& marks : marked) {
    const ProfileLine* read = c.windows.Line(marks.line);
    const std::string text =
        TrimmedProfileText(WrittenText(c.bytes, read->start + marks.bytes, read->end, c.written));
    const ProfileLine* meant = unmarked.Line(marks.line);  // none where marks were all it held
    c.Add(kMarkStartsLine, marks.line, readsOtherwise ? kConcernsBoth : 0,
          {text, Flag(meant != nullptr && meant->header), c.Fixable()});
  }
}

void WarnOfUtf8Mark(const Context& c, bool loses) {
  if (c.written.utf8Marks > 1) return WarnOfMoreMarks(c, "UTF-8", c.written.utf8Marks);
  const std::vector<std::string> arguments = {
      TrimmedProfileText(c.Written(1)), Flag(c.written.encoding == kWrittenAscii), c.Fixable()};
  if (loses) {
    c.Add(kUtf8MarkHidesHeader, 1, kConcernsWindows, arguments);
  } else {
    c.Add(kUtf8MarkBeforeText, 1, 0, arguments);
  }
}

// A header that the two readings take otherwise, where that changes what the launcher reads.
bool HeaderReadOtherwise(const Context& c, int line) {
  const ProfileLine* windows = c.windows.Line(line);
  const ProfileLine* wine = c.wine.Line(line);
  if (windows == nullptr || wine == nullptr) return false;
  if (windows->header == wine->header &&
      (!windows->header || SameAsciiFolded(c.windows.HeaderOf(*windows), c.wine.HeaderOf(*wine)))) {
    return false;
  }
  return c.windows.RoleOf(line) != c.wine.RoleOf(line);
}

// Windows ends a header's name at the first ']' and needs none; Wine ends it at the last and
// needs one. Windows reads every line Wine reads as a header as one too.
void CheckHeader(const Context& c, int line) {
  if (!HeaderReadOtherwise(c, line)) return;
  const ProfileLine* wine = c.wine.Line(line);
  const std::string written = TrimmedProfileText(c.Written(line));
  const std::string name = c.windows.HeaderOf(*c.windows.Line(line));
  if (wine->header) {
    c.Add(kHeaderBrackets, line, kConcernsBoth, {written, name, c.wine.HeaderOf(*wine)});
  } else if (name.empty()) {
    c.Add(kBracketLineIsHeader, line, kConcernsBoth, {written, c.wine.HeaderOf(*wine)});
  } else {
    c.Add(kHeaderWithoutBracket, line, kConcernsBoth, {written, name});
  }
}

// A size Windows may read otherwise: the advice is the number the launcher reads as Wine, which
// keeps its default for an empty value.
void CheckButtonSize(const Context& c, const ProfileKey& key) {
  const bool quoted = IsQuotedProfileValue(key.value);
  const std::string inner = UnquotedProfileValue(key.value);
  const ProfileNumber meant =
      inner.empty() ? ProfileNumber{kDefaultButtonSize, 10} : ReadProfileNumber(inner, true);
  if (!quoted && meant.base == 10) return;
  const int32_t wineReads = ProfileInt(c.wine.file, kSettingsSection, key.name, kDefaultButtonSize);
  c.Add(quoted ? kNumberInQuotes : kNumberWithBasePrefix, key.line,
        kConcernsWindows | (wineReads != meant.value ? kConcernsWine : 0),
        {AnsiToUtf8(key.name + "=" + key.value), std::to_string(wineReads), AnsiToUtf8(key.name),
         std::to_string(meant.value), Flag(meant.base != 10), Flag(inner.empty())});
}

// The settings the launcher reads, as Windows reads them: what it reads otherwise, or unknown.
void CheckSettings(const Context& c) {
  for (int i = 0; i < kSettingKeyCount; ++i) {
    const ProfileKey* key = FindProfileKey(c.windows.file, kSettingsSection, SettingKey(i));
    if (key == nullptr || !key->hasValue) continue;
    const std::string name = AnsiToUtf8(key->name);
    const int longest = LongestTextSetting(SettingKey(i));
    if (IsSizeSetting(SettingKey(i))) CheckButtonSize(c, *key);
    // Over its limit as written, but within it as read: the quotes took the last byte. UTF-8
    // text is measured once saved as its own advice says, when it is shorter.
    const std::string read = CopiedProfileValue(key->value, TEXT_ROOM(longest));
    const ProfileLine* line = c.windows.Line(key->line);
    if (longest > 0 && UnquotedProfileValue(key->value).size() > static_cast<size_t>(longest) &&
        read.size() <= static_cast<size_t>(longest) &&
        !WindowsShowsBytesOtherwise(c.bytes, line->start, line->end, c.written)) {
      c.Add(kQuotedTextOneOver, key->line, kConcernsWindows,
            {name, std::to_string(longest + 1), std::to_string(longest)});
    }
    const size_t length = key->value.size();
    const size_t windowsReads = ValueAsRead(c.windows.file, key->value).size();
    if (windowsReads != length) {
      c.Add(kValueLengthWraps, key->line, kConcernsWindows,
            {name, std::to_string(length), std::to_string(windowsReads),
             longest > 0 ? std::to_string(longest) : ""});
    }
  }
}

// Sections of a name already read: the launcher reads only the first.
void CheckLaterSections(const Context& c, const char* name) {
  const ProfileFile& file = c.windows.file;
  const ProfileSection* first = FindProfileSection(file, name);
  if (first == nullptr) return;
  for (const ProfileSection* later = first + 1; later < file.sections.data() + file.sections.size();
       ++later) {
    const size_t lines = ProfileSectionLines(file, *later).size();
    if (!SameAsciiFolded(later->name, name) || lines == 0) continue;
    c.Add(kSecondSection, later->line, kConcernsBoth,
          {name, std::to_string(first->line), std::to_string(lines)});
  }
}

void CheckFilesLength(const Context& c) {
  const ProfileSection* files = FindProfileSection(c.windows.file, kFilesSection);
  const size_t length = ProfileSectionSize(c.windows.file, kFilesSection);
  if (files == nullptr || length <= kDocumentedSectionLimit) return;
  c.Add(kFilesSectionLong, files->line, kConcernsWindows, {std::to_string(length)});
}

// Findings about the file as a whole, before its lines; false when its lines are not read.
bool CheckEncoding(const Context& c) {
  if (c.written.encoding == kWrittenUtf16Be) {
    c.Add(kUtf16BigEndian, 0, kConcernsWindows);
    return false;
  }
  if (c.written.encoding == kWrittenUtf16NoMark) {
    c.Add(kUtf16WithoutMark, 0, kConcernsBoth, {c.written.bigEndian ? "BE" : "LE"});
  }
  return true;
}

}  // namespace

std::vector<Finding> ReadingFindings(const std::string& bytes) {
  std::vector<Finding> findings;
  const Context c = {bytes, EncodingOf(bytes), ReadAs(bytes, kWindowsReading),
                     ReadAs(bytes, kWineReading), &findings};
  if (!CheckEncoding(c)) return findings;
  const size_t lines = std::max(c.windows.file.lines.size(), c.wine.file.lines.size());
  if (c.written.utf8Marks > 0) WarnOfUtf8Mark(c, HeaderReadOtherwise(c, 1));
  if (c.written.utf16Marks > 1) WarnOfMoreMarks(c, "UTF-16", c.written.utf16Marks);
  for (int line = 1; static_cast<size_t>(line) <= lines; ++line) {
    if (line > 1 || (c.written.utf8Marks == 0 && c.written.utf16Marks < 2)) CheckHeader(c, line);
    CheckLoneBlankByte(c, line);
    const unsigned inPlay = c.InPlay(line);
    if (inPlay == 0) continue;
    CheckLineText(c, line, inPlay);
    if (c.windows.RoleOf(line) == kFilesLine || c.wine.RoleOf(line) == kFilesLine) {
      CheckJoinedEquals(c, line);
    }
  }
  CheckMarkedLines(c);
  CheckLookAlikes(c);
  CheckSettings(c);
  CheckLaterSections(c, kSettingsSection);
  CheckLaterSections(c, kFilesSection);
  CheckFilesLength(c);
  return findings;
}
