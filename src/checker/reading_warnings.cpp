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

const char kSaveAsUtf16[] = "Save the file as UTF-16 LE (Notepad's \"UTF-16 LE\"";
const char kFixDoesIt[] = "; lanterpick-check --fix does it).";

// What a line is to the launcher under one reading.
enum LineRole { kUnread, kSettingsHeader, kFilesHeader, kEndingHeader, kReadSetting, kFilesLine };

struct Reading {
  ProfileFile file;
  std::vector<LineRole> roles;  // by line number
  unsigned concern;             // the bit of findings about this reading

  LineRole RoleOf(int line) const {
    return static_cast<size_t>(line) < roles.size() ? roles[line] : kUnread;
  }
  const ProfileLine* Line(int line) const {
    return line >= 1 && static_cast<size_t>(line) <= file.lines.size() ? &file.lines[line - 1]
                                                                       : nullptr;
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
  Reading reading = {ReadProfile(bytes, dialect),
                     {},
                     dialect == kWindowsReading ? kConcernsWindows : kConcernsWine};
  std::vector<LineRole>& roles = reading.roles;
  roles.assign(reading.file.lines.size() + 1, kUnread);
  MarkSection(reading.file, "SystemSettings", kSettingsHeader, roles);
  MarkSection(reading.file, "Files", kFilesHeader, roles);
  roles[0] = kUnread;  // the lines before any header
  for (int i = 0; i < kSettingKeyCount; ++i) {
    if (const ProfileKey* key = FindProfileKey(reading.file, "SystemSettings", SettingKey(i))) {
      roles[key->line] = kReadSetting;
    }
  }
  for (const SectionLine& line : ProfileSectionLines(reading.file, "Files")) {
    roles[line.line] = kFilesLine;
  }
  return reading;
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
  void Add(int line, unsigned concerns, const std::string& text) const {
    findings->push_back({line, concerns, text});
  }
  // --fix cannot mend bytes behind a UTF-8 mark that are no UTF-8.
  std::string SaveAsUtf16() const {
    return kSaveAsUtf16 + std::string(written.invalidAt == std::string::npos ? kFixDoesIt : ").");
  }
};

std::string Quoted(const std::string& utf8) {
  return "\"" + utf8 + "\"";
}

// The characters of UTF-8 text that Windows-1252 lacks, each once: "ł, ő".
std::string UnfitCharacters(const std::string& utf8) {
  std::string listed;
  ForEachUtf8(utf8, 0, [&](size_t at, const Utf8Sequence& sequence) {
    const std::string character = utf8.substr(at, sequence.length);
    if (sequence.length > 1 && !FitsAnsi(sequence.codePoint) &&
        (", " + listed + ",").find(", " + character + ",") == std::string::npos) {
      listed += (listed.empty() ? "" : ", ") + character;
    }
    return true;
  });
  return listed;
}

std::string UnfitText(const std::string& written, size_t at) {
  const std::string word = WordAround(written, at);
  return Quoted(word) + " holds characters that Windows-1252 cannot hold (" +
         UnfitCharacters(written) + "): Windows shows each as \"?\" (" +
         Quoted(AnsiToUtf8(Utf8ToAnsi(word))) + ") whatever the file is saved as.";
}

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
  const std::string word = WordAround(written, at);
  std::string text = "This is UTF-8 text, which Windows reads as ANSI bytes: " + Quoted(word) +
                     " shows as " + Quoted(AnsiToUtf8(word)) + ".";
  const std::string unfit = UnfitCharacters(written);
  if (!unfit.empty()) {
    text += " Windows-1252 cannot hold " + unfit + ", which no save shows: write the text without " +
            (HoldsFitBeyondAscii(written) ? "them, then " : "them.");
  } else {
    text += " ";
  }
  if (c.written.encoding == kWrittenMixed) {
    if (unfit.empty() || HoldsFitBeyondAscii(written)) {
      text += std::string(unfit.empty() ? "T" : "t") + "ype the text of this line again as ANSI: line " +
              std::to_string(ProfileLineAt(c.windows.file, c.written.invalidAt)) +
              " holds bytes that are no UTF-8, so Notepad opens the file as ANSI, where this line "
              "shows as Windows shows it, and no mend is certain.";
    }
  } else if (unfit.empty() || HoldsFitBeyondAscii(written)) {
    std::string save = c.SaveAsUtf16();
    if (!unfit.empty()) save[0] = 's';
    text += save;
  }
  c.Add(line, concerns, text);
}

// The text of a line as its author wrote it, against what the readings show of it.
void CheckLineText(const Context& c, int line, unsigned inPlay) {
  const ProfileLine* read = c.Line(line);
  const std::string written = c.Written(line);
  const size_t invalid = c.written.invalidAt;
  if (c.written.utf8Marks > 0 && invalid != std::string::npos &&
      ProfileLineAt(c.windows.file, invalid) == line) {
    c.Add(line, kConcernsBoth,
          "This line holds bytes that are not UTF-8 (" + BrokenUtf8At(c.bytes, invalid) +
              "), though the file starts with a UTF-8 mark: Wine shows \"?\" for them, Windows "
              "each byte as a character. Type the text again, then save the file as UTF-16 LE.");
  } else if (WindowsShowsBytesOtherwise(c.bytes, read->start, read->end, c.written)) {
    CheckUtf8Text(c, line, written, inPlay);
  } else if (FirstUnfit(written) != std::string::npos) {
    c.Add(line, inPlay, UnfitText(written, FirstUnfit(written)) + " Write the text without them.");
  }
  const size_t nul = read->text.find('\0');
  if (nul != std::string::npos && c.written.encoding != kWrittenUtf16NoMark) {
    c.Add(line, inPlay,
          "This line holds a NUL byte: Wine ends the line there, reading " +
              Quoted(AnsiToUtf8(TrimmedProfileText(read->text.substr(0, nul)))) +
              "; what Windows does is not known. Remove it.");
  }
  if (read->trimmedUnmeasured && (inPlay & kConcernsWindows)) {
    c.Add(line, kConcernsWindows,
          "A form feed or an end-of-file byte (0x1A) stands at an end of this line or of its "
          "value: Wine trims it as a blank; whether Windows does is not known (if it keeps it, "
          "a [Files] line no longer ends with its quote). Remove it.");
  }
}

// A form feed or 0x1A alone on a line of [Files] (copy a+b and DOS editors end a file so): Wine
// reads a blank line; if Windows keeps it, [Files] gains a line without quotes.
void CheckLoneBlankByte(const Context& c, int line) {
  const ProfileLine* read = c.windows.Line(line);
  const ProfileSection* files = FindProfileSection(c.windows.file, "Files");
  if (read == nullptr || files == nullptr || !read->trimmedUnmeasured ||
      read->section != files - c.windows.file.sections.data() ||
      !TrimmedProfileText(read->text).empty()) {
    return;
  }
  c.Add(line, kConcernsWindows,
        "This line of [Files] holds only a form feed or an end-of-file byte (0x1A): Wine reads it "
        "as blank; whether Windows does is not known (if it keeps it, [Files] gains a line "
        "without quotes and the launcher refuses to start). Remove it.");
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
  if (key->name.size() + 1 + key->value.size() == written.size()) return;  // no blank dropped
  // The quoted field the '=' stands in: from the name's last quote to the value's first.
  const size_t start = key->name.find_last_of('"') + 1;  // npos + 1 is 0
  const size_t end = std::min(key->value.find('"'), key->value.size());
  const std::string field =
      written.substr(start, written.size() - (key->value.size() - end) - start);
  const std::string joined = TrimmedProfileText(key->name.substr(start)) + "=" +
                             TrimmedProfileText(key->value.substr(0, end));
  if (SameRow(written, key->name + "=" + key->value)) return;
  c.Add(line, c.InPlay(line),
        "The blanks around the first \"=\" of a [Files] line are dropped: the row reads " +
            Quoted(AnsiToUtf8(joined)) + ", not " + Quoted(AnsiToUtf8(field)) +
            ". Write it without them, or without \"=\".");
}

std::string HeaderOf(const Reading& reading, const ProfileLine& line) {
  return reading.file.sections[line.section].name;
}

// Marks after the first are text in front of line 1 under every reading.
void WarnOfMoreMarks(const Context& c, const char* kind, size_t marks, const char* fixToo) {
  // With one UTF-16 mark, or none for UTF-8, as --fix leaves it: is line 1 a header read?
  const std::string kept = c.written.utf16Marks > 0 ? kUtf16LeMarkBytes : "";
  const Reading unmarked = ReadAs(kept + c.bytes.substr(TextStart(c.written)), kWindowsReading);
  const bool lost = unmarked.RoleOf(1) != kUnread;
  c.Add(1, lost ? kConcernsBoth : 0,
        "The file starts with " + std::to_string(marks) + " " + kind +
            " byte-order marks: an editor takes the first for a mark, but the others are text in "
            "front of line 1 to Windows and Wine alike, " +
            (lost ? "so neither reads " + Quoted(TrimmedProfileText(c.Written(1))) +
                        " as a header and the whole section is lost. "
                  : "which the launcher does not read, so nothing changes today. ") +
            "Save the file without them (lanterpick-check --fix removes them" + fixToo);
}

void WarnOfUtf8Mark(const Context& c, bool loses) {
  const std::string firstLine = TrimmedProfileText(c.Written(1));
  const std::string fix = c.written.encoding == kWrittenAscii
                              ? "Save the file without the mark, as ANSI (lanterpick-check --fix "
                                "removes it)."
                              : c.SaveAsUtf16();
  if (c.written.utf8Marks > 1) {
    WarnOfMoreMarks(c, "UTF-8", c.written.utf8Marks,
                    c.written.encoding == kWrittenAscii ? ")." : " and saves it as UTF-16 LE).");
    return;
  }
  const std::string start =
      "The file starts with a UTF-8 byte-order mark, which Windows does not recognise: its three "
      "bytes stay in front of line 1";
  if (loses) {
    c.Add(1, kConcernsWindows,
          start + ", " + Quoted(firstLine) +
              ", so Windows does not read that header and the whole section is lost. " + fix);
  } else {
    c.Add(1, 0, start + ", which the launcher does not read, so nothing changes today. " + fix);
  }
}

// A header that the two readings take otherwise, where that changes what the launcher reads.
bool HeaderReadOtherwise(const Context& c, int line) {
  const ProfileLine* windows = c.windows.Line(line);
  const ProfileLine* wine = c.wine.Line(line);
  if (windows == nullptr || wine == nullptr) return false;
  const bool windowsHeader = windows->header, wineHeader = wine->header;
  if (windowsHeader == wineHeader &&
      (!windowsHeader || SameAsciiFolded(HeaderOf(c.windows, *windows), HeaderOf(c.wine, *wine)))) {
    return false;
  }
  return c.windows.RoleOf(line) != c.wine.RoleOf(line);
}

// Windows ends a header's name at the first ']' and needs none; Wine ends it at the last and
// needs one.
void CheckHeader(const Context& c, int line) {
  if (!HeaderReadOtherwise(c, line)) return;
  const ProfileLine* windows = c.windows.Line(line);
  const ProfileLine* wine = c.wine.Line(line);
  const bool wineHeader = wine->header;
  const std::string written = Quoted(TrimmedProfileText(c.Written(line)));
  const std::string name = AnsiToUtf8(HeaderOf(c.windows, *windows));
  if (!wineHeader && name.empty()) {
    c.Add(line, kConcernsBoth,
          "Windows reads " + written +
              " as a section header, so the lines below it are no "
              "longer in [" +
              AnsiToUtf8(HeaderOf(c.wine, *wine)) +
              "]; Wine reads it as a line of that section. Delete the line.");
    return;
  }
  c.Add(line, kConcernsBoth,
        "Windows reads " + written + " as the header [" + name + "], Wine as " +
            (wineHeader ? "[" + AnsiToUtf8(HeaderOf(c.wine, *wine)) + "]" : "no header at all") +
            ". Write it with " + (wineHeader ? "one closing bracket" : "its closing bracket") +
            ": \"[" + name + "]\".");
}

// A size Windows may read otherwise: the advice is the number the launcher reads as Wine, which
// keeps its default for an empty value.
void CheckButtonSize(const Context& c, const ProfileKey& key) {
  const bool quoted = IsQuotedProfileValue(key.value);
  const std::string inner = UnquotedProfileValue(key.value);
  const ProfileNumber meant =
      inner.empty() ? ProfileNumber{kDefaultButtonSize, 10} : ReadProfileNumber(inner, true);
  if (!quoted && meant.base == 10) return;
  const int32_t wineReads = ProfileInt(c.wine.file, "SystemSettings", key.name, kDefaultButtonSize);
  const std::string how = quoted && meant.base != 10 ? "in quotes and with a base prefix"
                          : quoted                   ? "in quotes"
                                                     : "with a base prefix";
  const std::string plain = AnsiToUtf8(key.name) + "=" + std::to_string(meant.value);
  c.Add(key.line, kConcernsWindows | (wineReads != meant.value ? kConcernsWine : 0),
        AnsiToUtf8(key.name + "=" + key.value) + ": Wine reads " + std::to_string(wineReads) +
            (inner.empty() ? " (the launcher keeps its default for an empty value)" : "") +
            "; what Windows reads " + how + " is not known. " +
            (inner.empty() ? "Write " + plain + ", or remove the line."
                           : "Write the number in plain decimal: " + plain + "."));
}

// The settings the launcher reads, as Windows reads them: what it reads otherwise, or unknown.
void CheckSettings(const Context& c) {
  for (int i = 0; i < kSettingKeyCount; ++i) {
    const ProfileKey* key = FindProfileKey(c.windows.file, "SystemSettings", SettingKey(i));
    if (key == nullptr || !key->hasValue) continue;
    const size_t length = key->value.size();
    const int longest = LongestTextSetting(SettingKey(i));
    if (IsSizeSetting(SettingKey(i))) CheckButtonSize(c, *key);
    if (longest > 0 && IsQuotedProfileValue(key->value) &&
        UnquotedProfileValue(key->value).size() == static_cast<size_t>(longest) + 1) {
      c.Add(key->line, kConcernsWindows,
            AnsiToUtf8(key->name) + " is " + std::to_string(longest + 1) +
                " bytes in quotes, one over its limit of " + std::to_string(longest) +
                ": Wine drops the last character and accepts it; what Windows does is not "
                "known. Remove the quotes and shorten it to " +
                std::to_string(longest) + " bytes.");
    }
    const size_t windowsReads = ValueAsRead(c.windows.file, key->value).size();
    if (windowsReads != length) {
      c.Add(key->line, kConcernsWindows,
            AnsiToUtf8(key->name) + " is " + std::to_string(length) +
                " bytes long; Windows reads a value's length modulo 65,536, so it reads " +
                std::to_string(windowsReads) + " of them, and Wine all. Shorten it" +
                (longest > 0 ? " to at most " + std::to_string(longest) + " bytes." : "."));
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
    if (!SameAsciiFolded(later->name, name)) continue;
    const size_t lines = ProfileSectionLines(file, *later).size();
    if (lines == 0) continue;
    c.Add(later->line, kConcernsBoth,
          "A second [" + std::string(name) +
              "] section: the launcher reads only the first, on line " +
              std::to_string(first->line) + ", so the " + std::to_string(lines) +
              (lines == 1 ? " line" : " lines") + " here " + (lines == 1 ? "is" : "are") +
              " not read. Move " + (lines == 1 ? "it" : "them") + " into the first.");
  }
}

void CheckFilesLength(const Context& c) {
  const ProfileSection* files = FindProfileSection(c.windows.file, "Files");
  if (files == nullptr) return;
  const size_t length = ProfileSectionSize(c.windows.file, "Files");
  if (length <= kDocumentedSectionLimit) return;
  c.Add(files->line, kConcernsWindows,
        "The [Files] section is " + std::to_string(length) +
            " characters long. Windows is documented to read at most 32,767 of a section; "
            "whether today's Windows cuts it is not known. Keep it shorter: fewer or shorter "
            "descriptions.");
}

// Findings about the file as a whole, before its lines; false when its lines are not read.
bool CheckEncoding(const Context& c) {
  if (c.written.encoding == kWrittenUtf16Be) {
    c.Add(0, kConcernsWindows,
          "The file is UTF-16 big-endian (it starts with FE FF), which Windows cannot read: it "
          "reads nothing from it. Save it as UTF-16 LE (Notepad's \"UTF-16 LE\"; "
          "lanterpick-check --fix does it).");
    return false;
  }
  if (c.written.encoding == kWrittenUtf16NoMark) {
    c.Add(0, kConcernsBoth,
          std::string("The file looks like UTF-16 ") + (c.written.bigEndian ? "BE" : "LE") +
              " text without its byte-order mark: Windows and Wine read it as ANSI bytes, with a "
              "NUL byte beside every character. Save it as UTF-16 LE with its mark (Notepad's "
              "\"UTF-16 LE\").");
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
  if (c.written.utf16Marks > 1) WarnOfMoreMarks(c, "UTF-16", c.written.utf16Marks, ").");
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
  CheckSettings(c);
  CheckLaterSections(c, "SystemSettings");
  CheckLaterSections(c, "Files");
  CheckFilesLength(c);
  return findings;
}
