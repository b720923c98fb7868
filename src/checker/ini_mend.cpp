// What --fix mends in an INI's bytes: its encoding and its rows' slashes.
#include "checker/ini_mend.h"

#include "checker/ansi_text.h"
#include "checker/findings.h"
#include "checker/profile_reader.h"
#include "checker/text_encoding.h"
#include "config/files_parser.h"
#include "config/launch_list.h"
#include "config/settings.h"

namespace {

// The first word of UTF-8 text that goes beyond ASCII, a mark (U+FEFF) aside.
std::string FirstWordBeyondAscii(const std::string& utf8) {
  size_t found = std::string::npos;
  ForEachUtf8(utf8, 0, [&](size_t at, const Utf8Sequence& sequence) {
    if (sequence.length != 1 && sequence.codePoint != 0xFEFF) found = at;
    return found == std::string::npos;
  });
  return found == std::string::npos ? "" : WordAround(utf8, found);
}

// The encoding Windows reads as written, for every character the author wrote.
void MendEncoding(const std::string& bytes, const FileEncoding& written, IniMend* mend) {
  const std::string text = bytes.substr(TextStart(written));
  const std::string word = FirstWordBeyondAscii(text);
  const std::string marks = written.utf8Marks > 1    ? std::to_string(written.utf8Marks) + " marks"
                            : written.utf8Marks == 1 ? "a mark"
                                                     : "";
  switch (written.encoding) {
    case kWrittenUtf16Be:
      mend->bytes = kUtf16LeMarkBytes + Utf8ToUtf16Le(Utf16ToUtf8(text, true));
      mend->changes.push_back(
          "saved as UTF-16 LE with its byte-order mark: it was UTF-16 big-endian, which Windows "
          "cannot read at all");
      return;
    case kWrittenUtf8:
      mend->bytes = kUtf16LeMarkBytes + Utf8ToUtf16Le(text);
      mend->changes.push_back(
          "saved as UTF-16 LE with its byte-order mark, which Windows reads as written: it was "
          "UTF-8 " +
          (marks.empty() ? "without a mark" : "with " + marks) +
          ", which Windows reads as ANSI bytes" +
          (word.empty() ? "" : ": \"" + word + "\" showed as \"" + AnsiToUtf8(word) + "\""));
      return;
    case kWrittenAscii:
      if (marks.empty()) return;
      mend->bytes = text;
      mend->changes.push_back("removed " + std::string(written.utf8Marks > 1 ? "the " : "") +
                              (written.utf8Marks > 1 ? marks : "the UTF-8 byte-order mark") +
                              ", which Windows reads as text in front of line 1 (the rest is "
                              "plain ASCII)");
      return;
    case kWrittenUtf16Le:
      if (written.utf16Marks < 2) return;
      mend->bytes = kUtf16LeMarkBytes + text;
      mend->changes.push_back("removed " +
                              (written.utf16Marks == 2
                                   ? std::string("the byte-order mark")
                                   : std::to_string(written.utf16Marks - 1) + " byte-order marks") +
                              " after the first, which Windows reads as text in front of line 1");
      return;
    case kWrittenUtf16NoMark:
      mend->leftAlone.push_back(
          "the encoding: it looks like UTF-16 without its byte-order mark. Save it as UTF-16 LE "
          "with its mark (Notepad's \"UTF-16 LE\").");
      return;
    default:
      return;
  }
}

// The file's lines of UTF-8 and of bytes that are no UTF-8: "lines 2, 5".
std::string LinesOf(const std::string& bytes, const FileEncoding& written, WrittenEncoding kind) {
  std::vector<int> lines;
  int number = 0;
  for (const ProfileLine& line : ReadProfile(bytes, kWindowsReading).lines) {
    ++number;
    if (LineEncoding(bytes, line.start, line.end, written) == kind) lines.push_back(number);
  }
  std::string listed = lines.size() == 1 ? "line " : "lines ";
  for (size_t i = 0; i < lines.size(); ++i) listed += (i ? ", " : "") + std::to_string(lines[i]);
  return listed;
}

// Why the text the author wrote is not known, or "" when it is.
std::string UnknownText(const std::string& bytes, const FileEncoding& written) {
  if (written.invalidAt == std::string::npos) return "";
  if (written.encoding == kWrittenMixed) {
    return "the file mixes UTF-8 (" + LinesOf(bytes, written, kWrittenUtf8) +
           ") with bytes that are no UTF-8 (" + LinesOf(bytes, written, kWrittenAnsi) +
           "): which the author meant is not certain. Make every line one encoding in an editor";
  }
  const int line = ProfileLineAt(ReadProfile(bytes, kWindowsReading), written.invalidAt);
  return "line " + std::to_string(line) + " holds bytes that are not UTF-8 (" +
         BrokenUtf8At(bytes, written.invalidAt) +
         "), though the file starts with a UTF-8 mark: the text they stand for is not known";
}

// A mark at the start of a later line is never meant: it goes.
void MendMarkedLines(IniMend* mend) {
  const ProfileFile profile = ReadProfile(mend->bytes, kWindowsReading);
  const size_t mark = MarkLength(profile.mark == kUtf16LeMark ? kUtf16LeMark : kUtf8Mark);
  for (const MarkedLine& marked : MarkedProfileLines(profile, mend->bytes)) {
    const size_t marks = marked.bytes / mark;
    mend->changes.push_back("line " + std::to_string(marked.line) + ": removed " +
                            (marks == 1 ? std::string("the byte-order mark")
                                        : std::to_string(marks) + " byte-order marks") +
                            " at its start, which Windows and Wine read as text");
  }
  mend->bytes = WithoutMarkedLines(profile, mend->bytes);
}

// In a [Files] line of the file, the path between the first two quotes gets \ for /.
void MendSlashes(IniMend* mend) {
  std::string& bytes = mend->bytes;
  const ProfileFile profile = ReadProfile(bytes, kWindowsReading);
  const size_t unit = profile.mark == kUtf16LeMark ? 2 : 1;
  for (const SectionLine& line : ProfileSectionLines(profile, kFilesSection)) {
    LaunchEntry entry;
    uint32_t length = 0;
    // The line as written, where only a real '/' is one.
    const std::string text = TrimmedProfileText(profile.lines[line.line - 1].text);
    const uint32_t room = static_cast<uint32_t>(text.size() + 1);
    if (ReadFileLine(text.c_str(), room, &entry, &length) != kEntryLine ||
        std::string(entry.path).find('/') == std::string::npos) {
      continue;
    }
    const ProfileLine& read = profile.lines[line.line - 1];
    int quotes = 0;
    for (size_t at = read.start; at + unit <= read.end && quotes < 2; at += unit) {
      const bool narrow = unit == 1 || bytes[at + 1] == '\0';
      quotes += narrow && bytes[at] == '"';
      if (narrow && quotes == 1 && bytes[at] == '/') bytes[at] = '\\';
    }
    std::string mended = entry.path;
    for (char& c : mended) c = c == '/' ? '\\' : c;
    mend->changes.push_back("line " + std::to_string(line.line) + ": \"" + AnsiToUtf8(entry.path) +
                            "\" is now \"" + AnsiToUtf8(mended) + "\"");
  }
}

}  // namespace

bool MendIni(const std::string& bytes, IniMend* mend, std::string* why) {
  const FileEncoding written = EncodingOf(bytes);
  *why = UnknownText(bytes, written);
  if (!why->empty()) return false;
  mend->bytes = bytes;
  MendEncoding(bytes, written, mend);
  MendMarkedLines(mend);
  MendSlashes(mend);
  return true;
}
