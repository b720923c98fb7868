// Where an INI will not read on Windows as it was written, or may read otherwise than under Wine.
#include "checker/reading_warnings.h"

#include <algorithm>

#include "checker/ansi_text.h"
#include "config/settings.h"

namespace {

const char kSaveAsAnsi[] =
    "Save the file as ANSI (Windows-1252) or as UTF-16 LE (Notepad's \"UTF-16 LE\" or "
    "\"Unicode\").";

enum Encoding { kAnsiBytes, kUtf8Mark, kUtf16Le, kUtf16Be };

Encoding EncodingOf(const std::string& bytes) {
  if (bytes.compare(0, 2, "\xFF\xFE") == 0) return kUtf16Le;
  if (bytes.compare(0, 2, "\xFE\xFF") == 0) return kUtf16Be;
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return kUtf8Mark;
  return kAnsiBytes;
}

// The lines as the profile functions split them (CR, LF or CR LF), blanks trimmed.
std::vector<std::string> TrimmedLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) end = text.size();
    lines.push_back(TrimmedProfileText(text.substr(at, end - at)));
    at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

// The length of a well-formed UTF-8 sequence of two to four bytes at i, or 0.
size_t Utf8SequenceAt(const std::string& s, size_t i) {
  const uint8_t lead = static_cast<uint8_t>(s[i]);
  const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (length == 0 || i + length > s.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((static_cast<uint8_t>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// The first word holding UTF-8 beyond ASCII, as written and as Windows shows it.
void WarnOfUtf8Text(const std::vector<std::string>& lines, std::vector<CheckedBox>* warnings) {
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    for (size_t i = 0; i < line.size(); ++i) {
      if (Utf8SequenceAt(line, i) == 0) continue;
      const size_t start = line.find_last_of(" \t\"=", i) + 1;  // npos + 1 is 0
      const size_t end = std::min(line.find_first_of(" \t\"", i), line.size());
      const std::string shown = line.substr(start, end - start);
      warnings->push_back({"",
                           "This is UTF-8 text, which Windows reads as ANSI bytes: \"" +
                               Utf8ToAnsi(shown) + "\" shows as \"" + shown + "\". " + kSaveAsAnsi,
                           static_cast<int>(n + 1)});
      return;
    }
  }
}

void WarnOfUtf8Mark(const std::vector<std::string>& lines, std::vector<CheckedBox>* warnings) {
  const std::string first = lines.empty() ? "" : TrimmedProfileText(lines[0].substr(3));
  std::string lost;
  if (!first.empty() && first[0] == '[') {
    lost = " It stays in front of \"" + first +
           "\", so that header is not read and the whole section is lost.";
  }
  warnings->push_back({"",
                       "The file starts with a UTF-8 byte-order mark, which Windows does not "
                       "recognise: it reads its three bytes as text." +
                           lost + " " + kSaveAsAnsi,
                       1});
}

// Characters of a UTF-16 LE file that Windows-1252 lacks: each becomes '?'.
void WarnOfUnfitCharacters(const std::string& bytes, std::vector<CheckedBox>* warnings) {
  int line = 1;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const uint32_t unit = static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8;
    if (unit == '\n' || (unit == '\r' && bytes.compare(i + 2, 2, std::string("\n\0", 2)) != 0)) {
      ++line;
    } else if (unit != '?' && Utf16ToAnsi(bytes.substr(i, 2), false) == "?") {
      warnings->push_back({"",
                           "This line holds characters that Windows-1252 cannot hold; Windows "
                           "shows each as \"?\". Use only Windows-1252 characters.",
                           line});
      return;
    }
  }
}

// "[Name" and "[Name]]": Windows ends a name at the first ']' and needs none; Wine needs one and
// ends at the last.
void WarnOfHeaders(const std::vector<std::string>& lines, std::vector<CheckedBox>* warnings) {
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    if (line.empty() || line[0] != '[') continue;
    const size_t first = line.find(']'), last = line.rfind(']');
    if (first == last && first != std::string::npos) continue;
    const std::string windowsName = TrimmedProfileText(
        line.substr(1, first == std::string::npos ? std::string::npos : first - 1));
    const std::string wine = first == std::string::npos
                                 ? "no header at all"
                                 : "[" + TrimmedProfileText(line.substr(1, last - 1)) + "]";
    warnings->push_back({"",
                         "Windows reads \"" + line + "\" as the header [" + windowsName +
                             "], Wine as " + wine + ". Write it with one closing bracket: \"[" +
                             windowsName + "]\".",
                         static_cast<int>(n + 1)});
  }
}

void WarnOfNuls(const std::vector<std::string>& lines, std::vector<CheckedBox>* warnings) {
  size_t count = 0, firstLine = 0;
  for (size_t n = 0; n < lines.size(); ++n) {
    const size_t here = std::count(lines[n].begin(), lines[n].end(), '\0');
    if (here > 0 && count == 0) firstLine = n + 1;
    count += here;
  }
  if (count == 0) return;
  warnings->push_back(
      {"",
       "The file holds " + std::to_string(count) +
           (count == 1 ? " NUL byte, on this line" : " NUL bytes, the first on this line") +
           ": it may not be text. Wine ends a line at a NUL; what Windows does is "
           "not known. Remove " +
           (count == 1 ? "it." : "them."),
       static_cast<int>(firstLine)});
}

void WarnOfLongFilesSection(const ProfileFile& profile, std::vector<CheckedBox>* warnings) {
  const ProfileSection* files = FindProfileSection(profile, "Files");
  if (files == nullptr) return;
  size_t length = 1;
  for (const SectionLine& line : ProfileSectionLines(profile, "Files"))
    length += line.text.size() + 1;
  if (length <= 32767) return;
  warnings->push_back({"",
                       "The [Files] section is " + std::to_string(length) +
                           " characters long. Windows is documented to read at most 32,767 of a "
                           "section; whether today's Windows cuts it is not known. Keep it "
                           "shorter: fewer or shorter descriptions.",
                       files->line});
}

const char* const kSizeKeys[] = {"OkButtonSize", "CancelButtonSize"};

bool HasNumberPrefix(const std::string& value) {
  size_t i = value.find_first_not_of("+- \t");
  return i != std::string::npos && value.size() > i + 1 && value[i] == '0' &&
         std::string("xXoObB").find(value[i + 1]) != std::string::npos;
}

}  // namespace

std::vector<CheckedBox> FileReadingWarnings(const std::string& bytes) {
  std::vector<CheckedBox> warnings;
  const Encoding encoding = EncodingOf(bytes);
  if (encoding == kUtf16Be) {
    warnings.push_back({"",
                        "The file is UTF-16 big-endian (it starts with FE FF), which Windows "
                        "cannot read: it reads nothing from it. " +
                            std::string(kSaveAsAnsi),
                        1});
    return warnings;
  }
  const std::string text = encoding == kUtf16Le ? Utf16ToAnsi(bytes.substr(2), false) : bytes;
  const std::vector<std::string> lines = TrimmedLines(text);
  if (encoding == kUtf8Mark) WarnOfUtf8Mark(lines, &warnings);
  if (encoding == kUtf16Le) {
    WarnOfUnfitCharacters(bytes, &warnings);
  } else {
    std::vector<std::string> text = lines;  // the mark is no text of the author's
    if (encoding == kUtf8Mark) text[0] = TrimmedProfileText(text[0].substr(3));
    WarnOfUtf8Text(text, &warnings);
    WarnOfNuls(lines, &warnings);
  }
  WarnOfHeaders(lines, &warnings);
  WarnOfLongFilesSection(ReadProfile(bytes, kWindowsReading), &warnings);
  return warnings;
}

std::vector<CheckedBox> SettingReadingWarnings(const ProfileFile& profile) {
  std::vector<CheckedBox> warnings;
  const ProfileSection* settings = FindProfileSection(profile, "SystemSettings");
  if (settings == nullptr) return warnings;
  for (const char* key : kSizeKeys) {
    const ProfileKey* found = FindProfileKey(profile, "SystemSettings", key);
    if (found == nullptr || !found->hasValue) continue;
    const bool quoted = IsQuotedProfileValue(found->value),
               prefixed = HasNumberPrefix(found->value);
    if (!quoted && !prefixed) continue;
    const std::string wineReads = std::to_string(ProfileInt(profile, "SystemSettings", key, 0));
    warnings.push_back(
        {"",
         std::string(key) + "=" + found->value + ": Wine reads " + wineReads +
             "; what Windows reads " + (quoted ? "in quotes" : "with a base prefix") +
             " is not known. Write the number in plain decimal without quotes: " + key + "=" +
             wineReads + ".",
         found->line});
  }
  for (const ProfileKey& key : settings->keys) {
    const int longest = LongestTextSetting(key.name.c_str());
    if (longest == 0 || !key.hasValue || !IsQuotedProfileValue(key.value) ||
        key.value.size() - 2 != static_cast<size_t>(longest) + 1) {
      continue;
    }
    warnings.push_back({"",
                        key.name + " is " + std::to_string(longest + 1) +
                            " bytes in quotes, one over its limit of " + std::to_string(longest) +
                            ": Wine drops the last character and accepts it; what Windows does "
                            "is not known. Remove the quotes and shorten it to " +
                            std::to_string(longest) + " bytes.",
                        key.line});
  }
  return warnings;
}
