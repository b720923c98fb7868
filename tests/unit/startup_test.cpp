// Start-up: mode choice from the command line and the configuration probe.
#include <gtest/gtest.h>

#include <string>

#include "config/launch_list.h"
#include "fake_platform.h"
#include "launcher/startup.h"

namespace {

TEST(Startup, ConfigurationModeWhenTheFileOpens) {
  ResetFake();
  Fake.commandLine = "\"D:\\Disc\\Setup.EXE\" /auto";
  Fake.configExists = true;
  Fake.configText = "[SystemSettings]\nShowFilepath=y\n[Files]\n\"Docs\\a.pdf\"\n";
  EXPECT_TRUE(LoadLaunchList());
  EXPECT_EQ("d:\\disc\\setup.ini", Fake.openedPath);
  EXPECT_EQ(1, TheLaunchList.count);
  EXPECT_EQ(1, ShowFullPath);
  EXPECT_STREQ("", ListedFolder);  // configuration rows resolve against the current folder
}

TEST(Startup, FolderModeWhenTheFileDoesNotOpen) {
  ResetFake();
  Fake.commandLine = "\"D:\\Disc\\Setup.exe\"";
  Fake.folder = {{0x10, "."}, {0x20, "SETUP.EXE"}, {0x20, "b.txt"}, {0x20, "A.txt"}};
  EXPECT_TRUE(LoadLaunchList());
  EXPECT_EQ("d:\\disc\\*.*", Fake.searchPattern);
  ASSERT_EQ(2, TheLaunchList.count);
  EXPECT_STREQ("A.txt", TheLaunchList.rows[0].path);
  EXPECT_STREQ("", TheSettings.descriptionLabel);
  EXPECT_EQ(24, TheSettings.okButtonSize);
}

TEST(Startup, BareProgramNameLooksInTheCurrentFolder) {
  ResetFake();
  Fake.commandLine = "launch.exe";
  Fake.folder = {{0x20, "a.txt"}};
  EXPECT_TRUE(LoadLaunchList());
  EXPECT_EQ(".\\launch.ini", Fake.openedPath);
  EXPECT_EQ(".\\*.*", Fake.searchPattern);
}

TEST(Startup, NoExeInThePath) {
  ResetFake();
  Fake.commandLine = "D:\\Disc\\launcher";
  EXPECT_FALSE(LoadLaunchList());
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ("Expected to be run as an EXE.", Fake.messages[0].text);
  EXPECT_TRUE(Fake.openedPath.empty());
}

TEST(Startup, UnquotedArgumentsHideTheOwnName) {
  ResetFake();
  Fake.commandLine = "D:\\Disc\\run.exe /x";
  Fake.folder = {{0x20, "run.exe"}};
  EXPECT_TRUE(LoadLaunchList());
  ASSERT_EQ(1, TheLaunchList.count);
  EXPECT_STREQ("run.exe", TheLaunchList.rows[0].path);
}

// The checker starts the launcher again and again in one process: each start-up begins with
// the built-in defaults, whatever the one before it left (a folder-mode list, its folder and blank
// description label, a ticked keep-open box).
TEST(Startup, EachStartUpBeginsWithTheDefaults) {
  ResetFake();
  Fake.commandLine = "\"D:\\Disc\\Setup.exe\"";
  Fake.folder = {{0x20, "a.txt"}};
  ASSERT_TRUE(LoadLaunchList());
  KeepOpen = 1;
  Fake.configExists = true;
  Fake.configText = "[Files]\n\"b.txt\"\n";
  ASSERT_TRUE(LoadLaunchList());
  EXPECT_EQ(0, KeepOpen);
  EXPECT_STREQ("", ListedFolder);
  EXPECT_STREQ("Description:", TheSettings.descriptionLabel);
  ASSERT_EQ(1, TheLaunchList.count);
  EXPECT_STREQ("b.txt", TheLaunchList.rows[0].path);

  Fake.configText = "[Files]\n\"b.txt\" \"About b\" \"CheckboxDisabled\"\n";
  ASSERT_TRUE(LoadLaunchList());
  Fake.configExists = false;
  ASSERT_TRUE(LoadLaunchList());
  ASSERT_EQ(1, TheLaunchList.count);
  EXPECT_STREQ("a.txt", TheLaunchList.rows[0].path);
  EXPECT_STREQ("", TheLaunchList.rows[0].description);  // no row keeps the one before's text
  EXPECT_EQ(1, TheLaunchList.rows[0].keepOpenAllowed);
  ASSERT_EQ(1, ShowFullPath);
  ResetLaunchState();
  EXPECT_EQ(0, ShowFullPath);
  EXPECT_EQ(0, TheLaunchList.count);
}

struct ListedFolderCase {
  std::string commandLine;
  std::string pattern;       // the folder searched
  std::string listedFolder;  // what folder-mode rows are opened from: the same, in its own case
};

// The folder searched, not the program path's last backslash: that may lie in an argument, or
// below a folder whose name holds ".exe". Without a backslash the pattern and the folder agree.
// A folder that does not fit the room (263 bytes and the zero) is not named: rows then open from
// the current folder.
const ListedFolderCase kListedFolders[] = {
    {"\"D:\\Disc\\Setup.exe\"", "d:\\disc\\*.*", "D:\\Disc\\"},
    {"D:\\CD\\start.exe /log=C:\\t.txt", "d:\\cd\\*.*", "D:\\CD\\"},
    {"D:\\Kit.exe.d\\run.exe", "d:\\*.*", "D:\\"},
    {"launch.exe", ".\\*.*", ".\\"},
    {"\".\\Launch.exe\"", ".\\*.*", ".\\"},
    {"\"D:/Disc/Setup.exe\"", "d:/disc/setup.ini\\*.*", "D:/Disc/Setup.ini\\"},
    {"\"c:Setup.exe\"", "c:setup.ini\\*.*", "c:Setup.ini\\"},
    {"\\Setup.exe", "\\*.*", "\\"},
    {"c:" + std::string(256, 'N') + ".exe", "c:" + std::string(256, 'n') + ".ini\\*.*",
     "c:" + std::string(256, 'N') + ".ini\\"},
    {"c:" + std::string(257, 'N') + ".exe", "c:" + std::string(257, 'n') + ".ini\\*.*", ""},
};

TEST(Startup, FolderModeRowsOpenFromTheFolderListed) {
  for (const ListedFolderCase& c : kListedFolders) {
    SCOPED_TRACE(c.commandLine);
    ResetFake();
    Fake.commandLine = c.commandLine;
    Fake.folder = {{0x20, "a.txt"}};
    ASSERT_TRUE(LoadLaunchList());
    EXPECT_EQ(c.pattern, Fake.searchPattern);
    EXPECT_EQ(c.listedFolder, ListedFolder);
  }
}

}  // namespace
