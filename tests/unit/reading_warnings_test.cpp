// The reading warnings: for each file, the lines warned of (what Windows shows otherwise, or what
// is not known of it) and noted (harmless today), and words the advice must hold.
#include "checker/reading_warnings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

enum Kind { kWarning, kNote };

struct Expected {
  int line;
  Kind kind;  // as read for Windows: a warning when it concerns Windows' reading
};

struct WarningCase {
  const char* name;
  std::string bytes;
  std::vector<Expected> findings;
  const char* advice;  // in the text of one of them
};

std::string Utf16(const std::string& ascii, bool bigEndian) {
  std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

const std::string kFiles = "[Files]\r\n\"Readme.txt\"\r\n";

const std::vector<WarningCase> kCases = {
    // Sound files
    {"ANSI with an accent", "[SystemSettings]\r\nWindowTitle=Caf\xE9\r\n" + kFiles, {}, ""},
    {"UTF-16 LE with an accent",
     std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\r\0\n\0\"\0\xE9\0\"\0", 26),
     {},
     ""},
    {"UTF-8 in a comment only", "; Caf\xC3\xA9\r\n" + kFiles, {}, ""},
    {"UTF-8 in a key never read",
     "[SystemSettings]\r\nAuthor=Ren\xC3\xA9"
     "e\r\n" +
         kFiles,
     {},
     ""},
    {"a quoted value one over on a duplicate never read",
     "[SystemSettings]\r\nOkButton=OK\r\nOkButton=\"" + std::string(21, 'x') + "\"\r\n" + kFiles,
     {},
     ""},
    {"a second section with only comments", kFiles + "[Files]\r\n; nothing\r\n", {}, ""},
    // The UTF-8 mark
    {"a UTF-8 mark before a comment",
     "\xEF\xBB\xBF; notes\r\n" + kFiles,
     {{1, kNote}},
     "--fix removes it"},
    {"a UTF-8 mark before [Files]",
     "\xEF\xBB\xBF" + kFiles,
     {{1, kWarning}},
     "whole section is lost"},
    {"bytes behind a UTF-8 mark that are no UTF-8",
     "\xEF\xBB\xBF; x\r\n[SystemSettings]\r\nWindowTitle=Caf\xE9\r\nShowFilepath=Y\r\n" + kFiles,
     {{1, kNote}, {3, kWarning}},
     "(E9)"},
    // UTF-8 without a mark: every line read, and only those
    {"UTF-8 on lines 3 and 5 after a comment",
     "; Caf\xC3\xA9\r\n[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9 \xC3\xA0\r\n[Files]\r\n"
     "\"Readme.txt\" \"Th\xC3\xA9\"\r\n",
     {{3, kWarning}, {5, kWarning}},
     "\"Caf\xC3\xA9\" shows as \"Caf\xC3\x83\xC2\xA9\""},
    {"one accented letter: UTF-8, as Notepad opens it",
     "[SystemSettings]\r\nWindowTitle=Caf\xC3\xA9\r\n" + kFiles,
     {{2, kWarning}},
     "\"Caf\xC3\xA9\" shows as \"Caf\xC3\x83\xC2\xA9\". Save the file as UTF-16 LE"},
    {"a pair of bytes that could be ANSI is UTF-8 too: Notepad showed P\xC5\x82yta",
     "[SystemSettings]\r\nWindowTitle=P\xC5\x82yta\r\n" + kFiles,
     {{2, kWarning}},
     "\"P\xC5\x82yta\" shows as \"P\xC3\x85\xE2\x80\x9Ayta\". Windows-1252 cannot hold \xC5\x82, "
     "which no save shows: write the text without them."},
    // Other encodings
    {"UTF-16 BE", Utf16(kFiles, true), {{0, kWarning}}, "Save it as UTF-16 LE"},
    {"UTF-16 LE that lost its mark",
     Utf16(kFiles, false).substr(2),
     {{0, kWarning}},
     "with its mark"},
    {"a character Windows-1252 lacks",
     std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\n\0\"\0\xA9\x03\"\0", 24),
     {{2, kWarning}},
     "cannot hold"},
    // Section headers
    {"[ alone in [Files]", kFiles + "[\r\n\"a.txt\"\r\n", {{3, kWarning}}, "Delete the line"},
    {"[SystemSettings without its bracket",
     "[SystemSettings\r\nWindowTitle=X\r\n" + kFiles,
     {{1, kWarning}},
     "\"[SystemSettings]\""},
    {"[Files]] with two", "[Files]]\r\n\"Readme.txt\"\r\n", {{1, kWarning}}, "one closing bracket"},
    {"a header read otherwise that decides nothing", kFiles + "[Notes]]\r\nx=1\r\n", {}, ""},
    {"a second [Files] section",
     kFiles + "[Files]\r\n\"a.txt\"\r\n",
     {{3, kWarning}},
     "reads only the first"},
    // Settings Windows may read otherwise
    {"an upper-case base prefix",
     "[SystemSettings]\r\nOkButtonSize=0X1E\r\n" + kFiles,
     {{2, kWarning}},
     "OkButtonSize=30"},
    {"a number in quotes",
     "[SystemSettings]\r\nCancelButtonSize=\"20\"\r\n" + kFiles,
     {{2, kWarning}},
     "CancelButtonSize=20."},
    {"a quoted text one over its limit",
     "[SystemSettings]\r\nOkButton=\"" + std::string(21, 'x') + "\"\r\n" + kFiles,
     {{2, kWarning}},
     "Remove the quotes"},
    {"a value of 65,536 bytes or more",
     "[SystemSettings]\r\nWindowTitle=" + std::string(65541, 'x') + "\r\n" + kFiles,
     {{2, kWarning}},
     "is 65541 bytes long"},
    // Bytes measured on Wine only, and what the section call does to a line
    {"an end-of-file byte after a row", kFiles + "\"a.txt\"\x1A\r\n", {{3, kWarning}}, "0x1A"},
    {"a form feed after a row", kFiles + "\"a.txt\"\f\r\n", {{3, kWarning}}, "form feed"},
    {"a NUL byte in a row",
     kFiles + std::string("\"a.txt\"\0x\r\n", 11),
     {{3, kWarning}},
     "NUL byte"},
    {"blanks around = in a row",
     "[Files]\r\n\"a.txt\" \"Speed = fast\"\r\n",
     {{2, kWarning}},
     "reads \"Speed=fast\""},
};

TEST(ReadingWarnings, WhatTheLauncherReads) {
  for (const WarningCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::vector<Finding> found = ReadingFindings(c.bytes);
    std::vector<std::pair<int, Kind>> seen;
    for (const Finding& f : found) {
      seen.push_back({f.line, f.concerns & kConcernsWindows ? kWarning : kNote});
    }
    std::vector<std::pair<int, Kind>> wanted;
    for (const Expected& e : c.findings) wanted.push_back({e.line, e.kind});
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(wanted, seen);
    std::string texts;
    for (const Finding& f : found) texts += f.text + "\n";
    EXPECT_NE(std::string::npos, texts.find(c.advice)) << texts;
  }
}

}  // namespace
