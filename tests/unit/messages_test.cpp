// The two message-box routines.
#include <gtest/gtest.h>

#include <cstring>
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

// The copy holds room - 1 bytes of the text at most, and its ending zero; a cut may fall between
// a backslash and its n.
TEST(Messages, ExpandLineBreaksStaysInItsRoom) {
  const struct {
    const char* text;
    int room;
    const char* out;
  } cases[] = {
      {"abc", 4, "abc"},   {"abcd", 4, "abc"}, {"a\\nb", 4, "a\r\n"},
      {"a\\nb", 3, "a\\"}, {"", 1, ""},        {"abc", 1, ""},
  };
  for (const auto& c : cases) {
    char out[8];
    memset(out, 'G', sizeof out);
    ExpandLineBreaks(c.text, out, c.room);
    EXPECT_STREQ(c.out, out) << c.text << " in " << c.room;
    EXPECT_EQ(std::string(sizeof out - c.room, 'G'), std::string(out + c.room, sizeof out - c.room))
        << c.text << " in " << c.room;
  }
}

}  // namespace
