// Text between the host's encodings and the launcher's Windows-1252.
#include "checker/ansi_text.h"

#include <gtest/gtest.h>

TEST(AnsiText, Utf8ToWindows1252) {
  const struct {
    const char* utf8;
    const char* ansi;
  } cases[] = {
      {"plain", "plain"},
      {"caf\xC3\xA9", "caf\xE9"},        // é
      {"\xE2\x82\xAC", "\x80"},          // the euro sign lives at 0x80
      {"\xC5\xA0\xC5\xB8", "\x8A\x9F"},  // Š Ÿ
      {"\xE4\xB8\xAD", "?"},             // not in the code page
      {"\xF0\x9F\x99\x82", "??"},        // beyond U+FFFF: one for each of its two UTF-16 units
      {"\xC5\x81\xC5\x91\xCE\xA9", "LoO"},  // Ł ő Ω: the best fits Windows writes for them
      {"\xEF\xBC\x82\xEF\xBC\xBC", "\"\\"},  // full-width " and \ become the plain ones
      {"\xEF\xBB\xBF", "?"},             // a byte-order mark has no best fit
      {"\xF0\x9F\xBC\x82", "??"},        // U+1FF02 has none, though U+FF02 has one
      {"\xEF\xBF\xBF", "?"},             // U+FFFF, the last of the basic plane: one unit
      {"\xF1\x80\x80\x80", "??"},        // U+40000: a lead from F1 on
      {"\x80\x80\x80\x80", "????"},      // no lead: each continuation byte on its own
      {"\xC3", "?"},                     // cut short
      {"\x80x", "?x"},                   // not a lead byte
      {"\xC2\x81", "\x81"},              // an undefined byte keeps its place
      {"\xE0\xA4\x85x", "?x"},           // three bytes from E0 on, then the next character
      {"\xED\xA0\x80x", "???x"},         // a surrogate (CESU-8) is three broken bytes
      {"\xF4\x8F\xBF\xBFx", "??x"},      // U+10FFFF, the last code point: two UTF-16 units
      {"\xF4\x90\x80\x80", "????"},      // beyond it: four broken bytes
  };
  for (const auto& c : cases) EXPECT_EQ(c.ansi, Utf8ToAnsi(c.utf8)) << c.utf8;
}

TEST(AnsiText, RoundTripThroughUtf8KeepsEveryDefinedByte) {
  for (int b = 1; b < 256; ++b) {
    const std::string ansi(1, static_cast<char>(b));
    EXPECT_EQ(ansi, Utf8ToAnsi(AnsiToUtf8(ansi))) << b;
  }
}

TEST(AnsiText, Utf16InBothByteOrders) {
  EXPECT_EQ("A\xE9\x80?", Utf16ToAnsi(std::string("A\0\xE9\0\xAC\x20\x2D\x4E", 8), false));
  EXPECT_EQ("A\xE9", Utf16ToAnsi(std::string("\0A\0\xE9", 4), true));
  EXPECT_EQ("A", Utf16ToAnsi(std::string("A\0\x42", 3), false));  // an odd byte is dropped
  EXPECT_EQ("L\"??", Utf16ToAnsi(std::string("\x01\x41\xFF\x02\xD8\x3D\xDE\x42", 8), true));
}

// As CharLowerBuffA and CharUpperBuffA change the letters of Windows-1252.
TEST(AnsiText, CaseAsCharLowerAndUpperBuffA) {
  // Capital and small: A a, É é, Š š, Œ œ, Ž ž, Ÿ ÿ.
  const char* const pairs[] = {"Aa", "Zz", "\xC0\xE0", "\xC9\xE9", "\xDE\xFE",
                               "\x8A\x9A", "\x8C\x9C", "\x8E\x9E", "\x9F\xFF"};
  for (const char* pair : pairs) {
    for (char c : {pair[0], pair[1]}) {
      EXPECT_EQ(pair[1], AnsiLower(c)) << int(static_cast<uint8_t>(c));
      EXPECT_EQ(pair[0], AnsiUpper(c)) << int(static_cast<uint8_t>(c));
    }
  }
  for (char c : std::string("\xD7\xF7\xDF[")) {  // × ÷ ß and [ have no other case
    EXPECT_EQ(c, AnsiLower(c));
    EXPECT_EQ(c, AnsiUpper(c));
  }
}

TEST(AnsiText, BrokenUtf8BecomesReplacementCharacter) {
  EXPECT_EQ(std::string("a\0\xFD\xFF", 4), Utf8ToUtf16Le("a\xE9"));
  EXPECT_EQ("a\xEF\xBF\xBD\xC3\xA9", ValidUtf8("a\xE9\xC3\xA9"));
  EXPECT_EQ("\xE0\xA4\x85\xEF\xBF\xBD", ValidUtf8("\xE0\xA4\x85\x80"));  // E0 leads three bytes
  // A lone low surrogate (the last, U+DFFF), a whole pair (U+1F642), a high one left alone at the end
  EXPECT_EQ("\xEF\xBF\xBD\xF0\x9F\x99\x82\xEF\xBF\xBD",
            Utf16ToUtf8(std::string("\xFF\xDF\x3D\xD8\x42\xDE\x00\xD8", 8), false));
}

// What the report prints: UTF-8 that shows every byte, with no control character a terminal
// would act on.
TEST(AnsiText, ShownText) {
  const struct {
    std::string text;
    bool keepBreaks;
    const char* shown;
  } cases[] = {
      {"caf\xC3\xA9", false, "caf\xC3\xA9"},
      {"caf\xE9 \x80", false, "caf\xC3\xA9 \xE2\x82\xAC"},  // no UTF-8: taken as Windows-1252
      {std::string("a\0b\x1A", 4), false, "a\\0b\\x1A"},
      {"a\r\nb", false, "a\\x0D\\x0Ab"},
      {"a\r\nb\t", true, "a\r\nb\\x09"},
      {"\x7F\x81\xC2\x9B\xC2\x9F\xC2\xA0", false, "\\x7F\\x81\\x9B\\x9F\xC2\xA0"},  // DEL, C1
      {"a\xE2\x80\x8B" "b\xE2\x80\xA8\xE2\x80\xAE\xEF\xBB\xBF", false, "a\\u200Bb\\u2028\\u202E\\uFEFF"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, ShownText(c.text, c.keepBreaks)) << c.text;
}
