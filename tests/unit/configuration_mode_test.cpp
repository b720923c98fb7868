// Configuration mode as a whole: the section buffer's life and the result rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/configuration_mode.h"
#include "config/launch_list.h"
#include "fake_platform.h"

namespace {

const char kNoFiles[] =
    "There are no files listed in the [Files] section of the configuration file.";

bool ReadIni(const std::string& ini) {
  ResetFake();
  Fake.configExists = true;
  Fake.configText = ini;
  return ReadConfiguration("c:\\d\\l.ini", static_cast<uint32_t>(ini.size()));
}

TEST(ConfigurationMode, RowsArriveInFileOrder) {
  EXPECT_TRUE(ReadIni(
      "[Files]\n\"z.txt\" \"Last letter\"\n\"a.txt\"\n\"m.txt\" \"\" \"CheckboxDisabled\"\n"));
  ASSERT_EQ(3, TheLaunchList.count);
  EXPECT_STREQ("z.txt", TheLaunchList.rows[0].path);
  EXPECT_STREQ("Last letter", TheLaunchList.rows[0].description);
  EXPECT_STREQ("a.txt", TheLaunchList.rows[1].path);
  EXPECT_EQ(0, TheLaunchList.rows[2].keepOpenAllowed);
  EXPECT_EQ(0, Fake.blocksHeld);
}

TEST(ConfigurationMode, EmptyOrMissingSectionsGiveExactlyOneBox) {
  for (const char* ini : {"", "x", "[SystemSettings]\nWindowTitle=T\n", "[Files]\n",
                          "[Files]\n; only a comment\n;another\n"}) {
    EXPECT_FALSE(ReadIni(ini)) << ini;
    ASSERT_EQ(1u, Fake.messages.size()) << ini;
    EXPECT_EQ(kNoFiles, Fake.messages[0].text);
    EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
    EXPECT_EQ(0, Fake.blocksHeld);
  }
}

TEST(ConfigurationMode, BadSettingStopsBeforeTheSectionAndFreesTheBuffer) {
  EXPECT_FALSE(ReadIni("[SystemSettings]\nOkButton=\n[Files]\n\"a.txt\"\n"));
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ("OkButton has been left blank.", Fake.messages[0].text);
  EXPECT_EQ(0, TheLaunchList.count);
  EXPECT_EQ(0, Fake.blocksHeld);
}

TEST(ConfigurationMode, SyntaxErrorFreesTheBufferAndShowsOneBox) {
  EXPECT_FALSE(ReadIni("[Files]\n\"a.txt\"\nbroken\n"));
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ("Syntax Error", Fake.messages[0].caption);
  EXPECT_EQ(0, Fake.blocksHeld);
}

const char kNoMemory[] =
    "Unable to allocate sufficient memory to read in\nthe [Files] section of the configuration "
    "file.";

TEST(ConfigurationMode, AllocationFailureReadsNothing) {
  ResetFake();
  Fake.configExists = true;
  Fake.configText = "[SystemSettings]\nWindowTitle=\n[Files]\n\"a.txt\"\n";
  Fake.allocationFails = true;
  EXPECT_FALSE(ReadConfiguration("c:\\l.ini", 40));
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ(kNoMemory, Fake.messages[0].text);
  EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
  EXPECT_STREQ("Launch File", TheSettings.windowTitle);
}

// The section is read into one block of the file's size and two bytes more.
TEST(ConfigurationMode, TheBlockIsTheFileAndTwoBytes) {
  for (uint32_t size : {0u, 1u, 60u, 0xFFFFFFFDu}) {
    ResetFake();
    Fake.configExists = true;
    Fake.configText = "[Files]\n\"a.txt\"\n";
    Fake.allocationFails = size > 60;  // the largest is only asked for
    ReadConfiguration("c:\\l.ini", size);
    EXPECT_EQ(std::vector<uint32_t>{size + 2}, Fake.allocations) << size;
  }
}

// A size that leaves no room for the two bytes cannot be held, whatever the allocator would give.
TEST(ConfigurationMode, AFileOfAlmost4GiBCannotBeHeld) {
  for (uint32_t size : {0xFFFFFFFEu, 0xFFFFFFFFu}) {
    ResetFake();
    Fake.configExists = true;
    Fake.configText = "[Files]\n\"a.txt\"\n";
    EXPECT_FALSE(ReadConfiguration("c:\\l.ini", size)) << size;
    ASSERT_EQ(1u, Fake.messages.size()) << size;
    EXPECT_EQ(kNoMemory, Fake.messages[0].text) << size;
    EXPECT_EQ("Unexpected Error", Fake.messages[0].caption);
    EXPECT_EQ(0, Fake.blocksHeld);
    EXPECT_TRUE(Fake.allocations.empty());
  }
}

}  // namespace
