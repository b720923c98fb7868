// The two message-box routines.
#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "launcher/messages.h"

namespace {

TEST(Messages, ErrorShowsTextUnchanged) {
  ResetFake();
  ShowError("a\\nb", "Caption");
  ASSERT_EQ(1u, Fake.messages.size());
  EXPECT_EQ("a\\nb", Fake.messages[0].text);
  EXPECT_EQ(kIconError, Fake.messages[0].icon);
}

TEST(Messages, WarningTurnsBackslashNIntoLineBreaks) {
  struct {
    const char* text;
    const char* shown;
  } cases[] = {
      {"Line one\\nLine two", "Line one\r\nLine two"},
      {"\\n\\n", "\r\n\r\n"},
      {"a\\\\nb", "a\\\r\nb"},
      {"C:\\new\\file", "C:\r\new\\file"},
      {"ends with \\", "ends with \\"},
      {"\\N stays", "\\N stays"},
  };
  for (const auto& c : cases) {
    ResetFake();
    ShowWarning(c.text, "Title");
    ASSERT_EQ(1u, Fake.messages.size());
    EXPECT_EQ(c.shown, Fake.messages[0].text) << c.text;
    EXPECT_EQ("Title", Fake.messages[0].caption);
    EXPECT_EQ(kIconWarning, Fake.messages[0].icon);
  }
}

TEST(Messages, WarningKeepsA300CharacterText) {
  ResetFake();
  std::string text(298, 'x');
  text += "\\n";
  ShowWarning(text.c_str(), "T");
  EXPECT_EQ(std::string(298, 'x') + "\r\n", Fake.messages[0].text);
}

}  // namespace
