// The reading warnings: for each file, every finding, with its line, the readings it concerns
// (none for a note, harmless today) and what it quotes.
#include "checker/reading_warnings.h"

#include <gtest/gtest.h>

#include "checker/ini_mend.h"
#include "checker/profile_reader.h"

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

std::string Utf16Le(const std::u16string& text) {
  std::string out = "\xFF\xFE";
  for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return out;
}

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

const std::string kFiles = "[Files]\r\n\"Readme.txt\"\r\n";

std::string Title(const std::string& value) {
  return "[SystemSettings]\r\nWindowTitle=" + value + "\r\n" + kFiles;
}

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
    {"UTF-8 in the name of the section after [Files], which only ends it",
     kFiles + "[Cr\xC3\xA9" "dits]\r\nAuteur=Zo\xC3\xA9\r\n",
     {}},
    {"UTF-8 after a header's bracket and after a row's fields, which nothing shows",
     "[Files] ; fichiers \xC3\xA0 ouvrir\r\n\"Readme.txt\" \"Read me\" ; \xC3\xA0 lire\r\n"
     "\"a.txt\" \xE2\x80\x94 \"b\"\r\n",
     {}},
    {"a form feed after a header's bracket", "[Files]\f\r\n\"Readme.txt\"\r\n", {}},
    {"a form feed before a header's bracket",
     "[Files\f]\r\n\"Readme.txt\"\r\n",
     {{kUnmeasuredBlank, 1, kWindows, {}}}},
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
    {"a second broken sequence behind a UTF-8 mark (an ANSI euro sign), quoted as valid UTF-8",
     "\xEF\xBB\xBF; x\r\n[Files]\r\n\"a\xE9.txt\"\r\n\"b\x80.txt\"\r\n",
     {{kUtf8MarkBeforeText, 1, kNote, {"; x", "", ""}},
      {kNotUtf8BehindMark, 3, kBoth, {"E9"}},
      {kUtf8ReadAsAnsi, 4, kWindows, {"b\xEF\xBF\xBD.txt", "b\xE2\x82\xAC.txt", "", "", ""}}}},
    // UTF-8 without a mark: every line read, and only those
    {"UTF-8 on lines 3 and 5 after a comment",
     "; Caf\xC3\xA9\r\n[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9 \xC3\xA0\r\n[Files]\r\n"
     "\"Readme.txt\" \"Th\xC3\xA9\"\r\n",
     {{kUtf8ReadAsAnsi, 3, kBoth, {"Caf\xC3\xA9", "Caf\xC3\x83\xC2\xA9", "", "yes", "yes"}},
      {kUtf8ReadAsAnsi, 5, kBoth, {"Th\xC3\xA9", "Th\xC3\x83\xC2\xA9", "", "yes", "yes"}}}},
    {"one accented letter: UTF-8, as Notepad opens it",
     "[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n" + kFiles,
     {{kUtf8ReadAsAnsi, 2, kBoth, {"Caf\xC3\xA9", "Caf\xC3\x83\xC2\xA9", "", "yes", "yes"}}}},
    {"one pair that could be two ANSI characters is UTF-8 too: Notepad showed P\xC5\x82yta",
     "[SystemSettings]\r\nWindowTitle=P\xC5\x82yta\r\n" + kFiles,
     {{kUtf8BeyondWindows1252,
       2,
       kBoth,
       {"P\xC5\x82yta", "P\xC3\x85\xE2\x80\x9Ayta", "\xC5\x82", "", "yes"}}}},
    {"characters Windows-1252 lacks beside one it has, behind a mark",
     "\xEF\xBB\xBF; x\r\n[SystemSettings]\r\nWindowTitle=\xC5\x90 \xC3\xA9 \xC5\x82 \xC5\x90\r\n" +
         kFiles,
     {{kUtf8MarkBeforeText, 1, kNote, {"; x", "", "yes"}},
      {kUtf8BeyondWindows1252,
       3,
       kWindows,
       {"\xC5\x90", "\xC3\x85\xC2\x90", "\xC5\x90, \xC5\x82", "yes", "yes"}}}},
    {"UTF-8 lines beside ANSI bytes",
     "[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9 cr\xC3\xA8me\r\n[Files]\r\n"
     "\"Readme.txt\" \"Caf\xE9\"\r\n\"b.txt\" \"\xC5\x82\"\r\n",
     {{kUtf8LineInAnsiFile, 2, kBoth, {"Caf\xC3\xA9", "Caf\xC3\x83\xC2\xA9", "", "yes", "", "4"}},
      {kUtf8LineInAnsiFile,
       5,
       kBoth,
       {"\xC5\x82", "\xC3\x85\xE2\x80\x9A", "\xC5\x82", "", "", "4"}}}},
    // Several marks: the second is text on line 1 to Windows and Wine alike
    {"two UTF-8 marks before [SystemSettings]",
     "\xEF\xBB\xBF\xEF\xBB\xBF[SystemSettings]\r\nWindowTitle=Disc\r\n" + kFiles,
     {{kMarksHideHeader, 1, kBoth, {"2", "UTF-8", "[SystemSettings]", ""}}}},
    {"three UTF-8 marks before UTF-8 in [Files]",
     "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[Files]\r\n\"\xC3\xA9.txt\"\r\n",
     {{kMarksHideHeader, 1, kBoth, {"3", "UTF-8", "[Files]", "yes"}}}},
    {"two UTF-8 marks before a comment",
     "\xEF\xBB\xBF\xEF\xBB\xBF; notes\r\n" + kFiles,
     {{kMarksBeforeText, 1, kNote, {"2", "UTF-8", "; notes", ""}}}},
    {"two UTF-16 marks before [Files]",
     "\xFF\xFE" + Utf16(kFiles, false),
     {{kMarksHideHeader, 1, kBoth, {"2", "UTF-16", "[Files]", ""}}}},
    // Look-alikes of the characters that make a line's structure
    {"full-width brackets: no header, though it looks like one",
     Utf16Le(u"\uFF3BFiles\uFF3D\r\n\"a.txt\"\r\n"),
     {{kLookAlike, 1, kBoth, {"\xEF\xBC\xBB" "Files\xEF\xBC\xBD", "\xEF\xBC\xBB for [, \xEF\xBC\xBD for ]"}}}},
    {"an ideographic space after a key's name: another key",
     Utf16Le(u"[SystemSettings]\r\nWindowTitle\u3000=Disc\r\n[Files]\r\n\"a.txt\"\r\n"),
     {{kLookAlike, 2, kBoth, {"WindowTitle\xE3\x80\x80=Disc", "U+3000 for a blank"}}}},
    {"full-width quotes around a description, which the launcher reads as quotes",
     Utf16Le(u"[Files]\r\n\"a.txt\" \uFF02\u0141\u00F3d\u017A\uFF02\r\n"),
     {{kBeyondWindows1252, 2, kBoth,
       {"\xEF\xBC\x82\xC5\x81\xC3\xB3" "d\xC5\xBA\xEF\xBC\x82", "\"L\xC3\xB3" "dz\"",
        "\xEF\xBC\x82, \xC5\x81, \xC5\xBA"}}}},
    {"a full-width equals sign in a comment changes nothing",
     Utf16Le(u"; a\uFF1Db\r\n[Files]\r\n\"a.txt\"\r\n"),
     {}},
    // A mark at the start of a later line, as where two files were joined
    {"a mark before a later header: its section is lost",
     kFiles + "\xEF\xBB\xBF[SystemSettings]\r\nWindowTitle=Disc\r\n",
     {{kMarkStartsLine, 3, kBoth, {"[SystemSettings]", "yes", "yes"}}}},
    {"a mark before a row, which the launcher then cannot read",
     kFiles + "\xEF\xBB\xBF\"a.txt\"\r\n",
     {{kMarkStartsLine, 3, kBoth, {"\"a.txt\"", "", "yes"}}}},
    {"two marks before a row: both go before the text quoted",
     kFiles + "\xEF\xBB\xBF\xEF\xBB\xBF\"a.txt\"\r\n",
     {{kMarkStartsLine, 3, kBoth, {"\"a.txt\"", "", "yes"}}}},
    {"a mark alone after the last line end: a line of [Files] the launcher cannot read",
     kFiles + "\xEF\xBB\xBF",
     {{kMarkStartsLine, 3, kBoth, {"", "", "yes"}}}},
    {"a mark hiding a header whose lines, joined to [SystemSettings], are read: a warning",
     "[SystemSettings]\r\nOkButton=Go\r\n\xEF\xBB\xBF[Other]\r\nWindowTitle=Other\r\n" + kFiles,
     {{kMarkStartsLine, 3, kBoth, {"[Other]", "yes", "yes"}}}},
    {"a mark hiding a header whose lines, joined to [SystemSettings], are never read: a note",
     kFiles + "[SystemSettings]\r\nWindowTitle=Hi\r\n\xEF\xBB\xBF[Other]\r\nfoo=1\r\n",
     {{kMarkStartsLine, 5, kNote, {"[Other]", "yes", "yes"}}}},
    {"a mark before a line of a section never read",
     kFiles + "[Notes]\r\n\xEF\xBB\xBFx=1\r\n",
     {{kMarkStartsLine, 4, kNote, {"x=1", "", "yes"}}}},
    {"a UTF-16 mark before a later header",
     Utf16(kFiles, false) + std::string("\xFF\xFE[\0N\0]\0", 8),
     {{kMarkStartsLine, 3, kBoth, {"[N]", "yes", "yes"}}}},
    // Other encodings
    {"UTF-16 BE", Utf16(kFiles, true), {{kUtf16BigEndian, 0, kWindows, {}}}},
    {"UTF-16 LE that lost its mark",
     Utf16(kFiles, false).substr(2),
     {{kUtf16WithoutMark, 0, kBoth, {"LE"}}}},
    {"UTF-16 BE that lost its mark",
     Utf16(kFiles, true).substr(2),
     {{kUtf16WithoutMark, 0, kBoth, {"BE"}}}},
    {"a character Windows-1252 lacks in a comment",
     std::string("\xFF\xFE;\0 \0\xA9\x03\r\0\n\0", 12) + Utf16(kFiles, false).substr(2),
     {}},
    {"a NUL byte behind a UTF-8 mark: the line as Wine reads it",
     "\xEF\xBB\xBF; x\r\n[SystemSettings]\r\nWindowTitle=\xC3\xA9" + std::string("\0x", 2) + "\r\n" + kFiles,
     {{kUtf8MarkBeforeText, 1, kNote, {"; x", "", "yes"}},
      {kUtf8ReadAsAnsi, 3, kWindows, {std::string("\xC3\xA9\0x", 4), std::string("\xC3\x83\xC2\xA9\0x", 6), "", "yes", "yes"}},
      {kNulByte, 3, kBoth, {"WindowTitle=\xC3\xA9"}}}},
    {"a character Windows-1252 lacks",
     std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\n\0\"\0\xA9\x03\"\0", 24),
     {{kBeyondWindows1252, 2, kBoth, {"\xCE\xA9", "O", "\xCE\xA9"}}}},
    {"an accent kept apart from its letter, listed on it",
     std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\n\0\"\0C\0a\0f\0e\0\x01\x03\"\0", 32),
     {{kBeyondWindows1252, 2, kBoth, {"Cafe\xCC\x81", "Cafe\xC2\xB4", "e\xCC\x81"}}}},
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
     {{kNumberWithBasePrefix,
       2,
       kBoth,
       {"OkButtonSize=0X1E", "0", "OkButtonSize", "30", "yes", ""}}}},
    {"a number in quotes",
     "[SystemSettings]\r\nCancelButtonSize=\"20\"\r\n" + kFiles,
     {{kNumberInQuotes,
       2,
       kWindows,
       {"CancelButtonSize=\"20\"", "20", "CancelButtonSize", "20", "", ""}}}},
    {"an empty size in quotes: the launcher keeps its default",
     "[SystemSettings]\r\nOkButtonSize=\"\"\r\n" + kFiles,
     {{kNumberInQuotes,
       2,
       kWindows,
       {"OkButtonSize=\"\"", "24", "OkButtonSize", "24", "", "yes"}}}},
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
    {"an end-of-file byte alone after the last line end, as copy a+b leaves it",
     kFiles + "\x1A",
     {{kLoneBlankByte, 3, kWindows, {}}}},
    {"a form feed alone on a line of [Files]",
     kFiles + "\f\r\n\"a.txt\"\r\n",
     {{kLoneBlankByte, 3, kWindows, {}}}},
    {"an end-of-file byte alone after [SystemSettings] changes no row",
     "[SystemSettings]\r\nWindowTitle=X\r\n\x1A\r\n" + kFiles,
     {}},
    {"a NUL byte in a row",
     kFiles + std::string("\"a.txt\"\0x\r\n", 11),
     {{kNulByte, 3, kBoth, {"\"a.txt\""}}}},
    // Each limit, and one past it
    {"a quoted title of 40 bytes", Title("\"" + std::string(40, 'x') + "\""), {}},
    {"a quoted title of 41 bytes",
     Title("\"" + std::string(41, 'x') + "\""),
     {{kQuotedTextOneOver, 2, kWindows, {"WindowTitle", "41", "40"}}}},
    {"a quoted UTF-8 title of 41 bytes and 40 characters: as saved in UTF-16, within its limit",
     Title("\"" + std::string(39, 'x') + "\xC3\xA9\""),
     {{kUtf8ReadAsAnsi, 2, kBoth,
       {std::string(39, 'x') + "\xC3\xA9", std::string(39, 'x') + "\xC3\x83\xC2\xA9", "", "yes",
        "yes"}}}},
    {"a quoted title of 42 bytes: too long for both",
     Title("\"" + std::string(42, 'x') + "\""),
     {}},
    {"a value of 65,535 bytes", Title(std::string(65535, 'x')), {}},
    {"a value of 65,536 bytes reads as empty",
     Title(std::string(65536, 'x')),
     {{kValueLengthWraps, 2, kWindows, {"WindowTitle", "65536", "0", "40"}}}},
    {"a value of 65,537 bytes reads as one",
     Title(std::string(65537, 'x')),
     {{kValueLengthWraps, 2, kWindows, {"WindowTitle", "65537", "1", "40"}}}},
    {"a [Files] section of 32,767 characters",
     "[Files]\r\n" + std::string(32765, 'x') + "\r\n",
     {}},
    {"a [Files] section of 32,768 characters",
     "[Files]\r\n" + std::string(32766, 'x') + "\r\n",
     {{kFilesSectionLong, 1, kWindows, {"32768"}}}},
    {"a [Files] section over the documented limit",
     "[Files]\r\n" + std::string(3300, 'x') + "\r\n" + std::string(30000, 'y') + "\r\n",
     {{kFilesSectionLong, 1, kWindows, {"33303"}}}},
    {"blanks around = in a row",
     "[Files]\r\n\"a.txt\" \"Speed = fast\"\r\n",
     {{kBlanksAroundEquals, 2, kBoth, {"Speed=fast", "Speed = fast"}}}},
    {"blanks around = between fields give the same row",
     "[Files]\r\n\"a.txt\" = \"Tide tables\"\r\n",
     {}},
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

// Each advice followed to the letter: the file as it leaves it has no finding about Windows'
// reading, and Windows reads there what the author meant.
struct AdviceCase {
  const char* name;
  std::string before;  // warned of
  std::string after;   // the file as edited by the advice; "" where it is left to --fix
  bool fix;            // then lanterpick-check --fix, as the advice says
  const char* key;     // of [SystemSettings] that shows what was meant; null for the [Files] lines
  std::string meant;   // Windows-1252; [Files] lines each ended by '\n'
};

const std::string kFilesRead = "\"Readme.txt\"\n";

const std::vector<AdviceCase> kAdvice = {
    {"UTF-8 text: --fix", "[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n" + kFiles, "", true,
     "WindowTitle", "Caf\xE9"},
    {"a UTF-8 mark before the header: --fix",
     "\xEF\xBB\xBF[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n" + kFiles, "", true,
     "WindowTitle", "Caf\xE9"},
    {"two marks before the header: --fix",
     "\xEF\xBB\xBF\xEF\xBB\xBF[SystemSettings]\r\nWindowTitle=Disc\r\n" + kFiles, "", true,
     "WindowTitle", "Disc"},
    {"two UTF-16 marks: --fix", "\xFF\xFE" + Utf16(kFiles, false), "", true, nullptr, kFilesRead},
    {"UTF-16 BE: --fix", Utf16(kFiles, true), "", true, nullptr, kFilesRead},
    {"a character no save shows: write the text without it",
     "[SystemSettings]\r\nWindowTitle=P\xC5\x82yta \xC3\xA9\r\n" + kFiles,
     "[SystemSettings]\r\nWindowTitle=Pyta \xC3\xA9\r\n" + kFiles, true, "WindowTitle",
     "Pyta \xE9"},
    {"a UTF-8 line in an ANSI file: typed again as ANSI",
     "[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9 cr\xC3\xA8me\r\n[Files]\r\n\"Readme.txt\" "
     "\"\xE9\"\r\n",
     "[SystemSettings]\r\nWindowTitle=Caf\xE9 cr\xE8me\r\n[Files]\r\n\"Readme.txt\" \"\xE9\"\r\n",
     false, "WindowTitle", "Caf\xE9 cr\xE8me"},
    {"an empty size in quotes", "[SystemSettings]\r\nOkButtonSize=\"\"\r\n" + kFiles,
     "[SystemSettings]\r\nOkButtonSize=24\r\n" + kFiles, false, "OkButtonSize", "24"},
    {"an upper-case base prefix", "[SystemSettings]\r\nOkButtonSize=0X1E\r\n" + kFiles,
     "[SystemSettings]\r\nOkButtonSize=30\r\n" + kFiles, false, "OkButtonSize", "30"},
    {"a number in quotes", "[SystemSettings]\r\nCancelButtonSize=\"20\"\r\n" + kFiles,
     "[SystemSettings]\r\nCancelButtonSize=20\r\n" + kFiles, false, "CancelButtonSize", "20"},
    {"a quoted text one over",
     "[SystemSettings]\r\nOkButton=\"" + std::string(21, 'x') + "\"\r\n" + kFiles,
     "[SystemSettings]\r\nOkButton=" + std::string(20, 'x') + "\r\n" + kFiles, false, "OkButton",
     std::string(20, 'x')},
    {"[Files]] with two brackets", "[Files]]\r\n\"Readme.txt\"\r\n", kFiles, false, nullptr,
     kFilesRead},
    {"[SystemSettings without its bracket", "[SystemSettings\r\nWindowTitle=X\r\n" + kFiles,
     "[SystemSettings]\r\nWindowTitle=X\r\n" + kFiles, false, "WindowTitle", "X"},
    {"[ alone in [Files]: deleted", kFiles + "[\r\n\"a.txt\"\r\n", kFiles + "\"a.txt\"\r\n", false,
     nullptr, kFilesRead + "\"a.txt\"\n"},
    {"an end-of-file byte alone: removed", kFiles + "\x1A", kFiles, false, nullptr, kFilesRead},
    {"an end-of-file byte after a row: removed", kFiles + "\"a.txt\"\x1A\r\n",
     kFiles + "\"a.txt\"\r\n", false, nullptr, kFilesRead + "\"a.txt\"\n"},
    {"blanks around =: written without them", "[Files]\r\n\"a.txt\" \"Speed = fast\"\r\n",
     "[Files]\r\n\"a.txt\" \"Speed=fast\"\r\n", false, nullptr, "\"a.txt\" \"Speed=fast\"\n"},
    {"a second [Files] section: moved into the first", kFiles + "[Files]\r\n\"a.txt\"\r\n",
     kFiles + "\"a.txt\"\r\n", false, nullptr, kFilesRead + "\"a.txt\"\n"},
};

TEST(ReadingWarnings, AdviceFollowedGivesWhatWasMeant) {
  for (const AdviceCase& c : kAdvice) {
    SCOPED_TRACE(c.name);
    bool warned = false;
    for (const Finding& f : ReadingFindings(c.before)) warned |= (f.concerns & kWindows) != 0;
    EXPECT_TRUE(warned);
    std::string after = c.after.empty() ? c.before : c.after, why;
    IniMend mend;
    if (c.fix) {
      ASSERT_TRUE(MendIni(after, &mend, &why)) << why;
      after = mend.bytes;
    }
    for (const Finding& f : ReadingFindings(after)) {
      EXPECT_EQ(0u, f.concerns & kWindows) << FindingText(f);
    }
    const ProfileFile windows = ReadProfile(after, kWindowsReading);
    std::string read;
    if (c.key != nullptr) {
      read = ProfileString(windows, "SystemSettings", c.key, "(none)", 1000);
    } else {
      for (const SectionLine& line : ProfileSectionLines(windows, "Files"))
        read += line.text + "\n";
    }
    EXPECT_EQ(c.meant, read);
  }
}

// The words: every choice the table makes between two forms, as whole texts.
// The characters Windows-1252 lacks, each once; an accent kept apart (U+0300-U+036F) on its letter.
TEST(Findings, CharactersWindows1252Lacks) {
  const struct {
    const char *text, *unfit;
  } cases[] = {
      {"Caf\xC3\xA9", ""},
      {"\xC5\x82\xC3\xB3\xC5\x82\xCE\xA9", "\xC5\x82, \xCE\xA9"},
      {"e\xCC\x80 and e\xCC\x80", "e\xCC\x80"},
      {"x\xCD\xAF", "x\xCD\xAF"},  // U+036F, the last of them
      {"x\xCD\xB0", "\xCD\xB0"},   // U+0370, a letter of its own
      // Spaces and format characters no screen shows, by number: U+200B, U+FEFF, U+3000, U+1680
      {"a\xE2\x80\x8B b\xEF\xBB\xBF\xE2\x80\x8B\xE3\x80\x80\xE1\x9A\x80",
       "U+200B, U+FEFF, U+3000, U+1680"},
      {"\xE2\x80\x90\xE2\x81\xB0", "\xE2\x80\x90, \xE2\x81\xB0"},  // U+2010, U+2070 show
  };
  for (const auto& c : cases) EXPECT_EQ(c.unfit, UnfitCharacters(c.text)) << c.text;
}

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
      {{kUtf8BeyondWindows1252,
        3,
        kBoth,
        {"a\xC3\xA9", "a\xC3\x83\xC2\xA9", "\xCE\xA9", "yes", "yes"}},
       "This is UTF-8 text, which Windows reads as ANSI bytes: \"a\xC3\xA9\" shows as "
       "\"a\xC3\x83\xC2\xA9\". Windows-1252 cannot hold \xCE\xA9, which no save shows. Write the "
       "text without \xCE\xA9, then save the file as UTF-16 LE (Notepad's \"UTF-16 LE\"; "
       "lanterpick-check --fix does it)."},
      {{kUtf8BeyondWindows1252, 3, kBoth, {"\xCE\xA9", "\xC3\x8E\xC2\xA9", "\xCE\xA9", "", ""}},
       "This is UTF-8 text, which Windows reads as ANSI bytes: \"\xCE\xA9\" shows as "
       "\"\xC3\x8E\xC2\xA9\". Windows-1252 cannot hold \xCE\xA9, which no save shows. Write the "
       "text without \xCE\xA9."},
      {{kUtf8LineInAnsiFile,
        2,
        kBoth,
        {"\xC5\x82", "\xC3\x85\xE2\x80\x9A", "\xC5\x82", "", "", "4"}},
       "This line is UTF-8, but line 4 holds bytes that are no UTF-8, so Notepad opens the file "
       "as ANSI and shows \"\xC5\x82\" as \"\xC3\x85\xE2\x80\x9A\", as Windows does. Type the text "
       "of this line again there, without \xC5\x82, and save the file as ANSI."},
      {{kMarksHideHeader, 1, kBoth, {"2", "UTF-8", "[Files]", "yes"}},
       "The file starts with 2 UTF-8 byte-order marks: an editor takes the first for a mark, but "
       "the others are text in front of line 1 to Windows and Wine alike, so neither reads "
       "\"[Files]\" as a header and the whole section is lost. Save the file without them "
       "(lanterpick-check --fix removes them and saves it as UTF-16 LE)."},
      {{kNumberInQuotes, 2, kWindows, {"K=\"\"", "24", "K", "24", "", "yes"}},
       "K=\"\": Wine reads 24 (the launcher keeps its default for an empty value); what Windows "
       "reads in quotes is not known. Write K=24, or remove the line."},
      {{kRowLeavesFolder, 2, kBoth, {"..\\a.txt", "D:\\a.txt"}},
       "\"..\\a.txt\" is not on the disc: the folder is the disc's root, above which \"..\" goes "
       "nowhere, so Windows opens D:\\a.txt, which is not in the folder. Put the file in the "
       "folder and write its path from there."},
      {{kRowDotsStopAtRoot, 2, kBoth, {"Docs\\..\\..\\a.txt", "D:\\a.txt", "a.txt"}},
       "\"Docs\\..\\..\\a.txt\" climbs above the folder through \"..\": on the disc, whose "
       "root the folder is, \"..\" stops there and Windows opens D:\\a.txt, this folder's file; "
       "copied into a folder of a stick or share, the row would open a file outside it. Write "
       "\"a.txt\"."},
      {{kRowEndsInSeparator, 2, kBoth, {"a.txt\\", "a.txt", "a.txt"}},
       "\"a.txt\\\" ends in \"\\\", so Windows looks for a folder named \"a.txt\" and cannot "
       "open the file of that name. Write \"a.txt\"."},
      {{kNameBeyondWindows1252, 0, kBoth, {"\xCE\xA9.txt", "\xCE\xA9", "O.txt", ""}},
       "\"\xCE\xA9.txt\": Windows-1252 cannot hold \xCE\xA9, so the launcher lists it as \"O.txt\" "
       "and cannot open it by that name. Rename it."},
      {{kNameBeyondWindows1252, 0, kBoth, {"e\xCC\x81", "e\xCC\x81", "e\xC2\xB4", "1"}},
       "\"e\xCC\x81\": Windows-1252 cannot hold e\xCC\x81 as written here (its accent kept apart "
       "from its letter, as macOS writes names), so the launcher lists it as \"e\xC2\xB4\" and "
       "cannot open it by that name. Rename it with each accented letter as one character."},
      {{kIniCaseClash, 0, kBoth, {"SETUP.INI and setup.ini"}},
       "The folder holds SETUP.INI and setup.ini, one name to Windows, which compares names "
       "without regard to case: a copy to a disc or stick keeps only one of them, and the "
       "launcher reads whichever that is. Remove all but one."},
      {{kRowForbiddenCharacter, 2, kBoth, {"Chapter 1: Intro.pdf", ":", "1", ""}},
       "\"Chapter 1: Intro.pdf\": Windows does not allow \":\" in a file name (it names a data "
       "stream of another file), so it cannot open it. Rename the file, and the row with it."},
      {{kNameForbiddenCharacter, 0, kBoth, {"Q&A?.pdf", "?", "", "1"}},
       "\"Q&A?.pdf\": Windows does not allow \"?\" in a file name (it is a wildcard), so no one "
       "can open it there. Rename it."},
      {{kNameNotAFile, 0, kBoth, {"Docs/old", "1"}},
       "\"Docs/old\" is a broken link, not a file Windows can open. Put the file itself there."},
      {{kNameNotAFile, 0, kBoth, {"pipe", ""}},
       "\"pipe\" is a pipe, a socket or a device, not a file Windows can open. Remove it."},
      {{kUnreadIni, 0, kBoth, {"start.ini", "setup.ini", "Setup.exe"}},
       "The launcher reads start.ini, which is not in the folder, so it lists its folder instead, "
       "though the folder holds setup.ini. Name the launcher Setup.exe, or rename the INI to "
       "start.ini."},
      {{kUnreadIni, 0, kBoth, {"start.ini", "setup.exe.ini", ""}},
       "The launcher reads start.ini, which is not in the folder, so it lists its folder instead, "
       "though the folder holds setup.exe.ini. Rename the INI to start.ini."},
      {{kUnreadIni, 0, kNote, {"setup.ini", "game.ini", "Game.exe", "1"}},
       "The launcher reads setup.ini, which is not in the folder, so it lists its folder instead, "
       "though the folder holds game.ini, which holds neither [Files] nor [SystemSettings], as "
       "another program's INI would. If it is the launcher's, rename it to setup.ini."},
      {{kValueLengthWraps, 2, kWindows, {"Author", "65537", "1", ""}},
       "Author is 65537 bytes long; Windows reads a value's length modulo 65,536, so it reads 1 "
       "of them, and Wine all. Shorten it."},
      {{kAbsolutePath, 4, kNote, {"C:\\a.txt"}}, "\"C:\\a.txt\" is an absolute path; not checked."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.text, FindingText(c.finding)) << FindingName(c.finding.kind);
}

}  // namespace
