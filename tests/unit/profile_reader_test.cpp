// The host's profile reader: each case is a behaviour of the platform's reader that the launcher
// relies on, seen under Wine by the end-to-end tests.
#include "checker/profile_reader.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

namespace {

// UTF-16 LE with its mark.
std::string Utf16Le(const std::u16string& text) {
  std::string out = "\xFF\xFE";
  for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return out;
}

struct StringCase {
  const char* name;
  std::string ini;
  const char* key;
  uint32_t room;
  const char* expected;  // fallback is "fallback"
};

const std::vector<StringCase> kStrings = {
    {"plain", "[S]\nK=value\n", "K", 100, "value"},
    {"keys and sections without regard to case", "[s]\nk=value\n", "K", 100, "value"},
    {"blanks around key and value", "[S]\n \t K \t=  value \t\n", "K", 100, "value"},
    {"section name trimmed", "[ S ]\nK=value\n", "K", 100, "value"},
    {"control blanks trimmed, separators kept", "[S]\nK=\v\f\x1c v\x1f \x1a\n", "K", 100,
     "\x1c v\x1f"},
    {"no-break spaces kept", "[S]\nK=\xa0v\xa0\n", "K", 100, "\xa0v\xa0"},
    {"missing key", "[S]\nOther=1\n", "K", 100, "fallback"},
    {"missing section", "[T]\nK=1\n", "K", 100, "fallback"},
    {"key without equals sign", "[S]\nK\n", "K", 100, "fallback"},
    {"empty value", "[S]\nK=\n", "K", 100, ""},
    {"double quotes removed", "[S]\nK=\"a b\"\n", "K", 100, "a b"},
    {"single quotes removed", "[S]\nK='a b'\n", "K", 100, "a b"},
    {"unmatched quote kept", "[S]\nK=\"a b\n", "K", 100, "\"a b"},
    {"cut to the room", "[S]\nK=abcdef\n", "K", 4, "abc"},
    {"quoted value filling the room loses its last character", "[S]\nK=\"abcd\"\n", "K", 5, "abc"},
    {"quoted value over the room keeps its cut", "[S]\nK=\"abcdef\"\n", "K", 4, "abc"},
    {"first of two sections", "[S]\nK=first\n[S]\nK=second\n", "K", 100, "first"},
    {"only the first section is searched", "[S]\nX=1\n[S]\nK=second\n", "K", 100, "fallback"},
    {"first of two keys", "[S]\nK=one\nK=two\n", "K", 100, "one"},
    {"carriage returns end lines", "[S]\rK=value\rL=x\r", "K", 100, "value"},
    {"a NUL ends the value", std::string("[S]\nK=ab\0cd\n", 12), "K", 100, "ab"},
    {"a comment line is a key of its own", "[S]\n;K=no\nK=yes\n", "K", 100, "yes"},
    {"hash is no comment", "[S]\nK=a # b\n", "K", 100, "a # b"},
    {"header with text after it", "[S] trailing\nK=value\n", "K", 100, "value"},
    {"UTF-16 with byte-order mark",
     std::string("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xE9\0\xAC\x20\n\0", 20), "K", 100, "\xE9\x80"},
    {"UTF-8 without mark stays bytes", "[S]\nK=\xC3\xA9\n", "K", 100, "\xC3\xA9"},
    // What the code page lacks is read as no syntax at all, then handed out as its best fit
    {"best fits in a value", Utf16Le(u"[S]\nK=\u0141\u00F3d\u03A9\n"), "K", 100, "L\xF3" "dO"},
    {"a full-width quote is no quote", Utf16Le(u"[S]\nK=\uFF02a\uFF02\n"), "K", 100, "\"a\""},
    {"a full-width equals sign is none", Utf16Le(u"[S]\nK\uFF1Dv\n"), "K", 100, "fallback"},
    {"full-width brackets make no header", Utf16Le(u"\uFF3BS\uFF3D\nK=v\n"), "K", 100,
     "fallback"},
    {"an ideographic space is no blank", Utf16Le(u"[S]\nK\u3000=v\n"), "K", 100, "fallback"},
    {"the Kelvin sign is no K", Utf16Le(u"[S]\n\u212A=v\n"), "K", 100, "fallback"},
};

TEST(ProfileReader, StringsAsThePlatformReadsThem) {
  for (const StringCase& c : kStrings) {
    EXPECT_EQ(c.expected,
              ProfileString(ReadProfile(c.ini, kWineReading), "S", c.key, "fallback", c.room))
        << c.name;
  }
}

TEST(ProfileReader, FallbackLosesTrailingSpacesAndIsCut) {
  ProfileFile empty = ReadProfile("", kWineReading);
  EXPECT_EQ("abc", ProfileString(empty, "S", "K", "abc   ", 100));
  EXPECT_EQ("ab", ProfileString(empty, "S", "K", "abcdef", 3));
  EXPECT_EQ("", ProfileString(empty, "S", "K", "abc", 0));
}

TEST(ProfileReader, IntegersAsThePlatformReadsThem) {
  const struct {
    const char* value;
    int32_t expected;
  } cases[] = {
      {"42", 42},     {"+1", 1},          {"-5", -5},
      {"42A9", 42},   {"B42", 0},         {"0x", 0},
      {"\"12\"", 12}, {"4294967306", 10}, {"99999999999", 1215752191},
      {"", 7},        {"-", 0},           {"\" 12\"", 12},  // blanks before it, kept by the quotes
  };
  for (const auto& c : cases) {
    ProfileFile file = ReadProfile(std::string("[S]\nK=") + c.value + "\n", kWineReading);
    EXPECT_EQ(c.expected, ProfileInt(file, "S", "K", 7)) << c.value;
  }
  EXPECT_EQ(7, ProfileInt(ReadProfile("[S]\n", kWineReading), "S", "K", 7));
}

// Where Windows and Wine read the same bytes differently, and where both read a number prefix.
struct DialectCase {
  const char* fact;
  std::string ini;
  const char* section;  // the key read is "K"
  bool number;          // read with GetPrivateProfileInt (default 7), else as a string
  std::string windows, wine;
};

const std::string kLong = std::string(65537, 'x');

const std::vector<DialectCase> kDialects = {
    // Encoding marks
    {"UTF-8 mark before the header on line 1", "\xEF\xBB\xBF[S]\nK=v\n", "S", false, "fallback",
     "v"},
    {"UTF-8 mark: later sections read as ANSI", "\xEF\xBB\xBF[T]\n[S]\nK=\xC3\xA9\n", "S", false,
     "\xC3\xA9", "\xE9"},
    {"UTF-8 mark: a broken sequence keeps the line end after it",
     "\xEF\xBB\xBF[T]\r\n[S]\r\nK=Caf\xE9\r\nL=x\r\n", "S", false, "Caf\xE9", "Caf?"},
    {"UTF-16 BE mark", std::string("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0v\0\n", 18), "S", false,
     "fallback", "v"},
    {"UTF-16 LE mark, alike", std::string("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xE9\0\n\0", 18), "S", false,
     "\xE9", "\xE9"},
    // Brackets
    {"a name ends at the first ]", "[S] more]\nK=v\n", "S", false, "v", "fallback"},
    {"two headers on a line", "[S][T]\nK=v\n", "S", false, "v", "fallback"},
    {"no closing bracket", "[S\nK=v\n", "S", false, "v", "fallback"},
    // Lengths
    {"a value's length wraps at 65,536", "[S]\nK=" + kLong + "\n", "S", false, "x",
     std::string(99, 'x')},
    {"65,536 bytes read as none", "[S]\nK=" + kLong.substr(1) + "\n", "S", false, "",
     std::string(99, 'x')},
    // Number prefixes: measured under Wine; Windows is not known and read alike
    {"0x is base 16", "[S]\nK=0x64\n", "S", true, "100", "100"},
    {"0o is base 8", "[S]\nK=0o17\n", "S", true, "15", "15"},
    {"0b is base 2", "[S]\nK=0b101\n", "S", true, "5", "5"},
    {"a sign before the prefix", "[S]\nK=-0x10\n", "S", true, "-16", "-16"},
};

TEST(ProfileReader, WindowsAndWineReadings) {
  for (const DialectCase& c : kDialects) {
    for (ProfileDialect dialect : {kWindowsReading, kWineReading}) {
      const ProfileFile file = ReadProfile(c.ini, dialect);
      const std::string read = c.number ? std::to_string(ProfileInt(file, c.section, "K", 7))
                                        : ProfileString(file, c.section, "K", "fallback", 100);
      EXPECT_EQ(dialect == kWindowsReading ? c.windows : c.wine, read)
          << c.fact << (dialect == kWindowsReading ? " (Windows)" : " (Wine)");
    }
  }
}

// The blanks the profile functions trim from both ends; the separators and no-break space stay.
TEST(ProfileReader, TrimmedText) {
  const struct {
    const char *text, *trimmed;
  } cases[] = {{"", ""},          {" \t\v", ""},         {"a", "a"},
               {" a b \t", "a b"}, {"\x1A\f a \f\x1A", "a"}, {"\x1C a\xA0", "\x1C a\xA0"}};
  for (const auto& c : cases) EXPECT_EQ(c.trimmed, TrimmedProfileText(c.text)) << c.text;
}

TEST(ProfileReader, SectionLinesAreRawButForTheEqualsSign) {
  const std::string ini =
      "[Files]\n"
      "  \"a.txt\" \"about\"  \n"
      "; a comment\n"
      "\n"
      "\"b = c.txt\" \"x = y\"\n"
      "=first nameless\n"
      "=second nameless\n"
      "[Other]\n"
      "\"d.txt\"\n";
  std::vector<SectionLine> lines = ProfileSectionLines(ReadProfile(ini, kWineReading), "files");
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ("\"a.txt\" \"about\"", lines[0].text);
  EXPECT_EQ(2, lines[0].line);
  EXPECT_EQ("\"b=c.txt\" \"x = y\"", lines[1].text);
  EXPECT_EQ(5, lines[1].line);
  EXPECT_EQ("=first nameless", lines[2].text);
  // Handed out with best fits: the launcher's own parser then sees a '/' and an '='.
  lines = ProfileSectionLines(ReadProfile(Utf16Le(u"[Files]\n\"\uFF0Fa\" \uFF1D x\n"), kWineReading),
                              "Files");
  ASSERT_EQ(1u, lines.size());
  EXPECT_EQ("\"/a\" = x", lines[0].text);
}

TEST(ProfileReader, LineNumbersCountEveryKindOfLineEnd) {
  std::vector<SectionLine> lines =
      ProfileSectionLines(ReadProfile("[Files]\r\n\"a\"\r\"b\"\n\r\n\"c\"", kWineReading), "Files");
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(2, lines[0].line);
  EXPECT_EQ(3, lines[1].line);
  EXPECT_EQ(5, lines[2].line);
}

TEST(ProfileReader, SectionBufferIsCutAndStillEndsWithTwoNuls) {
  ProfileFile file = ReadProfile("[Files]\nabc\ndef\n", kWineReading);
  char buffer[9];
  memset(buffer, 'x', sizeof buffer);
  ProfileSectionBuffer(file, "Files", buffer, sizeof buffer);
  EXPECT_EQ(0, memcmp("abc\0def\0\0", buffer, 9));
  memset(buffer, 'x', sizeof buffer);
  ProfileSectionBuffer(file, "Files", buffer, 7);
  EXPECT_EQ(0, memcmp("abc\0d\0\0", buffer, 7));
  memset(buffer, 'x', sizeof buffer);
  ProfileSectionBuffer(file, "Missing", buffer, sizeof buffer);
  EXPECT_EQ(0, memcmp("\0", buffer, 1));
}

// --platform native reads problem lines in the dialect of the system the checker runs on.
TEST(ProfileReader, DialectOfEachPlatform) {
  const SystemProfile windows = {nullptr, nullptr, nullptr, false};
  const SystemProfile wine = {nullptr, nullptr, nullptr, true};
  EXPECT_EQ(kWindowsReading, DialectOf(kReadNatively, &windows));
  EXPECT_EQ(kWineReading, DialectOf(kReadNatively, &wine));
  EXPECT_EQ(kWindowsReading, DialectOf(kReadAsWindows, &wine));
  EXPECT_EQ(kWineReading, DialectOf(kReadAsWine, &windows));
}

}  // namespace
