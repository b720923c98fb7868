// Program path, own name and configuration path from the command line.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_platform.h"
#include "launcher/program_path.h"

namespace {

struct PathCase {
  const char* commandLine;
  const char* programPath;
  const char* ownName;
  const char* configPath;  // nullptr: "Expected to be run as an EXE."
};

const PathCase kCases[] = {
    {"\"D:\\App\\run.exe\" -x", "D:\\App\\run.exe", "run.exe", "d:\\app\\run.ini"},
    {"D:\\CD\\Setup.EXE", "D:\\CD\\Setup.EXE", "Setup.EXE", "d:\\cd\\setup.ini"},
    {"D:\\CD\\start.exe /x", "D:\\CD\\start.exe /x", "start.exe /x", "d:\\cd\\start.ini"},
    {"\"D:\\My Disc\\Go.exe\"", "D:\\My Disc\\Go.exe", "Go.exe", "d:\\my disc\\go.ini"},
    {"D:\\x.exe.d\\run.exe", "D:\\x.exe.d\\run.exe", "run.exe", "d:\\x.ini"},
    {"\"D:\\open-ended.exe", "D:\\open-ended.exe", "open-ended.exe", "d:\\open-ended.ini"},
    {"launch.exe", "launch.exe", "launch.exe", ".\\launch.ini"},
    {"\"Launch.EXE\" arg", "Launch.EXE", "Launch.EXE", ".\\launch.ini"},
    // The name up to ".exe" can lose the only backslash, or name a drive instead of a folder.
    {"tools.exe\\launch.exe", "tools.exe\\launch.exe", "launch.exe", ".\\tools.ini"},
    {"C:launch.exe", "C:launch.exe", "C:launch.exe", "c:launch.ini"},
    {"sub/Launch.exe", "sub/Launch.exe", "sub/Launch.exe", "sub/launch.ini"},
    {"D:\\Tools\\launcher", "D:\\Tools\\launcher", "launcher", nullptr},
    {"launch", "launch", "launch", nullptr},
    {"\"\" D:\\a.exe", "", "", nullptr},
    {"D:\\Folder\\", "D:\\Folder\\", "", nullptr},
};

class ProgramPathTest : public ::testing::TestWithParam<PathCase> {
 protected:
  void SetUp() override { ResetFake(); }
};

TEST_P(ProgramPathTest, DerivesPathsFromTheCommandLine) {
  const PathCase& c = GetParam();
  char programPath[kProgramPathRoom];
  TakeProgramPath(c.commandLine, programPath);
  EXPECT_STREQ(c.programPath, programPath);
  EXPECT_STREQ(c.ownName, OwnName(programPath));
  char configPath[kConfigPathRoom];
  bool derived = DeriveConfigPath(programPath, configPath);
  if (c.configPath == nullptr) {
    EXPECT_FALSE(derived);
    ASSERT_EQ(1u, Fake.messages.size());
    EXPECT_EQ("Expected to be run as an EXE.", Fake.messages[0].text);
    EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
    EXPECT_EQ(kIconError, Fake.messages[0].icon);
  } else {
    EXPECT_TRUE(derived);
    EXPECT_STREQ(c.configPath, configPath);
    EXPECT_TRUE(Fake.messages.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ProgramPathTest, ::testing::ValuesIn(kCases));

TEST(ProgramPath, OverlongTextIsCutTo263Characters) {
  ResetFake();
  std::string line = "C:\\" + std::string(300, 'a') + ".exe";
  char programPath[kProgramPathRoom];
  TakeProgramPath(line.c_str(), programPath);
  EXPECT_EQ(line.substr(0, 263), programPath);
  char configPath[kConfigPathRoom];
  EXPECT_FALSE(DeriveConfigPath(programPath, configPath));  // the ".exe" was cut away

  std::string quoted = "\"" + std::string(400, 'b') + ".exe\"";
  TakeProgramPath(quoted.c_str(), programPath);
  EXPECT_EQ(std::string(263, 'b'), programPath);
}

TEST(ProgramPath, UnquotedLineWithLongArgumentsKeepsItsExe) {
  ResetFake();
  std::string line = "C:\\Disc\\start.exe " + std::string(400, 'x');
  char programPath[kProgramPathRoom];
  TakeProgramPath(line.c_str(), programPath);
  EXPECT_EQ(263u, std::string(programPath).size());
  char configPath[kConfigPathRoom];
  ASSERT_TRUE(DeriveConfigPath(programPath, configPath));
  EXPECT_STREQ("c:\\disc\\start.ini", configPath);
}

TEST(ProgramPath, BareNameOfFullLengthStillFitsWithItsPrefix) {
  ResetFake();
  std::string name = std::string(259, 'n') + ".exe";
  char programPath[kProgramPathRoom];
  TakeProgramPath(name.c_str(), programPath);
  char configPath[kConfigPathRoom];
  ASSERT_TRUE(DeriveConfigPath(programPath, configPath));
  EXPECT_EQ(".\\" + std::string(259, 'n') + ".ini", configPath);
}

// The command line as the last bytes before memory that cannot be read: taking the program path
// reads nothing past the line's end, with or without its closing quote.
TEST(ProgramPath, ReadsNothingPastTheCommandLine) {
  const struct {
    const char* line;
    const char* programPath;
  } cases[] = {
      {"\"D:\\open-ended.exe", "D:\\open-ended.exe"},
      {"\"D:\\run.exe\"", "D:\\run.exe"},
      {"D:\\run.exe", "D:\\run.exe"},
      {"\"", ""},
  };
  for (const auto& c : cases) {
    const BytesAtMemoryEnd line(std::string(c.line) + '\0');
    char programPath[kProgramPathRoom];
    TakeProgramPath(line.data(), programPath);
    EXPECT_STREQ(c.programPath, programPath) << c.line;
  }
}

// The joined path and its zero fill room bytes at most; nothing beyond them is written.
TEST(ProgramPath, JoinFolderPath) {
  const struct {
    const char* folder;
    const char* name;
    const char* joined;  // nullptr: does not fit
  } cases[] = {
      {"D:\\CD\\", "a.txt", "D:\\CD\\a.txt"},
      {"D:\\CD\\", "abcdefghi", "D:\\CD\\abcdefghi"},  // 15 bytes and the zero
      {"D:\\CD\\", "abcdefghij", nullptr},
      {"", "abcdefghijklmno", "abcdefghijklmno"},
      {"D:\\CD\\", "a-long-name.txt", nullptr},
  };
  for (const auto& c : cases) {
    char joined[24];
    memset(joined, 'G', sizeof joined);
    EXPECT_EQ(c.joined != nullptr, JoinFolderPath(c.folder, c.name, joined, 16)) << c.name;
    if (c.joined != nullptr) {
      EXPECT_STREQ(c.joined, joined);
    }
    EXPECT_EQ(std::string(8, 'G'), std::string(joined + 16, 8)) << c.name;
  }
}

// The folder of the configuration path's first folderLength bytes, in the program path's case and
// ended by a backslash; empty when it does not fit room - 1 bytes. Nothing outside room is
// written.
TEST(ProgramPath, TakeListedFolder) {
  const struct {
    const char* programPath;
    int folderLength, room;
    const char* folder;
  } cases[] = {
      {"D:\\Disc\\Setup.exe", 8, 15, "D:\\Disc\\"},
      {"Launch.EXE", 2, 15, ".\\"},
      {"\\Setup.exe", 1, 15, "\\"},
      {"c:Setup.exe", 12, 15, "c:Setup.ini\\"},  // no backslash: the scan added one
      {"c:Setup.exe", 12, 13, "c:Setup.ini\\"},
      {"c:Setup.exe", 12, 12, ""},
      {"D:\\Disc\\Setup.exe", 0, 15, ""},
      {"D:\\Disc\\Setup", 8, 15, ""},  // no ".exe": no folder
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.programPath) + " " + std::to_string(c.folderLength) + " in " +
                 std::to_string(c.room));
    char folder[24];
    memset(folder, 'G', sizeof folder);
    TakeListedFolder(c.programPath, c.folderLength, folder + 4, c.room);
    EXPECT_STREQ(c.folder, folder + 4);
    EXPECT_EQ("GGGG", std::string(folder, 4));
    EXPECT_EQ(std::string(20 - c.room, 'G'), std::string(folder + 4 + c.room, 20 - c.room));
  }
}

}  // namespace
