// A row's path as Windows makes it whole from the drive's root: what it opens, or why it cannot.
#include "checker/windows_path.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
  const char* row;
  const char* opens;  // from the root, joined by '\'
  bool climbs, trimmed;
  NameProblem problem;
  const char* problemName;
  bool endsInSeparator = false;
};

const PathCase kPaths[] = {
    {"Readme.txt", "Readme.txt", false, false, kNameFine, ""},
    {"Docs/Report.pdf", "Docs\\Report.pdf", false, false, kNameFine, ""},
    {"Docs\\\\.\\Report.pdf", "Docs\\Report.pdf", false, false, kNameFine, ""},
    {"..\\Outside.txt", "Outside.txt", true, false, kNameFine, ""},
    {"Docs\\..\\..\\Outside.txt", "Outside.txt", true, false, kNameFine, ""},
    {"Docs\\..\\Readme.txt", "Readme.txt", false, false, kNameFine, ""},
    {"Readme.txt.", "Readme.txt", false, true, kNameFine, ""},
    {"Readme.txt ", "Readme.txt", false, true, kNameFine, ""},
    {"Readme.txt. . ", "Readme.txt", false, true, kNameFine, ""},
    {"Docs\\ . ", "Docs", false, true, kNameFine, ""},  // a last name of dots and spaces goes
    {"Docs.\\a.txt", "Docs\\a.txt", false, false, kNameFine, ""},  // one dot off an inner name
    {"Docs\\", "Docs", false, false, kNameFine, "", true},         // a separator keeps the name
    {"Readme.txt\\", "Readme.txt", false, false, kNameFine, "", true},  // and asks for a folder
    {"Docs\\..\\Readme.txt\\\\", "Readme.txt", false, false, kNameFine, "", true},
    {"Readme.txt\\.", "Readme.txt", false, false, kNameFine, ""},
    {"Docs\\..\\", "", false, false, kNameFine, ""},
    {"Chapter 1: Intro.pdf", "Chapter 1: Intro.pdf", false, false, kForbiddenCharacter,
     "Chapter 1: Intro.pdf"},
    {"Q&A?.pdf", "Q&A?.pdf", false, false, kForbiddenCharacter, "Q&A?.pdf"},
    {"a<b>.txt", "a<b>.txt", false, false, kForbiddenCharacter, "a<b>.txt"},
    {"Tab\there.txt", "Tab\there.txt", false, false, kForbiddenCharacter, "Tab\there.txt"},
    {"x|y\\a.txt", "x|y\\a.txt", false, false, kForbiddenCharacter, "x|y"},
    {"con.txt", "con.txt", false, false, kDeviceName, "con.txt"},
    {"Docs\\LPT9", "Docs\\LPT9", false, false, kDeviceName, "LPT9"},
    {"nul .tar.gz", "nul .tar.gz", false, false, kDeviceName, "nul .tar.gz"},
    {"com1.txt", "com1.txt", false, false, kDeviceName, "com1.txt"},  // digits from 1
    {"com0.txt", "com0.txt", false, false, kNameFine, ""},
    {"console.txt", "console.txt", false, false, kNameFine, ""},
    {"COM10", "COM10", false, false, kNameFine, ""},
    {"COM\xB9.txt", "COM\xB9.txt", false, false, kDeviceName, "COM\xB9.txt"},  // superscripts
    {"Docs\\lpt\xB3", "Docs\\lpt\xB3", false, false, kDeviceName, "lpt\xB3"},
    {"com\xB2 .txt", "com\xB2 .txt", false, false, kDeviceName, "com\xB2 .txt"},
    {"COM\xBC.txt", "COM\xBC.txt", false, false, kNameFine, ""},  // a fraction is no digit
    {"aux.", "aux", false, true, kDeviceName, "aux"},
};

TEST(WindowsPath, WhatWindowsOpensFromTheRoot) {
  for (const PathCase& c : kPaths) {
    SCOPED_TRACE(c.row);
    const WindowsPath path = ResolveWindowsPath(c.row);
    EXPECT_EQ(c.opens, JoinedWindowsPath(path));
    EXPECT_EQ(c.climbs, path.climbsAboveRoot);
    EXPECT_EQ(c.trimmed, path.trimmedLast);
    EXPECT_EQ(c.problem, path.problem);
    EXPECT_EQ(c.problemName, path.problemName);
    EXPECT_EQ(c.endsInSeparator, path.endsInSeparator);
  }
}

TEST(WindowsPath, NamesAFolderCannotHoldOnWindows) {
  const struct {
    const char* name;
    NameProblem problem;
    const char* forbidden;
  } cases[] = {
      {"Readme.txt", kNameFine, ""},
      {"a|b.txt", kForbiddenCharacter, "|"},
      {"back\\slash", kForbiddenCharacter, "\\"},
      {"bell\x07", kForbiddenCharacter, "\\x07"},
      {"start\x01", kForbiddenCharacter, "\\x01"},  // a name holds no NUL: the first control
      {"PRN", kDeviceName, ""},
      {"Aux.Readme.txt", kDeviceName, ""},
      {"LPT\xB9", kDeviceName, ""},
      {"com\xB3.txt", kDeviceName, ""},
      {"COM\xB9\xB9", kNameFine, ""},
      {"name.", kTrailingDotOrSpace, ""},
      {"name ", kTrailingDotOrSpace, ""},
      {"D\xE9marrer.ini", kNameFine, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.problem, NameProblemOf(c.name));
    EXPECT_EQ(c.forbidden, ForbiddenCharacterIn(c.name));
  }
}

}  // namespace
