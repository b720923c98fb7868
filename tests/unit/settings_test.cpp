// Reading [SystemSettings] with defaults, and validation in its fixed order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/launch_list.h"
#include "config/settings.h"
#include "fake_platform.h"

namespace {

// Reads the settings of an INI text; tells whether ShowFilepath was valid.
bool ReadFrom(const std::string& ini) {
  ResetFake();
  Fake.configExists = true;
  Fake.configText = ini;
  bool showFilepathValid = false;
  ReadSettings("c:\\x.ini", &showFilepathValid);
  return showFilepathValid;
}

// Reads and validates an INI text; returns the one message shown, or "" when all passed.
std::string Validate(const std::string& ini) {
  bool passed = ValidateSettings(ReadFrom(ini));
  EXPECT_LE(Fake.messages.size(), 1u);
  EXPECT_EQ(passed, Fake.messages.empty());
  if (passed) return "";
  EXPECT_EQ("Configuration Error", Fake.messages[0].caption);
  EXPECT_EQ(kIconError, Fake.messages[0].icon);
  return Fake.messages[0].text;
}

std::string Settings(const std::string& lines) {
  return "[SystemSettings]\n" + lines;
}

const char kRange[] = " is outside the permitted range.\nPlease use a value between 4 and 80.";
const char kCombined[] =
    "The combined value of OkButtonSize and CancelButtonSize\nis outside the permitted range. "
    "Please use values that, when\ncombined, are between 8 and 88.";

struct TextKey {
  const char* key;
  int longest;
};
const TextKey kTextKeys[] = {
    {"WindowTitle", 40},
    {"DescriptionLabel", 40},
    {"FilesLabel", 40},
    {"KeepOpenLabel", 80},
    {"OkButton", 20},
    {"CancelButton", 20},
    {"NoEntryErrorTitle", 40},
    {"NoEntryErrorText", 300},
    {"CouldNotLaunchErrorTitle", 40},
    {"CouldNotLaunchErrorText", 300},
    {"CouldNotFindFileErrorTitle", 40},
    {"CouldNotFindFileErrorText", 300},
};

TEST(Settings, DefaultsWithoutTheSection) {
  EXPECT_EQ("", Validate("[Files]\n\"a.txt\"\n"));
  const LauncherSettings& s = TheSettings;
  EXPECT_STREQ("Launch File", s.windowTitle);
  EXPECT_STREQ("Description:", s.descriptionLabel);
  EXPECT_STREQ("Files:", s.filesLabel);
  EXPECT_STREQ("Keep this window open when launching files", s.keepOpenLabel);
  EXPECT_STREQ("OK", s.okButton);
  EXPECT_STREQ("Cancel", s.cancelButton);
  EXPECT_EQ(24, s.okButtonSize);
  EXPECT_EQ(24, s.cancelButtonSize);
  EXPECT_STREQ("No File Selected", s.noEntryErrorTitle);
  EXPECT_STREQ("Please select a file to launch.", s.noEntryErrorText);
  EXPECT_STREQ("Could Not Launch File", s.couldNotLaunchErrorTitle);
  EXPECT_STREQ("Sorry, the program required for running this file cannot be located.",
               s.couldNotLaunchErrorText);
  EXPECT_STREQ("File Not Found", s.couldNotFindFileErrorTitle);
  EXPECT_STREQ("Sorry, the selected file cannot be located.", s.couldNotFindFileErrorText);
  EXPECT_EQ(0, ShowFullPath);
}

// Each text's room holds one byte over its limit and the zero: a value two over is cut to one
// over by the reading, and still refused.
TEST(Settings, EveryTextAtItsLimitEmptyAndOneOrTwoOver) {
  for (const TextKey& t : kTextKeys) {
    const std::string key = t.key;
    const std::string over =
        key + " is longer than the maximum permitted length of " + std::to_string(t.longest) + ".";
    EXPECT_EQ("", Validate(Settings(key + "=" + std::string(t.longest, 'x'))));
    EXPECT_EQ(key + " has been left blank.", Validate(Settings(key + "=")));
    EXPECT_EQ(over, Validate(Settings(key + "=" + std::string(t.longest + 1, 'x'))));
    EXPECT_EQ(over, Validate(Settings(key + "=" + std::string(t.longest + 2, 'x'))));
  }
}

TEST(Settings, ValueIsCutToItsRoomSoAHugeValueReportsTheSameLimit) {
  EXPECT_EQ("WindowTitle is longer than the maximum permitted length of 40.",
            Validate(Settings("WindowTitle=" + std::string(10000, 'w'))));
  EXPECT_EQ(41u, std::string(TheSettings.windowTitle).size());
}

TEST(Settings, TextsAreCheckedInTheirFixedOrder) {
  // Every text is bad; each step removes the first failure and expects the next key.
  std::string bad;
  for (const TextKey& t : kTextKeys) bad += std::string(t.key) + "=\n";
  for (size_t i = 0; i < sizeof kTextKeys / sizeof kTextKeys[0]; ++i) {
    std::string ini = Settings("ShowFilepath=maybe\nOkButtonSize=1\n");
    for (size_t j = 0; j < sizeof kTextKeys / sizeof kTextKeys[0]; ++j) {
      ini += std::string(kTextKeys[j].key) + (j < i ? "=ok\n" : "=\n");
    }
    EXPECT_EQ(std::string(kTextKeys[i].key) + " has been left blank.", Validate(ini));
  }
}

TEST(Settings, ShowFilepathValues) {
  struct {
    const char* value;
    int fullPath;  // -1: refused
  } cases[] = {{"Y", 1}, {"y", 1},  {"N", 0},  {"n", 0},     {"Yes", -1},
               {"", -1}, {"X", -1}, {"1", -1}, {"\xff", -1}, {"YN", -1}};
  for (const auto& c : cases) {
    std::string message = Validate(Settings(std::string("ShowFilepath=") + c.value));
    if (c.fullPath < 0) {
      EXPECT_EQ("ShowFilepath must be Y or N.", message) << c.value;
    } else {
      EXPECT_EQ("", message) << c.value;
      EXPECT_EQ(c.fullPath, ShowFullPath) << c.value;
    }
  }
}

TEST(Settings, ShowFilepathIsReportedOnlyAfterEveryTextPassed) {
  EXPECT_EQ("CancelButton has been left blank.",
            Validate(Settings("ShowFilepath=Yes\nCancelButton=\n")));
  EXPECT_EQ("ShowFilepath must be Y or N.", Validate(Settings("ShowFilepath=Yes\nOkButtonSize=1")));
}

TEST(Settings, ButtonSizes) {
  struct {
    const char* lines;
    std::string message;
  } cases[] = {
      {"OkButtonSize=0\nCancelButtonSize=0", ""},
      {"OkButtonSize=4\nCancelButtonSize=4", ""},
      {"OkButtonSize=80\nCancelButtonSize=8", ""},
      {"OkButtonSize=3", std::string("OkButtonSize") + kRange},
      {"OkButtonSize=81", std::string("OkButtonSize") + kRange},
      {"OkButtonSize=-24", std::string("OkButtonSize") + kRange},
      {"CancelButtonSize=81", std::string("CancelButtonSize") + kRange},
      {"OkButtonSize=3\nCancelButtonSize=81", std::string("OkButtonSize") + kRange},
      {"OkButtonSize=0\nCancelButtonSize=6", kCombined},
      {"OkButtonSize=0\nCancelButtonSize=8", ""},
      {"OkButtonSize=4\nCancelButtonSize=4", ""},
      {"OkButtonSize=44\nCancelButtonSize=44", ""},
      {"OkButtonSize=44\nCancelButtonSize=45", kCombined},
      {"OkButtonSize=80\nCancelButtonSize=80", kCombined},
      {"OkButtonSize=0\nCancelButtonSize=-5", std::string("CancelButtonSize") + kRange},
  };
  for (const auto& c : cases) EXPECT_EQ(c.message, Validate(Settings(c.lines))) << c.lines;
}

TEST(Settings, BothSizesZeroSkipTheCombinedCheck) {
  EXPECT_EQ("", Validate(Settings("OkButtonSize=0\nCancelButtonSize=0")));
  EXPECT_EQ(0, TheSettings.okButtonSize);
  EXPECT_EQ(0, TheSettings.cancelButtonSize);
}

TEST(Settings, PresentValuesReplaceDefaults) {
  EXPECT_EQ("",
            Validate(Settings("windowtitle=My Disc\nOkButton=Go\nNoEntryErrorText=Pick\\none")));
  EXPECT_STREQ("My Disc", TheSettings.windowTitle);
  EXPECT_STREQ("Go", TheSettings.okButton);
  EXPECT_STREQ("Pick\\none", TheSettings.noEntryErrorText);  // expanded only when shown
}

}  // namespace

namespace {

std::vector<std::string> EveryFailure(const std::string& ini) {
  int failures = ValidateEverySetting(ReadFrom(ini));
  std::vector<std::string> texts;
  for (const ShownMessage& m : Fake.messages) texts.push_back(m.text);
  EXPECT_EQ(static_cast<size_t>(failures), texts.size());
  return texts;
}

}  // namespace

TEST(Settings, EverySettingCheckListsEachFailureInTheFixedOrder) {
  EXPECT_EQ((std::vector<std::string>{
                "WindowTitle has been left blank.",
                "OkButton is longer than the maximum permitted length of 20.",
                "ShowFilepath must be Y or N.",
                std::string("OkButtonSize") + kRange,
                std::string("CancelButtonSize") + kRange,
            }),
            EveryFailure(Settings("CancelButtonSize=3\nOkButtonSize=99\nShowFilepath=x\n"
                                  "OkButton=" +
                                  std::string(21, 'o') + "\nWindowTitle=\n")));
  // The sum is judged only when both sizes are in range.
  EXPECT_EQ(std::vector<std::string>{kCombined},
            EveryFailure(Settings("OkButtonSize=44\nCancelButtonSize=45")));
  EXPECT_EQ(std::vector<std::string>{}, EveryFailure(Settings("WindowTitle=Fine")));
}

// What the checker is told of each failure: its key or keys (the sum names each size above 0) and
// a text's limit, so that it can show the lines and how far over a text is.
TEST(Settings, EverySettingCheckNotesTheKeysOfEachFailure) {
  const struct {
    std::string lines;
    std::vector<std::string> failed;  // "key[,other key]:longest"
  } cases[] = {
      {"CancelButtonSize=3\nOkButtonSize=99\nShowFilepath=x\nOkButton=" + std::string(21, 'o') +
           "\nNoEntryErrorText=\n",
       {"OkButton:20", "NoEntryErrorText:300", "ShowFilepath:0", "OkButtonSize:0",
        "CancelButtonSize:0"}},
      {"OkButtonSize=44\nCancelButtonSize=45", {"OkButtonSize,CancelButtonSize:0"}},
      {"OkButtonSize=5\nCancelButtonSize=0", {"OkButtonSize:0"}},
      {"OkButtonSize=0\nCancelButtonSize=6", {"CancelButtonSize:0"}},
      {"WindowTitle=Fine", {}},
  };
  for (const auto& c : cases) {
    FailedSetting failed[kSettingChecks];
    const int failures = ValidateEverySetting(ReadFrom(Settings(c.lines)), failed);
    std::vector<std::string> noted;
    for (int i = 0; i < failures; ++i) {
      std::string keys = failed[i].keys[0];
      if (failed[i].keys[1] != nullptr) keys += std::string(",") + failed[i].keys[1];
      noted.push_back(keys + ":" + std::to_string(failed[i].longest));
    }
    EXPECT_EQ(c.failed, noted) << c.lines;
  }
}
