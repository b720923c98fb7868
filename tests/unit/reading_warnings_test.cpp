// The reading warnings: for each file, every finding, with its line, the readings it concerns
// (none for a note, harmless today) and what it quotes.
#include "checker/reading_warnings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr unsigned kNote = 0, kWindows = kConcernsWindows, kBoth = kConcernsBoth;

struct WarningCase {
  const char* name;
  std::string bytes;
  std::vector<Finding> findings;  // in the order they are found
};

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

const std::string kFiles = "[Files]\r\n\"Readme.txt\"\r\n";

const std::vector<WarningCase> kCases = {
    // Sound files
    {"ANSI with an accent", "[SystemSettings]\r\nWindowTitle=Caf\xE9\r\n" + kFiles, {}},
    {"UTF-16 LE with an accent",
     std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\r\0\n\0\"\0\xE9\0\"\0", 26),
     {}},
    {"UTF-8 in a comment only", "; Caf\xC3\xA9\r\n" + kFiles, {}},
    {"UTF-8 in a key never read",
     "[SystemSettings]\r\nAuthor=Ren\xC3\xA9"
     "e\r\n" +
         kFiles,
     {}},
    {"a quoted value one over on a duplicate never read",
     "[SystemSettings]\r\nOkButton=OK\r\nOkButton=\"" + std::string(21, 'x') + "\"\r\n" + kFiles,
     {}},
    {"a second section with only comments", kFiles + "[Files]\r\n; nothing\r\n", {}},
    {"a second section whose line has no name, which the section call still lists",
     kFiles + "[Files]\r\n=x\r\n",
     {{kSecondSection, 3, kBoth, {"Files", "1", "1"}}}},
    // The UTF-8 mark
    {"a UTF-8 mark before a comment",
     "\xEF\xBB\xBF; notes\r\n" + kFiles,
     {{kUtf8MarkBeforeText, 1, kNote, {"; notes", "yes", "yes"}}}},
    {"a UTF-8 mark before [Files]",
     "\xEF\xBB\xBF" + kFiles,
     {{kUtf8MarkHidesHeader, 1, kWindows, {"[Files]", "yes", "yes"}}}},
    {"bytes behind a UTF-8 mark that are no UTF-8",
     "\xEF\xBB\xBF; x\r\n[SystemSettings]\r\nWindowTitle=Caf\xE9\r\nShowFilepath=Y\r\n" + kFiles,
     {{kUtf8MarkBeforeText, 1, kNote, {"; x", "", ""}}, {kNotUtf8BehindMark, 3, kBoth, {"E9"}}}},
    {"a second broken sequence behind a UTF-8 mark, quoted as valid UTF-8",
     "\xEF\xBB\xBF; x\r\n[Files]\r\n\"a\xE9.txt\"\r\n\"b\xE9.txt\"\r\n",
     {{kUtf8MarkBeforeText, 1, kNote, {"; x", "", ""}},
      {kNotUtf8BehindMark, 3, kBoth, {"E9"}},
      {kUtf8ReadAsAnsi, 4, kWindows, {"b\xEF\xBF\xBD.txt", "b\xC3\xA9.txt", "", ""}}}},
    // UTF-8 without a mark: every line read, and only those
    {"UTF-8 on lines 3 and 5 after a comment",
     "; Caf\xC3\xA9\r\n[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9 \xC3\xA0\r\n[Files]\r\n"
     "\"Readme.txt\" \"Th\xC3\xA9\"\r\n",
     {{kUtf8ReadAsAnsi, 3, kBoth, {"Caf\xC3\xA9", "Caf\xC3\x83\xC2\xA9", "yes", ""}},
      {kUtf8ReadAsAnsi, 5, kBoth, {"Th\xC3\xA9", "Th\xC3\x83\xC2\xA9", "yes", ""}}}},
    {"one accented letter, likely UTF-8",
     "[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n" + kFiles,
     {{kUtf8PairReadAsAnsi, 2, kBoth, {"Caf\xC3\xA9", "Caf\xC3\x83\xC2\xA9", "yes", ""}}}},
    {"ANSI bytes that happen to be one UTF-8 pair",
     "[SystemSettings]\r\nWindowTitle=CAF\xC9\x85\r\n" + kFiles,
     {{kUtf8OrAnsi, 2, kNote, {"CAF\xC9\x85", "CAF\xC3\x89\xE2\x80\xA6"}}}},
    // Other encodings
    {"UTF-16 BE", Utf16(kFiles, true), {{kUtf16BigEndian, 0, kWindows, {}}}},
    {"UTF-16 LE that lost its mark",
     Utf16(kFiles, false).substr(2),
     {{kUtf16WithoutMark, 0, kBoth, {"LE"}}}},
    {"UTF-16 BE that lost its mark",
     Utf16(kFiles, true).substr(2),
     {{kUtf16WithoutMark, 0, kBoth, {"BE"}}}},
    {"a character Windows-1252 lacks",
     std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\n\0\"\0\xA9\x03\"\0", 24),
     {{kBeyondWindows1252, 2, kBoth, {"\xCE\xA9", "?"}}}},
    // Section headers
    {"[ alone in [Files]",
     kFiles + "[\r\n\"a.txt\"\r\n",
     {{kBracketLineIsHeader, 3, kBoth, {"[", "Files"}}}},
    {"[SystemSettings without its bracket",
     "[SystemSettings\r\nWindowTitle=X\r\n" + kFiles,
     {{kHeaderWithoutBracket, 1, kBoth, {"[SystemSettings", "SystemSettings"}}}},
    {"[Files]] with two",
     "[Files]]\r\n\"Readme.txt\"\r\n",
     {{kHeaderBrackets, 1, kBoth, {"[Files]]", "Files", "Files]"}}}},
    {"a header read otherwise that decides nothing", kFiles + "[Notes]]\r\nx=1\r\n", {}},
    {"a second [Files] section",
     kFiles + "[Files]\r\n\"a.txt\"\r\n",
     {{kSecondSection, 3, kBoth, {"Files", "1", "1"}}}},
    // Settings Windows may read otherwise
    {"an upper-case base prefix",
     "[SystemSettings]\r\nOkButtonSize=0X1E\r\n" + kFiles,
     {{kNumberWithBasePrefix, 2, kBoth, {"OkButtonSize=0X1E", "0", "OkButtonSize", "30", "yes"}}}},
    {"a number in quotes",
     "[SystemSettings]\r\nCancelButtonSize=\"20\"\r\n" + kFiles,
     {{kNumberInQuotes,
       2,
       kWindows,
       {"CancelButtonSize=\"20\"", "20", "CancelButtonSize", "20", ""}}}},
    {"a quoted text one over its limit",
     "[SystemSettings]\r\nOkButton=\"" + std::string(21, 'x') + "\"\r\n" + kFiles,
     {{kQuotedTextOneOver, 2, kWindows, {"OkButton", "21", "20"}}}},
    {"a quoted text two over its limit, which the launcher refuses",
     "[SystemSettings]\r\nOkButton=\"" + std::string(22, 'x') + "\"\r\n" + kFiles,
     {}},
    {"a value of 65,536 bytes or more",
     "[SystemSettings]\r\nWindowTitle=" + std::string(65541, 'x') + "\r\n" + kFiles,
     {{kValueLengthWraps, 2, kWindows, {"WindowTitle", "65541", "5", "40"}}}},
    // Bytes measured on Wine only, and what the section call does to a line
    {"an end-of-file byte after a row",
     kFiles + "\"a.txt\"\x1A\r\n",
     {{kUnmeasuredBlank, 3, kWindows, {}}}},
    {"a form feed after a row", kFiles + "\"a.txt\"\f\r\n", {{kUnmeasuredBlank, 3, kWindows, {}}}},
    {"a NUL byte in a row",
     kFiles + std::string("\"a.txt\"\0x\r\n", 11),
     {{kNulByte, 3, kBoth, {"\"a.txt\""}}}},
    {"a [Files] section over the documented limit",
     "[Files]\r\n" + std::string(3300, 'x') + "\r\n" + std::string(30000, 'y') + "\r\n",
     {{kFilesSectionLong, 1, kWindows, {"33303"}}}},
    {"blanks around = in a row",
     "[Files]\r\n\"a.txt\" \"Speed = fast\"\r\n",
     {{kBlanksAroundEquals, 2, kBoth, {"Speed=fast", "Speed = fast"}}}},
};

TEST(ReadingWarnings, WhatTheLauncherReads) {
  using Seen = std::tuple<int, int, unsigned, std::vector<std::string>>;
  for (const WarningCase& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<Seen> seen, wanted;
    for (const Finding& f : ReadingFindings(c.bytes)) {
      seen.emplace_back(f.line, f.kind, f.concerns, f.arguments);
    }
    for (const Finding& f : c.findings)
      wanted.emplace_back(f.line, f.kind, f.concerns, f.arguments);
    EXPECT_EQ(wanted, seen);
  }
}

// The words: every choice the table makes between two forms, as whole texts.
TEST(Findings, WordsOfTheTable) {
  const struct {
    Finding finding;
    const char* text;
  } cases[] = {
      {{kSecondSection, 9, kBoth, {"Files", "2", "1"}},
       "A second [Files] section: the launcher reads only the first, on line 2, so the 1 line "
       "here is not read. Move it into the first."},
      {{kSecondSection, 9, kBoth, {"Files", "2", "3"}},
       "A second [Files] section: the launcher reads only the first, on line 2, so the 3 lines "
       "here are not read. Move them into the first."},
      {{kNumberInQuotes, 2, kWindows, {"K=\"0x1E\"", "30", "K", "30", "yes"}},
       "K=\"0x1E\": Wine reads 30; what Windows reads in quotes and with a base prefix is not "
       "known. Write the number in plain decimal: K=30."},
      {{kUtf8MarkBeforeText, 1, kNote, {"; x", "", ""}},
       "The file starts with a UTF-8 byte-order mark, which Windows does not recognise: its three "
       "bytes stay in front of line 1, which the launcher does not read, so nothing changes "
       "today. Save the file as UTF-16 LE (Notepad's \"UTF-16 LE\")."},
      {{kUtf8ReadAsAnsi, 3, kBoth, {"a\xC3\xA9", "a\xC3\x83\xC2\xA9", "yes", "\xCE\xA9"}},
       "This is UTF-8 text, which Windows reads as ANSI bytes: \"a\xC3\xA9\" shows as "
       "\"a\xC3\x83\xC2\xA9\". Save the file as UTF-16 LE (Notepad's \"UTF-16 LE\"; "
       "lanterpick-check --fix does it). \"\xCE\xA9\" also holds characters that Windows-1252 "
       "cannot hold, which show as \"?\" even then."},
      {{kValueLengthWraps, 2, kWindows, {"Author", "65537", "1", ""}},
       "Author is 65537 bytes long; Windows reads a value's length modulo 65,536, so it reads 1 "
       "of them, and Wine all. Shorten it."},
      {{kAbsolutePath, 4, kNote, {"C:\\a.txt"}}, "\"C:\\a.txt\" is an absolute path; not checked."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.text, FindingText(c.finding)) << FindingName(c.finding.kind);
}

}  // namespace
