// Folder mode: the filter, the extension test, the name order and the scan as a whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/folder_scan.h"
#include "config/launch_list.h"
#include "fake_platform.h"

namespace {

int Compare(const char* a, const char* b) {
  LaunchEntry x = {}, y = {};
  snprintf(x.path, sizeof x.path, "%s", a);
  snprintf(y.path, sizeof y.path, "%s", b);
  int result = CompareEntryNames(x, y);
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

TEST(CompareEntryNames, FoldsAsciiLettersOnly) {
  struct {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"apple", "APPLE", 0},
      {"Apple.doc", "apricot.doc", -1},
      {"1.txt", "a.txt", -1},
      {"_setup.txt", "Apple.doc", -1},  // '_' lies between Z and a: before every letter
      {"[x]", "a", -1},
      {"^", "Z", -1},
      {"zebra", "~temp", -1},  // '~' after every letter
      {"{", "z", 1},
      {"\xe9t\xe9", "zzz", 1},  // bytes from 0x80 after all of ASCII
      {"\xc9", "\xe9", -1},     // and never folded
      {"abc", "abcd", -1},      // a prefix comes first
      {"", "a", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.order, Compare(c.a, c.b)) << c.a << " / " << c.b;
    EXPECT_EQ(-c.order, Compare(c.b, c.a)) << c.b << " / " << c.a;
  }
}

TEST(IsExcludedExtension, LastDotOnlyAnyCase) {
  struct {
    const char* name;
    bool excluded;
  } cases[] = {
      {"config.ini", true},
      {"setup.INI", true},
      {"x.Inf", true},
      {"tool.dll", true},
      {"app.exe.manifest", true},
      {"drv.sys", true},
      {"old.bak", true},
      {"t.tmp", true},
      {"report.log", true},
      {"d.dat", true},
      {"a.old", true},
      {"k.reg", true},
      {"shortcut.lnk", true},
      {"data.ini.txt", false},
      {"readme", false},
      {"trailing.", false},
      {"Setup.exe", false},
      {"notes.TXT", false},
      {"a.lnk.pdf", false},
      {"x.inix", false},
      {".ini", true},
      {"a.ini.", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.excluded, IsExcludedExtension(c.name)) << c.name;
}

TEST(JudgeEntry, TellsWhyAnEntryIsLeftOutInTheTestsOrder) {
  struct {
    uint32_t attributes;
    const char* name;
    EntryVerdict verdict;
  } cases[] = {
      {0x20, "notes.txt", kOffered},
      {0x01, "manual.pdf", kOffered},  // read-only
      {0x80, "plain", kOffered},
      {0x800, "packed.zip", kOffered},
      {0x2, "hidden.txt", kLeftOutHidden},
      {0x4, "system.txt", kLeftOutSystem},
      {0x10, "Docs", kLeftOutFolder},
      {0x16, "launch.exe", kLeftOutFolder},  // the folder test comes first
      {0x6, "x.ini", kLeftOutHidden},
      {0x100, "temp.txt", kLeftOutNotAtHand},
      {0x1000, "offline.txt", kLeftOutNotAtHand},
      {0x1000, "launch.exe", kLeftOutNotAtHand},
      {0x20, "launch.exe", kLeftOutOwnName},
      {0x20, "LAUNCH.EXE", kLeftOutOwnName},
      {0x20, "launch.exe2", kOffered},
      {0x20, "config.ini", kLeftOutExtension},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.verdict, JudgeEntry(c.attributes, c.name, "Launch.exe")) << c.name;
    EXPECT_EQ(c.verdict == kOffered, IsOfferedEntry(c.attributes, c.name, "Launch.exe"));
  }
}

std::vector<std::string> Rows() {
  std::vector<std::string> rows;
  for (int i = 0; i < TheLaunchList.count; ++i) rows.push_back(TheLaunchList.rows[i].path);
  return rows;
}

bool Scan(const char* configPath, const char* ownName) {
  char path[268];
  snprintf(path, sizeof path, "%s", configPath);
  int folderLength = 0;
  return ScanProgramFolder(path, ownName, &folderLength);
}

TEST(ScanProgramFolder, ListsOfferedFilesSortedByName) {
  ResetFake();
  Fake.folder = {{0x10, "."},
                 {0x10, ".."},
                 {0x20, "Launch.exe"},
                 {0x20, "Setup.exe"},
                 {0x20, "notes.TXT"},
                 {0x20, "README"},
                 {0x20, "data.ini.txt"},
                 {0x20, "config.ini"},
                 {0x20, "old.bak"},
                 {0x20, "tool.dll"},
                 {0x20, "shortcut.lnk"},
                 {0x20, "app.exe.manifest"},
                 {0x22, "hidden.txt"},
                 {0x21, "manual.pdf"},
                 {0x10, "Docs"}};
  EXPECT_TRUE(Scan("c:\\disc\\launch.ini", "Launch.exe"));
  EXPECT_EQ("c:\\disc\\*.*", Fake.searchPattern);
  EXPECT_FALSE(Fake.searchOpen);
  EXPECT_EQ(
      (std::vector<std::string>{"data.ini.txt", "manual.pdf", "notes.TXT", "README", "Setup.exe"}),
      Rows());
  EXPECT_STREQ("", TheSettings.descriptionLabel);
  EXPECT_EQ(1, ShowFullPath);
  for (int i = 0; i < TheLaunchList.count; ++i) {
    EXPECT_STREQ("", TheLaunchList.rows[i].description);
    EXPECT_EQ(1, TheLaunchList.rows[i].keepOpenAllowed);
  }
  EXPECT_TRUE(Fake.messages.empty());
}

TEST(ScanProgramFolder, SortsByFoldedBytes) {
  ResetFake();
  for (const char* name : {"zebra.txt", "~temp.doc", "Banana.pdf", "1.txt", "apricot.doc",
                           "_setup.txt", "Apple.doc"}) {
    Fake.folder.push_back({0x20, name});
  }
  EXPECT_TRUE(Scan("c:\\d\\l.ini", "l.exe"));
  EXPECT_EQ((std::vector<std::string>{"1.txt", "_setup.txt", "Apple.doc", "apricot.doc",
                                      "Banana.pdf", "zebra.txt", "~temp.doc"}),
            Rows());
}

TEST(ScanProgramFolder, StopsAtTheThousandthOfferedEntry) {
  ResetFake();
  for (int i = 0; i < 1500; ++i) {
    Fake.folder.push_back({0x20, "f" + std::to_string(1500 - i) + ".txt"});
    Fake.folder.push_back({0x2, "hidden" + std::to_string(i)});
  }
  EXPECT_TRUE(Scan("c:\\d\\l.ini", "l.exe"));
  EXPECT_EQ(1000, TheLaunchList.count);
  EXPECT_EQ(1999, Fake.entriesRead);  // nothing is asked for after the 1000th row
  EXPECT_FALSE(Fake.searchOpen);
  EXPECT_TRUE(Fake.messages.empty());
  std::vector<std::string> rows = Rows();
  EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
  EXPECT_EQ("f1000.txt", rows[0]);
}

TEST(ScanProgramFolder, NothingOfferedShowsTheNoFilesMessage) {
  ResetFake();
  Fake.folder = {
      {0x10, "."}, {0x10, ".."}, {0x10, "Sub"}, {0x22, "hidden.txt"}, {0x20, "launch.exe"}};
  EXPECT_FALSE(Scan("c:\\d\\launch.ini", "launch.exe"));
  EXPECT_FALSE(Fake.searchOpen);
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ(
      "There are no files available to list.\n\nN.B. If the configuration (.ini) file is not\n"
      "used, all target files must be in the same\nlocation as the Lanterpick program.",
      Fake.messages[0].text);
  EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
  EXPECT_STREQ("", TheSettings.descriptionLabel);
}

TEST(ScanProgramFolder, FailedSearchStart) {
  ResetFake();
  Fake.findFails = true;
  EXPECT_FALSE(Scan(".\\launch.ini", "launch.exe"));
  EXPECT_EQ(".\\*.*", Fake.searchPattern);
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ("Could not find any files in the EXE directory.", Fake.messages[0].text);
  EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
}

// The platform's names hold 259 bytes at most; a row keeps the whole of such a name.
TEST(ScanProgramFolder, TheLongestNameIsListedWhole) {
  ResetFake();
  const std::string longest = std::string(255, 'n') + ".txt";
  Fake.folder = {{0x20, longest}};
  EXPECT_TRUE(Scan("c:\\d\\l.ini", "l.exe"));
  EXPECT_EQ(std::vector<std::string>{longest}, Rows());
}

TEST(ScanProgramFolder, PatternWithoutBackslashUsesTheWholePath) {
  ResetFake();
  Fake.folder = {{0x20, "a.txt"}};
  EXPECT_TRUE(Scan("launch.ini", "launch.exe"));
  EXPECT_EQ("launch.ini\\*.*", Fake.searchPattern);
}

}  // namespace
